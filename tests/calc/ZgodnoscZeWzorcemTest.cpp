// The fast paths of Skroc, CzytajNapiecie and Szereguj give, bit for bit and character for
// character, what their general references give: over a large fixed sample here, heavy on the
// awkward values; over every value in range in the sprawdz_wszystkie tool.

#include "ZgodnoscZeWzorcem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace ampelor::zgodnosc {
namespace {

void oczekujZgodnosci(const Wynik &w)
{
    EXPECT_GT(w.sprawdzone, 0u);
    EXPECT_EQ(w.rozne, 0u) << "of " << w.sprawdzone << ", e.g.\n" << w.przyklady;
}

// Every float within `ile` steps of v, on both sides.
Wynik skrocWokol(float v, std::uint32_t ile)
{
    return skrocBity(bity(v) - ile, bity(v) + ile);
}

TEST(ZgodnoscSkroc, aroundPowersOfTenAndTheUnitSteps)
{
    Wynik w;
    // Where the number of integer digits changes, where the fast path's range ends, and where
    // a value is divided by 1000 once more.
    for (float v : {1e-6f, 1e-5f, 1e-4f, 1e-3f, 0.01f, 0.1f, 1.f, 10.f, 100.f, 1000.f, 1e4f, 1e5f,
                    1e6f, 1e7f, 1e9f})
        w.dodaj(skrocWokol(v, 20000));
    oczekujZgodnosci(w);
}

TEST(ZgodnoscSkroc, valuesHalfwayBetweenTwoSevenDigitTexts)
{
    // n/128 and n/1024 have exact decimal expansions: many of them end in a 5 just past the
    // seventh digit, where rounding half to even decides.
    Wynik w;
    for (int n = 1; n < 128000; ++n)
        skroc(static_cast<float>(n) / 128, w);
    for (int n = 1; n < 1024000; n += 7)
        skroc(static_cast<float>(n) / 1024, w);
    oczekujZgodnosci(w);
}

TEST(ZgodnoscSkroc, floatsAcrossTheWholeRangeAndPotentiometerValues)
{
    Wynik w;
    w.dodaj(skrocBity(0, bity(INFINITY) + 1, 4099)); // zero to infinity, every 4099th float
    // What the command shows for Pr: values cut to two decimals, below 6 kilohms.
    for (int setne = 0; setne < 600000; ++setne)
        skroc(Zredukuj(static_cast<float>(setne) / 100 + 0.004f), w);
    oczekujZgodnosci(w);
}

TEST(ZgodnoscCzytajNapiecie, everyShortTextOfDigitsPointsSignsAndStops)
{
    // All texts of up to five characters that fit a voltage box or overflow it by one.
    oczekujZgodnosci(czytajWszystkie("0159.-+ ,V", 5));
}

TEST(ZgodnoscCzytajNapiecie, longNumbersAroundTheFastPathsLimits)
{
    Wynik w;
    // Up to 15 digits the fast path reads the number itself, from 16 on it hands over.
    for (const char *tekst :
         {"999999999999999", "9999999999999999", "99999999999999.9", "9999999999999.99",
          "0.00000000000001", "0.000000000000001", "1.00000000000001", "9007199254740993",
          "4.999999999999999999999", "30.000001", "1.2499999999", "0000000000000012.5",
          "12.50000000000000", "00000000000000.5", ".000000000000005"})
        czytaj(tekst, w);
    std::mt19937_64 los(317);
    std::uniform_int_distribution<int> cyfra(0, 9);
    for (int i = 0; i < 200000; ++i) {
        std::string tekst;
        const int dlugosc = 1 + i % 26;
        const int kropka = static_cast<int>(los() % static_cast<unsigned>(dlugosc + 1));
        for (int j = 0; j < dlugosc; ++j) {
            if (j == kropka)
                tekst += '.';
            tekst += static_cast<char>('0' + cyfra(los));
        }
        czytaj(tekst, w);
    }
    oczekujZgodnosci(w);
}

TEST(ZgodnoscSzereguj, rightAroundEverySeriesValue)
{
    oczekujZgodnosci(szeregujPrzySzeregu(64));
}

// A voltage typed with three decimals, as the command reads it.
float wpisane(int tysieczne)
{
    return CzytajNapiecie(std::to_string(tysieczne / 1000) + "." +
                          std::to_string(1000 + tysieczne % 1000).substr(1));
}

TEST(ZgodnoscSzereguj, idealValuesOfBothDesignsOverTypedVoltages)
{
    Wynik w;
    for (int uo = 1250; uo <= 30000; ++uo)
        szeregujJednonapieciowy(wpisane(uo), w);
    for (int uo = 1250; uo <= 30000; uo += 70)
        for (int uomax = uo; uomax <= 30000; uomax += 30)
            szeregujRegulowany(wpisane(uo), wpisane(uomax), w);
    oczekujZgodnosci(w);
}

TEST(ZgodnoscSzereguj, valuesFromTinyToHuge)
{
    Wynik w;
    for (double x = 1e-300; x < 1e300; x *= 1.01)
        szereguj(x, w);
    for (double x : {0.0, -0.0, -4700.0, -1e30, 1e22, 9.999999999999999e22, 1e23, 1e300})
        szereguj(x, w);
    oczekujZgodnosci(w);
}

} // namespace
} // namespace ampelor::zgodnosc
