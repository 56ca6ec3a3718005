// The heliocentric ecliptic longitude, latitude and radius of the Earth: the VSOP87 theory
// (Bretagnon and Francou), truncated to the terms that matter at the level of one second of
// arc, as used for the Sun in almanac work.
#pragma once

namespace calendar_tables {

struct HeliocentricEarth {
    double longitude;  // radians, ecliptic and equinox of date
    double latitude;   // radians
    double radius;     // astronomical units
};

// tau: Julian millennia of Terrestrial Time from J2000.0.
HeliocentricEarth heliocentric_earth(double tau);

}  // namespace calendar_tables
