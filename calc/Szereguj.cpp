#include "Szereguj.h"

#include <charconv>
#include <cmath>

namespace ampelor {

namespace {

// Round-trips the value through 15 significant decimal digits, so that binary noise such as
// 4699.9999999999991 is read as the 4700 the user meant before it is compared to the series.
double doPietnastuCyfr(double wart)
{
    char tekst[32];
    const auto zapis =
        std::to_chars(std::begin(tekst), std::end(tekst), wart, std::chars_format::scientific, 14);
    double w = wart;
    std::from_chars(std::begin(tekst), zapis.ptr, w);
    return w;
}

} // namespace

std::optional<double> Szereguj(double wart, int Up)
{
    if (!std::isfinite(wart))
        return std::nullopt;

    double w = doPietnastuCyfr(wart);
    double m = 1; // a power of ten, exact in a double far beyond any resistance
    while (w >= 10) {
        w /= 10;
        m *= 10;
    }

    std::optional<double> wynik;
    for (std::size_t i = 0; i + 1 < SzeregE12.size(); ++i) {
        const double dol = SzeregE12[i];
        const double gora = SzeregE12[i + 1];
        if (Up == 0) {
            if (dol <= w && w < gora)
                wynik = dol * m;
        } else if (dol < w && w <= gora) {
            wynik = gora * m;
        }
    }
    return wynik;
}

} // namespace ampelor
