#include "moon_phase.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace calendar_tables {
namespace {

double sin_degrees(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }

}  // namespace

double new_moon_jde(int lunation) {
    const double k = lunation;
    const double T = k / 1236.85;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    double jde =
        2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    // Eccentricity factor of the Earth's orbit, then the Sun's mean anomaly, the Moon's mean
    // anomaly, its argument of latitude and the longitude of its node (degrees).
    const double E = 1 - 0.002516 * T - 0.0000074 * T2;
    const double M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
    const double Mp =
        201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
    const double F =
        160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
    const double Om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;

    jde += -0.40720 * sin_degrees(Mp) + 0.17241 * E * sin_degrees(M) +
           0.01608 * sin_degrees(2 * Mp) + 0.01039 * sin_degrees(2 * F) +
           0.00739 * E * sin_degrees(Mp - M) - 0.00514 * E * sin_degrees(Mp + M) +
           0.00208 * E * E * sin_degrees(2 * M) - 0.00111 * sin_degrees(Mp - 2 * F) -
           0.00057 * sin_degrees(Mp + 2 * F) + 0.00056 * E * sin_degrees(2 * Mp + M) -
           0.00042 * sin_degrees(3 * Mp) + 0.00042 * E * sin_degrees(M + 2 * F) +
           0.00038 * E * sin_degrees(M - 2 * F) - 0.00024 * E * sin_degrees(2 * Mp - M) -
           0.00017 * sin_degrees(Om) - 0.00007 * sin_degrees(Mp + 2 * M) +
           0.00004 * sin_degrees(2 * Mp - 2 * F) + 0.00004 * sin_degrees(3 * M) +
           0.00003 * sin_degrees(Mp + M - 2 * F) + 0.00003 * sin_degrees(2 * Mp + 2 * F) -
           0.00003 * sin_degrees(Mp + M + 2 * F) + 0.00003 * sin_degrees(Mp - M + 2 * F) -
           0.00002 * sin_degrees(Mp - M - 2 * F) - 0.00002 * sin_degrees(3 * Mp + M) +
           0.00002 * sin_degrees(4 * Mp);

    // Planetary perturbations.
    struct Planetary {
        double coefficient, base, per_lunation;
    };
    constexpr Planetary kPlanetary[] = {
        {0.000325, 299.77, 0.107408},  {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
        {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
        {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
        {0.000042, 207.19, 0.121824},  {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
        {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
    };
    for (size_t i = 0; i < std::size(kPlanetary); ++i) {
        double argument = kPlanetary[i].base + kPlanetary[i].per_lunation * k;
        if (i == 0) argument -= 0.009173 * T2;
        jde += kPlanetary[i].coefficient * sin_degrees(argument);
    }
    return jde;
}

}  // namespace calendar_tables
