#include "Skroc.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace ampelor {

namespace {

constexpr int kCyfryZnaczace = 7; // all that a single-precision value carries

// The digits of v rounded to seven significant digits and the decimal exponent of the first.
struct Cyfry {
    std::array<char, kCyfryZnaczace> cyfry;
    int wykladnik;
};

Cyfry naCyfry(float v)
{
    char tekst[32];
    const auto zapis = std::to_chars(std::begin(tekst), std::end(tekst), static_cast<double>(v),
                                     std::chars_format::scientific, kCyfryZnaczace - 1);
    // "d.dddddde+XX": the mantissa's digits, then the exponent after the 'e'.
    const std::string_view s(tekst, static_cast<std::size_t>(zapis.ptr - tekst));
    Cyfry c{};
    c.cyfry[0] = s[0];
    for (int i = 1; i < kCyfryZnaczace; ++i)
        c.cyfry[static_cast<std::size_t>(i)] = s[static_cast<std::size_t>(i) + 1];
    const std::size_t e = s.find('e');
    const char *poczatek = s.data() + e + 1;
    if (*poczatek == '+')
        ++poczatek;
    std::from_chars(poczatek, s.data() + s.size(), c.wykladnik);
    return c;
}

// Plain positional notation, no exponent, no trailing zeros, no 0 before the point.
std::string tekstLiczby(float v)
{
    std::string wynik(1, v < 0 ? '-' : ' ');
    if (!std::isfinite(v))
        return wynik + (std::isnan(v) ? "nan" : "inf");
    if (v == 0)
        return wynik + '0';

    const Cyfry c = naCyfry(std::fabs(v));
    std::string calkowite;
    std::string ulamek;
    for (int i = 0; i < kCyfryZnaczace; ++i)
        (i <= c.wykladnik ? calkowite : ulamek) += c.cyfry[static_cast<std::size_t>(i)];
    if (c.wykladnik >= kCyfryZnaczace)
        calkowite.append(static_cast<std::size_t>(c.wykladnik - kCyfryZnaczace + 1), '0');
    if (c.wykladnik < -1)
        ulamek.insert(0, static_cast<std::size_t>(-c.wykladnik - 1), '0');

    while (!ulamek.empty() && ulamek.back() == '0')
        ulamek.pop_back();
    wynik += calkowite;
    if (!ulamek.empty())
        wynik += '.' + ulamek;
    return wynik;
}

} // namespace

float Zredukuj(float x)
{
    if (!std::isfinite(x))
        return x;
    // The integer part stays a double rather than a 16-bit integer, so that values beyond
    // ±32767 are cut the same way instead of overflowing.
    const double a = std::floor(static_cast<double>(x));
    const auto f = static_cast<float>((static_cast<double>(x) - a) * 100);
    const double g = std::floor(static_cast<double>(f));
    return static_cast<float>(g / 100 + a);
}

std::string Skroc(float wart)
{
    static constexpr std::array<std::string_view, 3> jednostki{" Ohm", " kOhm", " MOhm"};
    float w = wart;
    std::size_t krok = 0; // how many times the value was divided by 1000
    while (w >= 1000 && std::isfinite(w)) {
        w /= 1000;
        ++krok;
    }
    // From 10^9 ohms up there is no unit to show, just the scaled number.
    const std::string_view jednostka = krok < jednostki.size() ? jednostki[krok] : "";
    return tekstLiczby(w).append(jednostka);
}

} // namespace ampelor
