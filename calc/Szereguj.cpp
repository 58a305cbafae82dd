#include "Szereguj.h"

#include <array>
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

constexpr std::array<double, 23> PotegiDziesieciu{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Relative distance from a series value within which the fast path hands over to the reference:
// far wider than any of the rounding errors it has to cover (see Szereguj).
constexpr double Odstep = 1e-9;

} // namespace

// The cut to 15 digits moves a value by about 5e-15 of itself at most (a value below the normal
// range stays far below every series value), and the scaling below 10 adds less than 3e-15 (up
// to 22 divisions by ten, each rounding by 1.1e-16, or the one division by the exact power used
// here). So when the value scaled without the cut lies further than 1e-9 of itself from the
// series values around it, the cut value, scaled by repeated division, falls strictly into the
// same stretch with the same power of ten (another power would put both near 1 or 10), and the
// result is the same: the costly round trip through text is needed only near a series value.
std::optional<double> Szereguj(double wart, int Up)
{
    if (!std::isfinite(wart) || wart >= PotegiDziesieciu.back() * 10)
        return SzeregujWzorcowo(wart, Up);
    std::size_t k = 0;
    while (k + 1 < PotegiDziesieciu.size() && PotegiDziesieciu[k + 1] <= wart)
        ++k;
    const double m = PotegiDziesieciu[k];
    const double w = wart / m;

    // The series values around w: SzeregE12[i - 1] <= w < SzeregE12[i]. The table rises, so
    // counting the entries not above w finds its place; counted in full, without a branch to
    // mispredict.
    std::size_t i = 0;
    for (double s : SzeregE12)
        i += s <= w ? 1u : 0u;
    const bool bliskoDolnej = i > 0 && w - SzeregE12[i - 1] <= SzeregE12[i - 1] * Odstep;
    const bool bliskoGornej = i < SzeregE12.size() && SzeregE12[i] - w <= SzeregE12[i] * Odstep;
    if (bliskoDolnej || bliskoGornej)
        return SzeregujWzorcowo(wart, Up);
    // Strictly inside a stretch: down takes its lower end, up its upper one; below 0.82 (and
    // for negative values) there is none.
    if (i == 0 || i == SzeregE12.size())
        return std::nullopt;
    return Up == 0 ? SzeregE12[i - 1] * m : SzeregE12[i] * m;
}

std::optional<double> SzeregujWzorcowo(double wart, int Up)
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
