// Delta T = TT - UT, from the polynomial expressions of Espenak and Meeus (2006), which fit
// the observed values up to 2005 and extrapolate beyond.
#pragma once

namespace calendar_tables {

// decimal_year: for example 2013.1 for early February 2013. Result in seconds; valid for
// 1900 to 2150.
double delta_t_seconds(double decimal_year);

}  // namespace calendar_tables
