#include "Kontrast.h"

#include <algorithm>
#include <cmath>

namespace ampelor::opis {

namespace {

double liniowa(std::uint8_t skladowa)
{
    const double c = skladowa / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t mieszaj(std::uint8_t z, std::uint8_t ku, double udzial)
{
    return static_cast<std::uint8_t>(std::lround(z + (ku - z) * udzial));
}

Rgb mieszaj(Rgb z, Rgb ku, double udzial)
{
    return {mieszaj(z.r, ku.r, udzial), mieszaj(z.g, ku.g, udzial), mieszaj(z.b, ku.b, udzial)};
}

constexpr Rgb Czarny{0, 0, 0};
constexpr Rgb Bialy{255, 255, 255};

} // namespace

double luminancja(Rgb kolor)
{
    return 0.2126 * liniowa(kolor.r) + 0.7152 * liniowa(kolor.g) + 0.0722 * liniowa(kolor.b);
}

double kontrast(Rgb a, Rgb b)
{
    const double la = luminancja(a);
    const double lb = luminancja(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::optional<Rgb> pierwszyCzytelny(Rgb tlo, std::span<const Rgb> kandydaci)
{
    const auto czytelny = std::ranges::find_if(
        kandydaci, [tlo](Rgb k) { return kontrast(k, tlo) >= MinimalnyKontrast; });
    if (czytelny == kandydaci.end())
        return std::nullopt;
    return *czytelny;
}

Rgb kolorTekstuNaTle(Rgb tlo, std::span<const Rgb> kandydaci)
{
    if (const auto czytelny = pierwszyCzytelny(tlo, kandydaci))
        return *czytelny;
    Rgb najlepszy = kontrast(Czarny, tlo) >= kontrast(Bialy, tlo) ? Czarny : Bialy;
    for (Rgb k : kandydaci)
        if (kontrast(k, tlo) > kontrast(najlepszy, tlo))
            najlepszy = k;
    return najlepszy;
}

Rgb dociagnijDoKontrastu(Rgb kolor, Rgb tlo)
{
    if (kontrast(kolor, tlo) >= MinimalnyKontrast)
        return kolor;
    const Rgb ku = kontrast(Czarny, tlo) >= kontrast(Bialy, tlo) ? Czarny : Bialy;
    // The least mixing that reads: contrast grows steadily along the way, so halving finds it.
    double dol = 0;
    double gora = 1;
    for (int krok = 0; krok < 16; ++krok) {
        const double srodek = (dol + gora) / 2;
        (kontrast(mieszaj(kolor, ku, srodek), tlo) >= MinimalnyKontrast ? gora : dol) = srodek;
    }
    return mieszaj(kolor, ku, gora);
}

} // namespace ampelor::opis
