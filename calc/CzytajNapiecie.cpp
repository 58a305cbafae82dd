#include "CzytajNapiecie.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// The number proper, from tekst[i] on: digits with at most one point among them. Moves i past
// it and gathers what the fast reading needs: the digits as one integer (while there are few
// enough of them), how many there are and how many follow the point.
struct Liczba {
    std::string_view tekst;
    std::uint64_t cyfry = 0;
    std::size_t ileCyfr = 0;
    std::size_t poKropce = 0;
};

Liczba liczbaOd(std::string_view tekst, std::size_t &i)
{
    Liczba l;
    const std::size_t poczatek = i;
    bool bylaKropka = false;
    for (; i < tekst.size(); ++i) {
        const char z = tekst[i];
        if (jestCyfra(z)) {
            l.cyfry = l.cyfry * 10 + static_cast<std::uint64_t>(z - '0'); // wraps when unused
            ++l.ileCyfr;
            l.poKropce += bylaKropka ? 1 : 0;
        } else if (z == '.' && !bylaKropka) {
            bylaKropka = true;
        } else {
            break;
        }
    }
    l.tekst = tekst.substr(poczatek, i - poczatek);
    return l;
}

// The general way: from_chars, correctly rounded for any number of digits.
double wartoscWzorcowo(std::string_view liczba)
{
    const std::string tekst = "0" + std::string(liczba); // "0.5" for ".5", "0" for "."
    double wartosc = 0;
    const auto odczyt = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (odczyt.ec == std::errc::result_out_of_range) {
        // Hundreds of digits: either far too large for any range, or a vanishing fraction.
        const std::string_view calkowite = liczba.substr(0, liczba.find('.'));
        const bool saCyfryCalkowite = calkowite.find_first_not_of('0') != std::string_view::npos;
        wartosc = saCyfryCalkowite ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return wartosc;
}

// Up to 10^15, every power of ten is an exact double.
constexpr std::array<double, 16> PotegiDziesieciu{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The same value for the texts people type: with at most 15 digits, the integer they make
// without the point is below 10^15 < 2^53, and so both it and the power of ten that the point
// stands for are exact doubles; their quotient, rounded once, is the correctly rounded value
// that from_chars gives. False for longer numbers.
bool wartoscSzybko(const Liczba &l, double &wartosc)
{
    if (l.ileCyfr >= PotegiDziesieciu.size())
        return false;
    wartosc = static_cast<double>(l.cyfry) / PotegiDziesieciu[l.poKropce];
    return true;
}

float czytaj(std::string_view tekst, bool szybko)
{
    std::size_t i = 0;
    while (i < tekst.size() && (tekst[i] == ' ' || tekst[i] == '\t'))
        ++i;
    if (i == tekst.size())
        return 0;

    bool ujemna = false;
    if (tekst[i] == '+' || tekst[i] == '-')
        ujemna = tekst[i++] == '-';

    const Liczba liczba = liczbaOd(tekst, i);
    double wartosc;
    if (!szybko || !wartoscSzybko(liczba, wartosc))
        wartosc = wartoscWzorcowo(liczba.tekst);
    return doPojedynczej(ujemna ? -wartosc : wartosc);
}

} // namespace

float CzytajNapiecie(std::string_view tekst)
{
    return czytaj(tekst, true);
}

float CzytajNapiecieWzorcowo(std::string_view tekst)
{
    return czytaj(tekst, false);
}

} // namespace ampelor
