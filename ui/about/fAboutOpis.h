#pragma once

// The about box as drawn, for every toolkit that builds it: its controls and the two links with
// the command lines they start.

#include "Opis.h"
#include "Uruchamiacz.h"

#include <array>
#include <string_view>

#ifndef AMPELOR_WERSJA
#error "AMPELOR_WERSJA, the project's version, comes from the build"
#endif

// The maker's addresses, each written once: as the labels show them and as the links start them.
#define AMPELOR_ADRES_WWW "http://www.ampelor.example"
#define AMPELOR_ADRES_EMAIL "kontakt@ampelor.example"

namespace ampelor::opisFAbout {

using namespace ampelor::opis;

inline constexpr std::string_view NazwaKlasy = "fAbout";
inline constexpr std::string_view Tytul = "O programie...";
inline constexpr Prostokat ObszarRoboczy{0, 0, 3570, 3930};
// The box's background, which its labels show through and its links are read against.
inline constexpr Kolor TloOkna = KolorSystemowy::TloPrzycisku;

inline constexpr Czcionka Lacze{.kroj = "MS Sans Serif", .punkty = 8.25, .podkreslenie = true,
                                .zestaw = ZestawZnakow::Srodkowoeuropejski};

// In tab order. Labels never take the focus, so the OK button is the only control that does.
inline constexpr std::array Kontrolki{
    Kontrolka{.nazwa = "Label1", .miejsce = {240, 120, 3135, 495}, .tekst = "Ampelor",
              .wyrownanie = Wyrownanie::DoSrodka,
              .czcionka = Czcionka{.kroj = "Comic Sans MS", .punkty = 18}},
    Kontrolka{.nazwa = "Label2", .miejsce = {240, 1800, 3015, 735},
              .tekst = "Program służy do projektowania zasilaczy stabilizowanych w oparciu o "
                       "scalony stabilizator napięcia LM317.",
              .wyrownanie = Wyrownanie::DoSrodka, .zawijanie = true,
              .czcionka = Czcionka{.kroj = "Arial", .punkty = 8.25,
                                   .zestaw = ZestawZnakow::Srodkowoeuropejski}},
    // Neither the default button nor a cancel button: Enter presses it only while it has the
    // focus, and Escape does nothing.
    Kontrolka{.nazwa = "plcCloseAbout", .rodzaj = Rodzaj::Przycisk,
              .miejsce = {1200, 3240, 1215, 495}, .tekst = "&OK"},
    Kontrolka{.nazwa = "Label4", .miejsce = {600, 2640, 2175, 255},
              .tekst = "www: " AMPELOR_ADRES_WWW, .wyrownanie = Wyrownanie::DoSrodka,
              .lacze = true, .kolorTekstu = CzystyNiebieski, .czcionka = Lacze},
    Kontrolka{.nazwa = "Label5", .miejsce = {600, 2880, 2175, 255},
              .tekst = "e-mail: " AMPELOR_ADRES_EMAIL, .wyrownanie = Wyrownanie::DoSrodka,
              .lacze = true, .kolorTekstu = CzystyNiebieski, .czcionka = Lacze},
    Kontrolka{.nazwa = "Label6", .miejsce = {840, 600, 1815, 255}, .tekst = "V. " AMPELOR_WERSJA,
              .wyrownanie = Wyrownanie::DoSrodka,
              .czcionka = Czcionka{.kroj = "MS Sans Serif", .punkty = 12, .kursywa = true,
                                   .zestaw = ZestawZnakow::Srodkowoeuropejski}},
};

// What a click on a link starts: the command line as it stands, and how its window is shown.
struct Polecenie {
    std::string_view etykieta; // the label clicked
    std::string_view wierszPolecen;
    StylOkna styl;
};

// The web label leaves out the home page's closing "/", which the browser is given. The mail
// link is started hidden: only the mail program's own window is to appear.
inline constexpr Polecenie Label4_Click{"Label4", "iexplore.exe " AMPELOR_ADRES_WWW "/",
                                        StylOkna::Normalny};
inline constexpr Polecenie Label5_Click{"Label5", "iexplore.exe mailto:" AMPELOR_ADRES_EMAIL,
                                        StylOkna::Ukryty};

// Shown over the box when a link's program could not be started, so a click is never lost
// without a word.
inline constexpr std::string_view BladUruchomienia = "Nie udało się uruchomić przeglądarki.";
inline constexpr std::string_view TytulBleduUruchomienia = "Ampelor";

} // namespace ampelor::opisFAbout
