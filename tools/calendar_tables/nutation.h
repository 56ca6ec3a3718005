// Nutation in longitude: the IAU 1980 theory, the terms down to 0.0003 seconds of arc.
#pragma once

namespace calendar_tables {

// T: Julian centuries of Terrestrial Time from J2000.0. Result in seconds of arc.
double nutation_in_longitude(double T);

}  // namespace calendar_tables
