#include "sun.h"

#include <cmath>
#include <numbers>

#include "earth_series.h"
#include "nutation.h"

namespace calendar_tables {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kMeanDaysPerDegree = 365.2422 / 360.0;

double normalized(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360.0 : degrees;
}

}  // namespace

double sun_apparent_longitude(double jde) {
    const double tau = (jde - kJ2000) / 365250.0;
    const double T = tau * 10.0;
    const HeliocentricEarth earth = heliocentric_earth(tau);
    // The geocentric Sun stands opposite the heliocentric Earth.
    double longitude = earth.longitude * kDegreesPerRadian + 180.0;
    // From the dynamical frame of VSOP87 to FK5.
    longitude += -0.09033 / 3600.0;
    // From the mean to the true equinox of date.
    longitude += nutation_in_longitude(T) / 3600.0;
    // Annual aberration: the light left the Sun about 8.3 minutes earlier.
    longitude += -20.4898 / earth.radius / 3600.0;
    return normalized(longitude);
}

double sun_reaches_longitude(double longitude, double estimate) {
    double jde = estimate;
    for (int step = 0; step < 20; ++step) {
        double difference = normalized(longitude - sun_apparent_longitude(jde));
        if (difference > 180.0) difference -= 360.0;
        const double correction = difference * kMeanDaysPerDegree;
        jde += correction;
        if (std::fabs(correction) < 1e-9) break;
    }
    return jde;
}

}  // namespace calendar_tables
