#include "CzytajNapiecie.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace ampelor {

namespace {

bool jestCyfra(char z)
{
    return z >= '0' && z <= '9';
}

// Rounds to the nearest float without the undefined behaviour of casting an out-of-range
// double: halfway past FLT_MAX and beyond, the nearest single value is infinity.
float doPojedynczej(double d)
{
    constexpr double polowaZaMaksimum = 0x1.ffffffp127;
    constexpr float maksimum = std::numeric_limits<float>::max();
    if (std::fabs(d) <= static_cast<double>(maksimum))
        return static_cast<float>(d);
    const float wartosc =
        std::fabs(d) >= polowaZaMaksimum ? std::numeric_limits<float>::infinity() : maksimum;
    return d < 0 ? -wartosc : wartosc;
}

} // namespace

float CzytajNapiecie(std::string_view tekst)
{
    std::size_t i = tekst.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;

    bool ujemna = false;
    if (tekst[i] == '+' || tekst[i] == '-')
        ujemna = tekst[i++] == '-';

    // The number proper: digits with at most one point among them.
    std::string liczba = "0";
    bool bylaKropka = false;
    bool saCyfryCalkowite = false; // a nonzero digit before the point
    for (; i < tekst.size(); ++i) {
        const char z = tekst[i];
        if (z == '.' && !bylaKropka) {
            bylaKropka = true;
        } else if (jestCyfra(z)) {
            saCyfryCalkowite = saCyfryCalkowite || (!bylaKropka && z != '0');
        } else {
            break;
        }
        liczba += z;
    }

    double wartosc = 0;
    const auto odczyt = std::from_chars(liczba.data(), liczba.data() + liczba.size(), wartosc);
    if (odczyt.ec == std::errc::result_out_of_range) {
        // Hundreds of digits: either far too large for any range, or a vanishing fraction.
        wartosc = saCyfryCalkowite ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return doPojedynczej(ujemna ? -wartosc : wartosc);
}

} // namespace ampelor
