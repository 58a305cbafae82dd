#pragma once

#include <array>
#include <optional>

namespace ampelor {

// One decade of the E12 series with a neighbour on each side, so that every pair of
// adjacent entries brackets a stretch of the number line, including the decade's edges.
inline constexpr std::array<double, 14> SzeregE12{0.82, 1,   1.2, 1.5, 1.8, 2.2, 2.7,
                                                  3.3,  3.9, 4.7, 5.6, 6.8, 8.2, 10};

// Rounds an ideal resistance (ohms) to the E12 series: down when `Up` is 0, up otherwise.
// Returns nothing when no series value fits (zero, negative or sub-0.82 values, and
// anything not finite).
std::optional<double> Szereguj(double wart, int Up);

// The same, always through the text round trip: the reference Szereguj is checked against.
std::optional<double> SzeregujWzorcowo(double wart, int Up);

} // namespace ampelor
