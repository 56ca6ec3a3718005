// The moments of new moon: the mean lunation plus the periodic corrections of Meeus,
// "Astronomical Algorithms" (2nd ed.), chapter 49, a fit to the ELP-2000/82 lunar theory good
// to a few seconds of time over our centuries.
#pragma once

namespace calendar_tables {

// lunation: 0 is the new moon of 6 January 2000, negative numbers count back. Result in
// Julian Ephemeris Days (Terrestrial Time).
double new_moon_jde(int lunation);

}  // namespace calendar_tables
