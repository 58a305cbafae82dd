#pragma once

// The main window as drawn, for every toolkit that builds it: its controls, its menu and the
// two states the File menu switches between.

#include "Obliczenia.h"
#include "Opis.h"

#include <array>
#include <string_view>

namespace ampelor::opisPLM317 {

using namespace ampelor::opis;

inline constexpr std::string_view NazwaKlasy = "pLM317";
// The client area, inside the border, the title bar and the menu bar.
inline constexpr Prostokat ObszarRoboczy{0, 0, 5190, 3975};

inline constexpr int MaksZnakow = 4; // in each voltage box

// The menu's commands; the numbers are the command identifiers of the Windows menu.
enum class Polecenie : std::uint16_t {
    mnuJedno = 101,
    mnuWielo = 102,
    mnuKoniec = 103,
    mnuAbout = 104,
};
constexpr std::uint16_t id(Polecenie p)
{
    return static_cast<std::uint16_t>(p);
}

// What the File menu's two designs change on the window.
struct StanTrybu {
    Tryb_t tryb;
    std::string_view tytul;        // the window's caption
    std::string_view lblUout;      // the first voltage's label
    bool drugiWiersz;              // lblUomax, txUomax and lbVmax shown
    std::string_view podpowiedzUo; // txUo's tooltip
};

inline constexpr std::array Stany{
    StanTrybu{TrybJedno, "Ampelor - jednonapięciowy", "Uwy:", false,
              "Pożądane napięcie wyjściowe."},
    StanTrybu{TrybWielo, "Ampelor - regulowany", "Uwy(min):", true,
              "Minimalne napięcie wyjściowe."},
};

// Only the adjustable design is chosen by its own value; any other reads as single voltage.
constexpr const StanTrybu &stanTrybu(Tryb_t tryb)
{
    return tryb == TrybWielo ? Stany[1] : Stany[0];
}

// In child order, which is also the tab order: the button comes before the result frame so that
// Tab goes from the voltages to the button and only then to the results.
inline constexpr std::array Kontrolki{
    Kontrolka{.nazwa = "frSchem", .rodzaj = Rodzaj::Ramka, .miejsce = {120, 0, 4935, 2295},
              .tekst = "Schemat"},
    Kontrolka{.nazwa = "Image1", .rodzaj = Rodzaj::Obraz, .rodzic = "frSchem",
              .miejsce = {120, 240, 4695, 1935},
              .podpowiedz = "Ogólny schemat elektryczny zasilacza opartego o układ LM317."},

    Kontrolka{.nazwa = "Frame2", .rodzaj = Rodzaj::Ramka, .miejsce = {120, 2400, 2055, 975},
              .tekst = "Dane"},
    Kontrolka{.nazwa = "lblUout", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame2",
              .miejsce = {120, 240, 855, 255}, .tekst = Stany[0].lblUout,
              .wyrownanie = Wyrownanie::DoPrawej},
    Kontrolka{.nazwa = "txUo", .rodzaj = Rodzaj::PoleTekstowe, .rodzic = "Frame2",
              .miejsce = {1080, 240, 615, 285}, .tekst = "0",
              .podpowiedz = Stany[0].podpowiedzUo, .maksZnakow = MaksZnakow,
              .tlo = KolorSystemowy::TekstPaskaTytulu},
    Kontrolka{.nazwa = "Label1", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame2",
              .miejsce = {1800, 240, 135, 255}, .tekst = "V"},
    Kontrolka{.nazwa = "lblUomax", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame2",
              .miejsce = {120, 600, 855, 255}, .tekst = "Uwy(max):",
              .wyrownanie = Wyrownanie::DoPrawej, .widoczna = Stany[0].drugiWiersz},
    Kontrolka{.nazwa = "txUomax", .rodzaj = Rodzaj::PoleTekstowe, .rodzic = "Frame2",
              .miejsce = {1080, 600, 615, 285}, .tekst = "0",
              .podpowiedz = "Maksymalne napięcie wyjściowe.", .maksZnakow = MaksZnakow,
              .widoczna = Stany[0].drugiWiersz},
    Kontrolka{.nazwa = "lbVmax", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame2",
              .miejsce = {1800, 600, 135, 255}, .tekst = "V", .widoczna = Stany[0].drugiWiersz},

    Kontrolka{.nazwa = "plcOblicz", .rodzaj = Rodzaj::Przycisk, .miejsce = {120, 3600, 4935, 255},
              .tekst = "&O  b  l  i  c  z", .nazwaDostepna = "Oblicz", .domyslny = true},

    Kontrolka{.nazwa = "Frame1", .rodzaj = Rodzaj::Ramka, .miejsce = {2280, 2400, 2775, 1095},
              .tekst = "Wynik"},
    Kontrolka{.nazwa = "lblR1", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame1",
              .miejsce = {120, 240, 375, 255}, .tekst = "R1:",
              .wyrownanie = Wyrownanie::DoPrawej},
    Kontrolka{.nazwa = "txR1", .rodzaj = Rodzaj::PoleTekstowe, .rodzic = "Frame1",
              .miejsce = {600, 240, 2055, 285}, .tekst = "-", .obramowanie = false,
              .tlo = KolorSystemowy::AktywneObramowanie},
    Kontrolka{.nazwa = "lblPr", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame1",
              .miejsce = {120, 480, 375, 255}, .tekst = "Pr:",
              .wyrownanie = Wyrownanie::DoPrawej},
    Kontrolka{.nazwa = "txPr", .rodzaj = Rodzaj::PoleTekstowe, .rodzic = "Frame1",
              .miejsce = {600, 480, 2055, 285}, .tekst = "-", .obramowanie = false,
              .tlo = KolorSystemowy::AktywneObramowanie},
    Kontrolka{.nazwa = "lblR2", .rodzaj = Rodzaj::Etykieta, .rodzic = "Frame1",
              .miejsce = {120, 720, 375, 255}, .tekst = "R2:",
              .wyrownanie = Wyrownanie::DoPrawej},
    Kontrolka{.nazwa = "txR2", .rodzaj = Rodzaj::PoleTekstowe, .rodzic = "Frame1",
              .miejsce = {600, 720, 2055, 285}, .tekst = "-", .obramowanie = false,
              .tlo = KolorSystemowy::AktywneObramowanie},
};

// The text boxes the calculation reads and writes, by their names.
inline constexpr std::array<std::string_view, 5> NazwyPol{"txUo", "txUomax", "txR1", "txPr",
                                                          "txR2"};
constexpr std::string_view nazwaPola(Pole pole)
{
    return NazwyPol[static_cast<std::size_t>(pole)];
}

inline constexpr std::array Menu{
    PozycjaMenu{.nazwa = "mnuPlik", .rodzaj = RodzajPozycji::Menu, .tekst = "&Plik"},
    PozycjaMenu{.nazwa = "mnuNew", .rodzaj = RodzajPozycji::Menu, .rodzic = "mnuPlik",
                .tekst = "&Nowy"},
    PozycjaMenu{.nazwa = "mnuJedno", .rodzic = "mnuNew", .tekst = "&Jednonapięciowy",
                .klawiszCtrl = 'J', .polecenie = id(Polecenie::mnuJedno)},
    PozycjaMenu{.nazwa = "mnuWielo", .rodzic = "mnuNew", .tekst = "&Regulowany",
                .klawiszCtrl = 'R', .polecenie = id(Polecenie::mnuWielo)},
    PozycjaMenu{.nazwa = "mnuSep", .rodzaj = RodzajPozycji::Separator, .rodzic = "mnuPlik",
                .tekst = "-"},
    PozycjaMenu{.nazwa = "mnuKoniec", .rodzic = "mnuPlik", .tekst = "&Koniec",
                .klawiszCtrl = 'X', .polecenie = id(Polecenie::mnuKoniec)},
    PozycjaMenu{.nazwa = "mnuInfo", .rodzaj = RodzajPozycji::Menu, .tekst = "&Info"},
    PozycjaMenu{.nazwa = "mnuAbout", .rodzic = "mnuInfo", .tekst = "&O programie...",
                .klawiszCtrl = 'I', .polecenie = id(Polecenie::mnuAbout)},
};

inline constexpr std::array<std::string_view, 3> DrugiWiersz{"lblUomax", "txUomax", "lbVmax"};

} // namespace ampelor::opisPLM317
