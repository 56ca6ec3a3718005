// The Sun's apparent geocentric longitude, which fixes the moments of the 24 solar terms.
#pragma once

namespace calendar_tables {

// jde: Julian Ephemeris Day (Terrestrial Time). Result in degrees, 0 <= result < 360,
// referred to the true equinox of date, with aberration.
double sun_apparent_longitude(double jde);

// The moment (Julian Ephemeris Day) near `estimate` at which the apparent longitude equals
// `longitude` degrees; Newton steps to well under a millisecond.
double sun_reaches_longitude(double longitude, double estimate);

}  // namespace calendar_tables
