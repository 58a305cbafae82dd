#include "Kontrast.h"

#include <gtest/gtest.h>

#include <array>

using namespace ampelor::opis;

namespace {

constexpr Rgb Bialy{255, 255, 255};
constexpr Rgb Czarny{0, 0, 0};
constexpr Rgb JasnoSzary{0xF0, 0xF0, 0xF0};
constexpr Rgb CiemneTlo{0x35, 0x35, 0x35};

} // namespace

TEST(Kontrast, shouldMeasureAsTheAccessibilityGuidelinesDo)
{
    EXPECT_DOUBLE_EQ(luminancja(Bialy), 1.0);
    EXPECT_DOUBLE_EQ(luminancja(Czarny), 0.0);
    EXPECT_NEAR(kontrast(Czarny, Bialy), 21.0, 1e-9);
    EXPECT_DOUBLE_EQ(kontrast(JasnoSzary, CzystyNiebieski), kontrast(CzystyNiebieski, JasnoSzary));
    EXPECT_NEAR(kontrast(CzystyNiebieski, Rgb{0xEF, 0xEF, 0xEF}), 7.47, 0.01);
    EXPECT_NEAR(kontrast(Rgb{0x30, 0x8C, 0xC6}, JasnoSzary), 3.24, 0.01);
}

TEST(Kontrast, shouldKeepTheFirstReadableCandidateElseTakeTheBestOfThemBlackAndWhite)
{
    const std::array kandydaci{Rgb{0x30, 0x8C, 0xC6}, Rgb{0x20, 0x20, 0x20}};
    EXPECT_EQ(kolorTekstuNaTle(JasnoSzary, kandydaci), (Rgb{0x20, 0x20, 0x20}));

    const std::array nieczytelne{Rgb{0x30, 0x8C, 0xC6}, Rgb{0xE0, 0xE0, 0xE0}};
    EXPECT_EQ(pierwszyCzytelny(JasnoSzary, nieczytelne), std::nullopt);
    EXPECT_EQ(kolorTekstuNaTle(JasnoSzary, nieczytelne), Czarny);
    EXPECT_EQ(kolorTekstuNaTle(CiemneTlo, nieczytelne), Rgb({0xE0, 0xE0, 0xE0}));
}

TEST(Kontrast, shouldLightenPureBlueOnADarkBackgroundJustEnoughToRead)
{
    EXPECT_EQ(dociagnijDoKontrastu(CzystyNiebieski, JasnoSzary), CzystyNiebieski);

    const Rgb jasniejszy = dociagnijDoKontrastu(CzystyNiebieski, CiemneTlo);
    EXPECT_GE(kontrast(jasniejszy, CiemneTlo), MinimalnyKontrast);
    EXPECT_LT(kontrast(jasniejszy, CiemneTlo), MinimalnyKontrast + 0.2) << "no lighter than needed";
    EXPECT_GT(jasniejszy.b, jasniejszy.r) << "still a blue";
}
