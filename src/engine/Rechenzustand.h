#pragma once

#include <cstdint>

struct Rechenweg;

// The coefficients the recalculation keeps between runs. One instance lives
// as long as the program; it starts at zero and is never reset: a value only
// changes where one of its rules matches, so a typed text that matches no
// rule leaves the previous run's value in force.
struct Rechenzustand {
    double n50 = 0.0;  // 1/h
    double Druckexponent = 0.0;
    double A_NE = 0.0;  // m²
    double fWS = 0.0;  // heat-protection factor
    double Infiltrationsfaktor = 0.0;
    std::int32_t Druckdifferenz = 0;  // divided by 50 in the infiltration formula

    // Where a run records its way step by step; none when null.
    Rechenweg *weg = nullptr;
};
