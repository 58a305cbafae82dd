#include "Szereguj.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ampelor {
namespace {

// Callers store the result in a single-precision field, so that is how it is compared.
std::optional<float> jakZapisane(double wart, int Up)
{
    const auto wynik = Szereguj(wart, Up);
    return wynik ? std::optional<float>(static_cast<float>(*wynik)) : std::nullopt;
}

struct Przypadek {
    double wart;
    int Up;
    std::optional<float> wynik;
};

void PrintTo(const Przypadek &p, std::ostream *os)
{
    *os << p.wart << (p.Up == 0 ? " down" : " up");
}

class SzeregujTabela : public testing::TestWithParam<Przypadek> {};

TEST_P(SzeregujTabela, roundsToTheSeriesInTheAskedDirection)
{
    const auto &p = GetParam();
    EXPECT_EQ(jakZapisane(p.wart, p.Up), p.wynik) << "wart=" << p.wart << " Up=" << p.Up;
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, SzeregujTabela,
    testing::Values(
        // Down takes the value at or below, up the value at or above.
        Przypadek{600.28, 0, 560.f}, Przypadek{225, 1, 270.f}, Przypadek{1818.18, 0, 1800.f},
        Przypadek{681.82, 0, 680.f}, Przypadek{220.5, 0, 220.f}, Przypadek{220.5, 1, 270.f},
        // A value already in the series comes back unchanged either way.
        Przypadek{4700, 0, 4700.f}, Przypadek{4700, 1, 4700.f}, Przypadek{10, 0, 10.f},
        Przypadek{10, 1, 10.f}, Przypadek{1, 0, 1.f}, Przypadek{1, 1, 1.f},
        // Between 8.2 and 10 of a decade.
        Przypadek{9.9, 0, 8.2f}, Przypadek{9.9, 1, 10.f}, Przypadek{99000, 0, 82000.f},
        Przypadek{99000, 1, 100000.f},
        // Below 1 ohm there is no scaling, only the 0.82 neighbour.
        Przypadek{0.9, 0, 0.82f}, Przypadek{0.9, 1, 1.f}, Przypadek{0.82, 0, 0.82f},
        // Any nonzero Up rounds up.
        Przypadek{225, 7, 270.f}, Przypadek{225, -1, 270.f},
        // Large values: the multiplier grows far past 16 bits.
        Przypadek{1000000, 0, 1000000.f}, Przypadek{5.3e9, 0, 4.7e9f},
        // Binary noise is cut at 15 significant digits before comparing.
        Przypadek{4699.9999999999991, 0, 4700.f}, Przypadek{4700.0000000000009, 1, 4700.f},
        // Nothing fits.
        Przypadek{0.5, 0, std::nullopt}, Przypadek{0.5, 1, std::nullopt},
        Przypadek{0.82, 1, std::nullopt}, Przypadek{0, 0, std::nullopt},
        Przypadek{0, 1, std::nullopt}, Przypadek{-470, 0, std::nullopt},
        Przypadek{-470, 1, std::nullopt}, Przypadek{INFINITY, 0, std::nullopt},
        Przypadek{NAN, 1, std::nullopt}));

TEST(Szereguj, productOfTableAndDecadeIsFormedInDoublePrecision)
{
    // 2.2 * 100 lands just above 220; only the caller's single-precision store makes it 220.
    const auto wynik = Szereguj(225, 0);
    ASSERT_TRUE(wynik.has_value());
    EXPECT_GT(*wynik, 220.0);
    EXPECT_EQ(static_cast<float>(*wynik), 220.f);
}

// Every ideal value from 1 ohm to 10 megohms lands on the series and between its two
// neighbours: down at or below the value, up at or above it, and never further than the next
// series step.
TEST(Szereguj, bracketsEveryValueBetweenNeighbouringSeriesValues)
{
    for (double wart = 1; wart < 1e7; wart *= 1.0137) {
        const auto dol = Szereguj(wart, 0);
        const auto gora = Szereguj(wart, 1);
        ASSERT_TRUE(dol && gora) << wart;
        EXPECT_LE(*dol, wart * (1 + 1e-12)) << wart;
        EXPECT_GE(*gora, wart * (1 - 1e-12)) << wart;
        EXPECT_LE(*gora / *dol, 1.25 + 1e-12) << wart; // the widest E12 step, 1.2 to 1.5
        const double mantysa = *dol / std::pow(10, std::floor(std::log10(*dol) + 1e-9));
        EXPECT_TRUE(std::any_of(SzeregE12.begin(), SzeregE12.end(), [&](double s) {
            return std::fabs(s - mantysa) < 1e-9;
        })) << wart;
    }
}

} // namespace
} // namespace ampelor
