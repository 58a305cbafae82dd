#include "Wsad.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ampelor {
namespace {

TEST(Wsad, answersEachCaseOnAFreshWindow)
{
    std::string wyjscie;
    ASSERT_EQ(przetworzWiersz("1\t5\t15", wyjscie), BladWiersza::brak);
    // The adjustable result must not leak into the next case, nor its mode.
    ASSERT_EQ(przetworzWiersz("0\t\t", wyjscie), BladWiersza::brak);
    EXPECT_EQ(wyjscie, "5\t15\t 680 Ohm\t 1.8 kOhm\t 270 Ohm\t\n"
                       "0\t0\t-\t-\t-\tNapięcie powinno zawierać się w zakresie 1.25V do 30V.\n");
}

TEST(Wsad, takesTextsLongerThanTheBoxesAllow)
{
    std::string wyjscie;
    ASSERT_EQ(przetworzWiersz("0\t   12.000\tżółć gęślą", wyjscie), BladWiersza::brak);
    EXPECT_EQ(wyjscie, "   12.000\tżółć gęślą\t 1.5 kOhm\t 524.48 Ohm\t 240 Ohm\t\n");
}

struct ZlyWiersz {
    std::string wiersz;
    BladWiersza blad;
};

void PrintTo(const ZlyWiersz &p, std::ostream *os)
{
    *os << '"' << p.wiersz.substr(0, 16) << '"';
}

class WsadZlyWiersz : public testing::TestWithParam<ZlyWiersz> {};

TEST_P(WsadZlyWiersz, isRejectedWithoutAnswer)
{
    std::string wyjscie;
    EXPECT_EQ(przetworzWiersz(GetParam().wiersz, wyjscie), GetParam().blad);
    EXPECT_EQ(wyjscie, "");
    EXPECT_NE(opisBledu(GetParam().blad), "");
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, WsadZlyWiersz,
    testing::Values(
        ZlyWiersz{"", BladWiersza::liczbaPol}, ZlyWiersz{"0\t5", BladWiersza::liczbaPol},
        ZlyWiersz{"0\t5\t0\t", BladWiersza::liczbaPol}, ZlyWiersz{"2\t5\t0", BladWiersza::tryb},
        ZlyWiersz{"01\t5\t0", BladWiersza::tryb}, ZlyWiersz{"\t5\t0", BladWiersza::tryb},
        ZlyWiersz{"0\t" + std::string(4094, '5'), BladWiersza::liczbaPol},
        ZlyWiersz{"0\t" + std::string(4094, '5') + "\t", BladWiersza::zaDlugi}));

struct Poczatek {
    std::string wiersz;
    std::string poZdjeciu;
    BladWiersza blad;
};

void PrintTo(const Poczatek &p, std::ostream *os)
{
    *os << p.poZdjeciu;
}

class WsadZnacznikKolejnosci : public testing::TestWithParam<Poczatek> {};

TEST_P(WsadZnacznikKolejnosci, dropsUtf8MarkAndRefusesUtf16)
{
    std::string_view wiersz = GetParam().wiersz;
    EXPECT_EQ(zdejmijZnacznikKolejnosci(wiersz), GetParam().blad);
    EXPECT_EQ(wiersz, GetParam().poZdjeciu);
}

INSTANTIATE_TEST_SUITE_P(Przypadki, WsadZnacznikKolejnosci,
                         testing::Values(Poczatek{"\xEF\xBB\xBF"
                                                  "0\t5\t0",
                                                  "0\t5\t0", BladWiersza::brak},
                                         Poczatek{"0\t5\t0", "0\t5\t0", BladWiersza::brak},
                                         // Only one mark is dropped; a second is part of the mode.
                                         Poczatek{"\xEF\xBB\xBF\xEF\xBB\xBF"
                                                  "0",
                                                  "\xEF\xBB\xBF"
                                                  "0",
                                                  BladWiersza::brak},
                                         Poczatek{"\xEF\xBB", "\xEF\xBB", BladWiersza::brak},
                                         Poczatek{"\xFF\xFE"
                                                  "0",
                                                  "\xFF\xFE"
                                                  "0",
                                                  BladWiersza::utf16le},
                                         Poczatek{"\xFE\xFF", "\xFE\xFF", BladWiersza::utf16be}));

TEST(Wsad, acceptsALineOfExactlyTheLimit)
{
    std::string wyjscie;
    const std::string wiersz = "0\t" + std::string(4092, ' ') + "5\t";
    ASSERT_EQ(wiersz.size(), MaksDlugoscWiersza);
    EXPECT_EQ(przetworzWiersz(wiersz, wyjscie), BladWiersza::brak);
    EXPECT_NE(wyjscie.find(" 560 Ohm"), std::string::npos);
}

} // namespace
} // namespace ampelor
