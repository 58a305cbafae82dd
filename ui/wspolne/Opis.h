#pragma once

// The vocabulary in which each window is described once, as plain data, for every toolkit that
// builds it: controls with their rectangles in twips, texts, tooltips, fonts and colours, and the
// menu. Nothing here knows a toolkit; the Qt and the Win32 windows each turn it into widgets.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace ampelor::opis {

// Twips, 1/1440 inch: 15 to a pixel at 96 dots per inch.
inline constexpr int TwipyNaPiksel = 15;

// Left, top, width and height in twips, relative to the client area of the container.
struct Prostokat {
    int lewo = 0;
    int gora = 0;
    int szerokosc = 0;
    int wysokosc = 0;

    constexpr int prawo() const { return lewo + szerokosc; }
    constexpr int dol() const { return gora + wysokosc; }
    friend constexpr bool operator==(const Prostokat &, const Prostokat &) = default;
};

// The system colours the windows are drawn in; each follows the user's colour scheme.
enum class KolorSystemowy {
    TloPrzycisku,       // button face: the background of dialogs, frames and labels
    TekstPrzycisku,     // button text: labels and captions on that background
    TekstPaskaTytulu,   // the text of an active title bar
    AktywneObramowanie, // the border of an active window
    TloOkna,            // the ordinary background of a text box
    TekstOkna,          // the ordinary text of a text box
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

// Either one of the system's colours or a fixed one.
using Kolor = std::variant<KolorSystemowy, Rgb>;

inline constexpr Rgb CzystyNiebieski{0, 0, 255};

enum class ZestawZnakow { Zachodni, Srodkowoeuropejski };

// A font as designed: the face named here is the one the window was drawn with; a toolkit whose
// system lacks it picks a stand-in of the same size and style.
struct Czcionka {
    std::string_view kroj{};
    double punkty = 0;
    bool kursywa = false;
    bool podkreslenie = false;
    ZestawZnakow zestaw = ZestawZnakow::Zachodni;
};

enum class Rodzaj {
    Ramka,        // a frame with a caption; the controls named as its children sit inside it
    Obraz,        // a picture stretched to fill the control
    Etykieta,     // a label
    PoleTekstowe, // a one-line text box
    Przycisk,     // a push button
};

enum class Wyrownanie { DoLewej, DoSrodka, DoPrawej };

// One control. The windows list their controls in child order, which is also the tab order:
// every frame comes before its contents and every label immediately before the box it names.
struct Kontrolka {
    std::string_view nazwa{};
    Rodzaj rodzaj = Rodzaj::Etykieta;
    std::string_view rodzic{}; // the frame it sits in; empty for the window's client area
    Prostokat miejsce{};
    std::string_view tekst{};      // caption or text at start, UTF-8; '&' marks the access key
    std::string_view podpowiedz{}; // tooltip; empty for none
    std::string_view nazwaDostepna{}; // what a screen reader names it by; empty: its text
    Wyrownanie wyrownanie = Wyrownanie::DoLewej;
    int maksZnakow = 0; // the most characters a text box takes; 0 for no limit
    bool widoczna = true;
    bool obramowanie = true; // a text box's or a picture's border
    bool zawijanie = false;  // a label's text breaks at word boundaries within its width
    bool domyslny = false;   // the window's default push button, pressed by Enter
    bool lacze = false;      // a link: the link cursor over it, a click runs its handler
    std::optional<Kolor> tlo{};     // none: the control's usual system colour
    std::optional<Kolor> kolorTekstu{};
    std::optional<Czcionka> czcionka{}; // none: the system's default dialog font
};

// A menu entry. An entry that is a submenu has entries naming it as their parent.
enum class RodzajPozycji { Menu, Polecenie, Separator };

struct PozycjaMenu {
    std::string_view nazwa{};
    RodzajPozycji rodzaj = RodzajPozycji::Polecenie;
    std::string_view rodzic{}; // the menu it belongs to; empty for the menu bar
    std::string_view tekst{};  // '&' marks the access key
    char klawiszCtrl = 0;    // the accelerator is Ctrl with this capital letter; 0 for none
    std::uint16_t polecenie = 0; // the command's identifier; 0 for none
};

// Looks a control up by name in a window's list; nullptr when there is none.
constexpr const Kontrolka *znajdz(std::span<const Kontrolka> kontrolki, std::string_view nazwa)
{
    for (const Kontrolka &k : kontrolki)
        if (k.nazwa == nazwa)
            return &k;
    return nullptr;
}

} // namespace ampelor::opis
