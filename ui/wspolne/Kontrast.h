#pragma once

// Colour contrast as the accessibility guidelines measure it, so that every text the windows draw
// on a fixed background stays readable whatever the user's colour scheme.

#include "Opis.h"

#include <optional>
#include <span>

namespace ampelor::opis {

// Text reads when it reaches this ratio against its background.
inline constexpr double MinimalnyKontrast = 4.5;

// Relative luminance of an sRGB colour, from 0 (black) to 1 (white).
double luminancja(Rgb kolor);

// Contrast ratio of two colours, from 1 (the same) to 21 (black on white); symmetric.
double kontrast(Rgb a, Rgb b);

// The first of the candidates that reads on the background, if any does.
std::optional<Rgb> pierwszyCzytelny(Rgb tlo, std::span<const Rgb> kandydaci);

// The text colour for a fixed background: the first candidate that reads on it, otherwise
// whichever of the candidates, black and white contrasts best with it.
Rgb kolorTekstuNaTle(Rgb tlo, std::span<const Rgb> kandydaci);

// The colour mixed towards white or black, whichever lies farther from the background, just far
// enough to read on it; the colour itself when it already does.
Rgb dociagnijDoKontrastu(Rgb kolor, Rgb tlo);

} // namespace ampelor::opis
