#pragma once

#include "Opis.h"

#include <QPalette>

// The windows' colours are described as Windows system colours; each maps to the palette role
// that plays the same part, so both windows follow the user's colour scheme. This is the only
// place where that mapping is made.
namespace KoloryWindows {

constexpr QPalette::ColorRole rola(ampelor::opis::KolorSystemowy kolor)
{
    using ampelor::opis::KolorSystemowy;
    switch (kolor) {
    case KolorSystemowy::TloPrzycisku:
        // Button face is the background of dialogs and frames: the general window background.
        return QPalette::Window;
    case KolorSystemowy::TekstPrzycisku:
        // Button text is the text drawn on that background: labels and captions.
        return QPalette::WindowText;
    case KolorSystemowy::TekstPaskaTytulu:
        // Title-bar text is the light text drawn over the accent of an active title bar: the
        // text drawn over the selection highlight.
        return QPalette::HighlightedText;
    case KolorSystemowy::AktywneObramowanie:
        // The active border is drawn in the same neutral tone as the window background.
        return QPalette::Window;
    case KolorSystemowy::TloOkna:
        return QPalette::Base;
    case KolorSystemowy::TekstOkna:
        return QPalette::Text;
    }
    return QPalette::Window;
}

} // namespace KoloryWindows
