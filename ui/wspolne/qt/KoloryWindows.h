#pragma once

#include <QPalette>

// The window's colours are defined as Windows system colours; each maps to the palette role
// that plays the same part, so both windows follow the user's colour scheme.
namespace KoloryWindows {

// Button face is the background of dialogs and frames: the general window background.
inline constexpr QPalette::ColorRole TloPrzycisku = QPalette::Window;
// Button text is the text drawn on that background: labels and captions.
inline constexpr QPalette::ColorRole TekstPrzycisku = QPalette::WindowText;
// Title-bar text is the light text drawn over the accent of an active title bar: the text
// drawn over the selection highlight.
inline constexpr QPalette::ColorRole TekstPaskaTytulu = QPalette::HighlightedText;
// The active border is drawn in the same neutral tone as the window background.
inline constexpr QPalette::ColorRole AktywneObramowanie = QPalette::Window;

} // namespace KoloryWindows
