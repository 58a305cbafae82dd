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

// w scaled below 10 by repeated double division, and the power of ten divided out.
struct Dekada {
    double w;
    double m; // a power of ten, exact in a double far beyond any resistance
};

Dekada doDekady(double w)
{
    double m = 1;
    while (w >= 10) {
        w /= 10;
        m *= 10;
    }
    return {w, m};
}

// The entry pair that brackets w: rounding down takes the lower entry of the pair with
// lower <= w < upper, rounding up the upper entry of the pair with lower < w <= upper. The
// table rises strictly, so the first pair whose upper end w does not pass is the only one that
// can match.
std::optional<double> wybierz(Dekada d, int Up)
{
    for (std::size_t i = 0; i + 1 < SzeregE12.size(); ++i) {
        const double dol = SzeregE12[i];
        const double gora = SzeregE12[i + 1];
        if (Up == 0 ? d.w < gora : d.w <= gora) {
            if (Up == 0 ? dol <= d.w : dol < d.w)
                return Up == 0 ? dol * d.m : gora * d.m;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

constexpr std::array<double, 23> PotegiDziesieciu{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The same scaling with one division by the exact power of ten, for values up to 10^23; the
// quotient may differ from the repeated division's in its last bit.
Dekada doDekadyJednymDzieleniem(double w)
{
    std::size_t k = 0;
    while (k + 1 < PotegiDziesieciu.size() && w >= PotegiDziesieciu[k + 1])
        ++k;
    return {w / PotegiDziesieciu[k], PotegiDziesieciu[k]};
}

// Whether the scaled value lies so near a series value (1 and 10 among them, the edges of the
// decade) that the 15-digit cut, or the last bit of the scaling, could land it elsewhere. The
// nearest series values are the two around it.
bool bliskoSzeregu(double w)
{
    constexpr double Odstep = 1e-9; // relative, far wider than any of the rounding errors
    std::size_t i = 0;
    while (i < SzeregE12.size() && SzeregE12[i] <= w)
        ++i;
    return (i > 0 && w - SzeregE12[i - 1] <= SzeregE12[i - 1] * Odstep) ||
           (i < SzeregE12.size() && SzeregE12[i] - w <= SzeregE12[i] * Odstep);
}

} // namespace

// The cut to 15 digits moves a value by about 5e-15 of itself at most (a value below the normal
// range stays far below every series value), and the scaling below 10 adds less than 3e-15 (up
// to 22 divisions by ten, each rounding by 1.1e-16, or the one division by the exact power). So
// when the value scaled without the cut lies further than 1e-9 of itself from the series values
// around it, the cut value, scaled by repeated division, falls into the same stretch with the
// same power of ten (another power would put both near 1 or 10), and the result is the same:
// the costly round trip through text is needed only near a series value.
std::optional<double> Szereguj(double wart, int Up)
{
    if (!std::isfinite(wart) || wart >= 1e23)
        return SzeregujWzorcowo(wart, Up);
    const Dekada bezCiecia = doDekadyJednymDzieleniem(wart);
    if (!bliskoSzeregu(bezCiecia.w))
        return wybierz(bezCiecia, Up);
    return SzeregujWzorcowo(wart, Up);
}

std::optional<double> SzeregujWzorcowo(double wart, int Up)
{
    if (!std::isfinite(wart))
        return std::nullopt;
    return wybierz(doDekady(doPietnastuCyfr(wart)), Up);
}

} // namespace ampelor
