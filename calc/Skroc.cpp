#include "Skroc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ampelor {

namespace {

constexpr int kCyfryZnaczace = 7; // all that a single-precision value carries

// The digits of v rounded to seven significant digits and the decimal exponent of the first.
struct Cyfry {
    std::array<char, kCyfryZnaczace> cyfry;
    int wykladnik;
};

// Through to_chars: any finite positive value.
Cyfry naCyfryWzorcowo(float v)
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

constexpr std::array<std::uint64_t, 13> PotegiDziesieciu{
    1,        10,        100,        1000,        10000,        100000,       1000000,
    10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000};

constexpr std::uint64_t MinSiedmiuCyfr = PotegiDziesieciu[kCyfryZnaczace - 1];
constexpr std::uint64_t MaksSiedmiuCyfr = PotegiDziesieciu[kCyfryZnaczace];

// "00" to "99", two characters each.
constexpr std::array<char, 200> ParyCyfr = [] {
    std::array<char, 200> pary{};
    for (std::size_t i = 0; i < 100; ++i) {
        pary[2 * i] = static_cast<char>('0' + i / 10);
        pary[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pary;
}();

// v * 10^s rounded to an integer, half to even, from v's exact binary value, as to_chars rounds.
// v = m * 2^e exactly, with m below 2^24, 0 <= s <= 12 and -63 <= e < 0: m * 10^s stays below
// 2^64 and the shift keeps the remainder, so the rounding is exact.
std::uint64_t zaokraglijIloczyn(std::uint32_t m, int e, int s)
{
    const std::uint64_t iloczyn = m * PotegiDziesieciu[static_cast<std::size_t>(s)];
    const auto przesuniecie = static_cast<unsigned>(-e);
    const std::uint64_t iloraz = iloczyn >> przesuniecie;
    const std::uint64_t reszta = iloczyn & ((std::uint64_t{1} << przesuniecie) - 1);
    const std::uint64_t polowa = std::uint64_t{1} << (przesuniecie - 1);
    return iloraz + (reszta > polowa || (reszta == polowa && (iloraz & 1) != 0) ? 1 : 0);
}

// The same digits with integer arithmetic, for the values a resistance text shows: from 10^-6
// up to 1000, where a single-precision value is m * 2^e with -63 <= e < 0. False for others.
bool naCyfrySzybko(float v, Cyfry &c)
{
    if (!(v >= 1e-6f && v < 1000))
        return false;
    const auto bity = std::bit_cast<std::uint32_t>(v);
    const std::uint32_t m = (bity & 0x7fffffu) | 0x800000u; // v is normal here
    const int e = static_cast<int>(bity >> 23) - 150;

    // A first guess of the scale that gives seven integer digits, put right below.
    int s = v >= 100 ? 4 : v >= 10 ? 5 : v >= 1 ? 6 : 7;
    for (float x = v * 10; s < 12 && x < 1; x *= 10)
        ++s;
    std::uint64_t n = zaokraglijIloczyn(m, e, s);
    while (n < MinSiedmiuCyfr && s < 12)
        n = zaokraglijIloczyn(m, e, ++s);
    while (n >= MaksSiedmiuCyfr && s > 0)
        n = zaokraglijIloczyn(m, e, --s);
    if (n < MinSiedmiuCyfr || n >= MaksSiedmiuCyfr)
        return false;

    // Seven digits: the first alone, then three pairs from a table, in 32 bits.
    const auto gora = static_cast<std::uint32_t>(n / 10000);
    const auto dol = static_cast<std::uint32_t>(n % 10000);
    c.cyfry[0] = static_cast<char>('0' + gora / 100);
    std::memcpy(&c.cyfry[1], &ParyCyfr[2 * (gora % 100)], 2);
    std::memcpy(&c.cyfry[3], &ParyCyfr[2 * (dol / 100)], 2);
    std::memcpy(&c.cyfry[5], &ParyCyfr[2 * (dol % 100)], 2);
    c.wykladnik = kCyfryZnaczace - 1 - s;
    return true;
}

// Plain positional notation, no exponent, no trailing zeros, no 0 before the point: the
// general way, from to_chars's digits.
std::string tekstLiczbyWzorcowo(float v)
{
    std::string wynik(1, v < 0 ? '-' : ' ');
    if (!std::isfinite(v))
        return wynik + (std::isnan(v) ? "nan" : "inf");
    if (v == 0)
        return wynik + '0';

    const Cyfry c = naCyfryWzorcowo(std::fabs(v));
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

// The same text from the integer digits, written into a buffer that holds the unit as well;
// returns the length written, or 0 for a value the integer digits do not take.
std::size_t tekstLiczby(float v, std::array<char, 32> &tekst)
{
    std::size_t n = 0;
    tekst[n++] = v < 0 ? '-' : ' ';
    if (v == 0) {
        tekst[n++] = '0';
        return n;
    }
    Cyfry c{};
    if (!naCyfrySzybko(std::fabs(v), c))
        return 0;

    const auto cyfra = [&](int i) { return c.cyfry[static_cast<std::size_t>(i)]; };
    int ostatnia = kCyfryZnaczace - 1; // the last digit worth showing
    while (ostatnia > c.wykladnik && cyfra(ostatnia) == '0')
        --ostatnia;
    if (c.wykladnik >= 0) { // below 1000, so at most three integer digits
        for (int i = 0; i <= c.wykladnik; ++i)
            tekst[n++] = cyfra(i);
        if (ostatnia > c.wykladnik)
            tekst[n++] = '.';
        for (int i = c.wykladnik + 1; i <= ostatnia; ++i)
            tekst[n++] = cyfra(i);
    } else {
        tekst[n++] = '.';
        for (int i = c.wykladnik + 1; i < 0; ++i)
            tekst[n++] = '0';
        for (int i = 0; i <= ostatnia; ++i)
            tekst[n++] = cyfra(i);
    }
    return n;
}

// The units, each with its leading space, by how many times a value was divided by 1000; none
// from 10^9 ohms up, just the scaled number. Padded to eight characters, so that the fast path
// copies a unit in one move.
struct Jednostka {
    std::array<char, 8> znaki;
    std::size_t dlugosc;
    std::string_view tekst() const { return {znaki.data(), dlugosc}; }
};
constexpr std::array<Jednostka, 4> Jednostki{
    {{{" Ohm"}, 4}, {{" kOhm"}, 5}, {{" MOhm"}, 5}, {{""}, 0}}};

const Jednostka &jednostka(std::size_t krok)
{
    return Jednostki[std::min(krok, Jednostki.size() - 1)];
}

// wart divided by 1000 until it is below 1000 (in single precision); returns how many times.
std::size_t skaluj(float wart, float &w)
{
    w = wart;
    std::size_t krok = 0;
    while (w >= 1000 && std::isfinite(w)) {
        w /= 1000;
        ++krok;
    }
    return krok;
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
    float w;
    const Jednostka &j = jednostka(skaluj(wart, w));
    std::array<char, 32> tekst;
    std::size_t n = tekstLiczby(w, tekst);
    if (n == 0)
        return tekstLiczbyWzorcowo(w).append(j.tekst());
    std::memcpy(tekst.data() + n, j.znaki.data(), j.znaki.size());
    return std::string(tekst.data(), n + j.dlugosc);
}

std::string SkrocWzorcowo(float wart)
{
    float w;
    const Jednostka &j = jednostka(skaluj(wart, w));
    return tekstLiczbyWzorcowo(w).append(j.tekst());
}

} // namespace ampelor
