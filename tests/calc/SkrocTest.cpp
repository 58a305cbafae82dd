#include "Skroc.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace ampelor {
namespace {

struct Tekst {
    float wart;
    std::string tekst;
};

void PrintTo(const Tekst &p, std::ostream *os)
{
    *os << p.wart;
}

class SkrocTabela : public testing::TestWithParam<Tekst> {};

TEST_P(SkrocTabela, writesScaledValueWithUnit)
{
    EXPECT_EQ(Skroc(GetParam().wart), GetParam().tekst);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, SkrocTabela,
    testing::Values(Tekst{560, " 560 Ohm"}, Tekst{240, " 240 Ohm"}, Tekst{0, " 0 Ohm"},
                    Tekst{1.5f, " 1.5 Ohm"}, Tekst{999.99f, " 999.99 Ohm"},
                    Tekst{1500, " 1.5 kOhm"}, Tekst{1800, " 1.8 kOhm"}, Tekst{4700, " 4.7 kOhm"},
                    Tekst{1000, " 1 kOhm"}, Tekst{1000000, " 1 MOhm"}, Tekst{2.2e6f, " 2.2 MOhm"},
                    // No zero before the point, and zeros after it only where they count.
                    Tekst{0.38f, " .38 Ohm"}, Tekst{0.05f, " .05 Ohm"}, Tekst{100.5f, " 100.5 Ohm"},
                    // Seven significant digits at most; the eighth rounds.
                    Tekst{123.456789f, " 123.4568 Ohm"}, Tekst{999.99994f, " 999.9999 Ohm"},
                    // No unit beyond megohms, and a minus sign instead of the space.
                    Tekst{4.7e9f, " 4.7"}, Tekst{-560, "-560 Ohm"}, Tekst{-1500, "-1500 Ohm"}));

TEST(Zredukuj, cutsToTwoDecimalsWithoutRoundingUp)
{
    EXPECT_EQ(Zredukuj(146.21466f), 146.21f);
    EXPECT_EQ(Zredukuj(0.3832374f), 0.38f);
    EXPECT_EQ(Zredukuj(1800), 1800.f);
    EXPECT_EQ(Zredukuj(2.999f), 2.99f);
    EXPECT_EQ(Zredukuj(0), 0.f);
    // Beyond a 16-bit integer part the same cut still applies.
    EXPECT_EQ(Zredukuj(40000.25f), 40000.25f);
    EXPECT_EQ(Zredukuj(40000.257f), 40000.25f);
}

struct Obciete {
    float wart;
    std::string tekst;
};

void PrintTo(const Obciete &p, std::ostream *os)
{
    *os << p.wart;
}

class ZredukujISkroc : public testing::TestWithParam<Obciete> {};

// The cut to two decimals comes before the scaling, so a kilohm value can show five decimals.
TEST_P(ZredukujISkroc, cutsBeforeScaling)
{
    EXPECT_EQ(Skroc(Zredukuj(GetParam().wart)), GetParam().tekst);
}

INSTANTIATE_TEST_SUITE_P(Przypadki, ZredukujISkroc,
                         testing::Values(Obciete{146.21466f, " 146.21 Ohm"},
                                         Obciete{0.3832374f, " .38 Ohm"},
                                         Obciete{1514.3129f, " 1.51431 kOhm"},
                                         Obciete{1800, " 1.8 kOhm"}));

} // namespace
} // namespace ampelor
