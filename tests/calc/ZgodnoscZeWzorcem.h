#pragma once

// Comparisons of the calculation core's fast paths with their general references, over sets of
// inputs far too large for a table: a sample in the unit tests, every value in range in the
// sprawdz_wszystkie tool.

#include "CzytajNapiecie.h"
#include "Skroc.h"
#include "Szereguj.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>

namespace ampelor::zgodnosc {

// How many inputs were compared, and the first few that disagreed, described.
struct Wynik {
    std::uint64_t sprawdzone = 0;
    std::uint64_t rozne = 0;
    std::string przyklady;

    void dodaj(bool zgodne, const std::function<std::string()> &opis)
    {
        ++sprawdzone;
        if (zgodne)
            return;
        if (++rozne <= 5)
            przyklady += opis() + '\n';
    }
    void dodaj(const Wynik &inny)
    {
        sprawdzone += inny.sprawdzone;
        rozne += inny.rozne;
        przyklady += inny.przyklady;
    }
};

inline std::string liczba(double x)
{
    char tekst[40];
    const auto zapis = std::to_chars(std::begin(tekst), std::end(tekst), x);
    return std::string(tekst, zapis.ptr);
}

inline void skroc(float v, Wynik &w)
{
    const std::string szybko = Skroc(v);
    const std::string wzor = SkrocWzorcowo(v);
    w.dodaj(szybko == wzor,
            [&] { return "Skroc(" + liczba(v) + ") '" + szybko + "' / '" + wzor + "'"; });
}

// Skroc of every float whose bit pattern lies from `od` below `przed`, in steps of `krok`, and of
// its negative.
inline Wynik skrocBity(std::uint32_t od, std::uint32_t przed, std::uint32_t krok = 1)
{
    Wynik w;
    for (std::uint64_t b = od; b < przed; b += krok) {
        const auto v = std::bit_cast<float>(static_cast<std::uint32_t>(b));
        skroc(v, w);
        skroc(-v, w);
    }
    return w;
}

inline std::uint32_t bity(float v)
{
    return std::bit_cast<std::uint32_t>(v);
}

inline void czytaj(std::string_view tekst, Wynik &w)
{
    const float szybko = CzytajNapiecie(tekst);
    const float wzor = CzytajNapiecieWzorcowo(tekst);
    w.dodaj(bity(szybko) == bity(wzor), [&] {
        return "CzytajNapiecie(\"" + std::string(tekst) + "\") " + liczba(szybko) + " / " +
               liczba(wzor);
    });
}

// CzytajNapiecie of every text of up to `dlugosc` characters from `alfabet`.
inline Wynik czytajWszystkie(std::string_view alfabet, std::size_t dlugosc)
{
    Wynik w;
    std::string tekst;
    const std::function<void()> dalej = [&] {
        czytaj(tekst, w);
        if (tekst.size() == dlugosc)
            return;
        for (char z : alfabet) {
            tekst.push_back(z);
            dalej();
            tekst.pop_back();
        }
    };
    dalej();
    return w;
}

inline void szereguj(double wart, Wynik &w)
{
    for (int Up : {0, 1}) {
        const auto szybko = Szereguj(wart, Up);
        const auto wzor = SzeregujWzorcowo(wart, Up);
        const bool zgodne = szybko.has_value() == wzor.has_value() &&
                            (!szybko || std::bit_cast<std::uint64_t>(*szybko) ==
                                            std::bit_cast<std::uint64_t>(*wzor));
        w.dodaj(zgodne, [&] {
            return "Szereguj(" + liczba(wart) + ", " + std::to_string(Up) + ") " +
                   (szybko ? liczba(*szybko) : "-") + " / " + (wzor ? liczba(*wzor) : "-");
        });
    }
}

// Szereguj of the ideal values the calculate command forms, from voltages as it stores them.
inline void szeregujJednonapieciowy(float Uo, Wynik &w)
{
    const auto Rsuma = static_cast<float>((static_cast<double>(Uo) - 1.25) / 5.31);
    szereguj((static_cast<double>(Rsuma) * 0.85) * 1000, w);
}

inline void szeregujRegulowany(float Uo, float Uomax, Wynik &w)
{
    const double uo = Uo;
    const double uomax = Uomax;
    szereguj(((uomax - uo) * 1000) / 5.5, w);
    szereguj(((uo - 1.25) * 1000) / 5.5, w);
    const auto Pr = Szereguj(((uomax - uo) * 1000) / 5.5, 0);
    if (Pr && *Pr != 0 && uomax != uo)
        szereguj(1.25 / ((uomax - uo) / static_cast<double>(static_cast<float>(*Pr))), w);
}

// Szereguj right around every series value of the decades from 10^-1 to 10^9: `ile` doubles on
// either side of it, and values that miss it by binary noise, such as 4699.9999999999991.
inline Wynik szeregujPrzySzeregu(int ile)
{
    Wynik w;
    double dekada = 0.1;
    for (int d = -1; d <= 9; ++d, dekada *= 10) {
        for (double s : SzeregE12) {
            const double srodek = s * dekada;
            double x = srodek;
            double y = srodek;
            for (int i = 0; i < ile; ++i) {
                szereguj(x, w);
                szereguj(y, w);
                x = std::nextafter(x, 0.0);
                y = std::nextafter(y, INFINITY);
            }
            for (double wzgledny = 1e-16; wzgledny < 1e-6; wzgledny *= 3.7) {
                szereguj(srodek * (1 - wzgledny), w);
                szereguj(srodek * (1 + wzgledny), w);
            }
        }
    }
    return w;
}

} // namespace ampelor::zgodnosc
