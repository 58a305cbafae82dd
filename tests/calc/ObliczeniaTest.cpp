#include "Obliczenia.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <string>
#include <vector>

namespace ampelor {
namespace {

// A window of five strings that records every message box, together with what the boxes
// showed while it was open.
class FakeOkno : public OknoObliczen {
  public:
    struct Komunikat {
        std::string tekst;
        std::string tytul;
        std::array<std::string, 5> polaWTrakcie;
    };

    std::string tekst(Pole pole) const override { return pola[indeks(pole)]; }
    void ustawTekst(Pole pole, std::string_view tekst) override { pola[indeks(pole)] = tekst; }
    void pokazBlad(std::string_view tekst, std::string_view tytul) override
    {
        komunikaty.push_back({std::string(tekst), std::string(tytul), pola});
    }

    std::array<std::string, 5> pola{"0", "0", "-", "-", "-"};
    std::vector<Komunikat> komunikaty;

  private:
    static std::size_t indeks(Pole pole) { return static_cast<std::size_t>(pole); }
};

class Oblicz : public testing::Test {
  protected:
    void wpisz(Tryb_t tryb, std::string uo, std::string uomax = "0")
    {
        stan.Tryb = tryb;
        okno.ustawTekst(Pole::txUo, uo);
        okno.ustawTekst(Pole::txUomax, uomax);
        plcOblicz_Click(stan, okno);
    }

    std::array<std::string, 3> wyniki() const
    {
        return {okno.tekst(Pole::txR1), okno.tekst(Pole::txPr), okno.tekst(Pole::txR2)};
    }

    void oczekujWyczyszczonegoOkna() const
    {
        EXPECT_EQ(okno.pola, (std::array<std::string, 5>{"0", "0", "-", "-", "-"}));
        EXPECT_EQ(stan.Uo, 0.f);
        EXPECT_EQ(stan.Uomax, 0.f);
        EXPECT_EQ(stan.R1, 0.f);
        EXPECT_EQ(stan.Pr, 0.f);
        EXPECT_EQ(stan.R2, 0.f);
    }

    StanObliczen stan;
    FakeOkno okno;
};

struct Projekt {
    Tryb_t tryb;
    std::string uo;
    std::string uomax;
    std::array<std::string, 3> wyniki;
};

void PrintTo(const Projekt &p, std::ostream *os)
{
    *os << p.tryb << " \"" << p.uo << "\" \"" << p.uomax << '"';
}

class ObliczTabela : public Oblicz, public testing::WithParamInterface<Projekt> {};

TEST_P(ObliczTabela, showsR1PrAndR2)
{
    const auto &p = GetParam();
    wpisz(p.tryb, p.uo, p.uomax);
    EXPECT_EQ(wyniki(), p.wyniki) << p.uo << " / " << p.uomax;
    EXPECT_TRUE(okno.komunikaty.empty());
    // The typed voltages stay as the user typed them.
    EXPECT_EQ(okno.tekst(Pole::txUo), p.uo);
    EXPECT_EQ(okno.tekst(Pole::txUomax), p.uomax);
}

INSTANTIATE_TEST_SUITE_P(
    Jednonapieciowy, ObliczTabela,
    testing::Values(Projekt{TrybJedno, "5", "0", {" 560 Ohm", " 146.21 Ohm", " 240 Ohm"}},
                    Projekt{TrybJedno, "12", "0", {" 1.5 kOhm", " 524.48 Ohm", " 240 Ohm"}},
                    Projekt{TrybJedno, "3.3", "0", {" 270 Ohm", " 116.06 Ohm", " 240 Ohm"}},
                    Projekt{TrybJedno, "9", "0", {" 1.2 kOhm", " 259.51 Ohm", " 240 Ohm"}},
                    Projekt{TrybJedno, "24", "0", {" 3.3 kOhm", " 984.36 Ohm", " 240 Ohm"}},
                    Projekt{TrybJedno, "30", "0", {" 3.9 kOhm", " 1.51431 kOhm", " 240 Ohm"}},
                    Projekt{TrybJedno, "1.25", "0", {" 0 Ohm", " 0 Ohm", " 240 Ohm"}},
                    Projekt{TrybJedno, "1.26", "0", {" 1.5 Ohm", " .38 Ohm", " 240 Ohm"}},
                    // The second box is read but neither checked nor used in this design.
                    Projekt{TrybJedno, "5V", "abc", {" 560 Ohm", " 146.21 Ohm", " 240 Ohm"}}));

INSTANTIATE_TEST_SUITE_P(
    Regulowany, ObliczTabela,
    testing::Values(Projekt{TrybWielo, "5", "15", {" 680 Ohm", " 1.8 kOhm", " 270 Ohm"}},
                    Projekt{TrybWielo, "3", "12", {" 270 Ohm", " 1.5 kOhm", " 220 Ohm"}},
                    Projekt{TrybWielo, "1.25", "30", {" 0 Ohm", " 4.7 kOhm", " 220 Ohm"}}));

TEST_F(Oblicz, keepsResultFieldsInSinglePrecision)
{
    wpisz(TrybJedno, "5");
    EXPECT_EQ(stan.Uo, 5.f);
    EXPECT_EQ(stan.Rsuma, static_cast<float>(3.75 / 5.31));
    EXPECT_EQ(stan.R1, 560.f);
    EXPECT_EQ(stan.Pr, static_cast<float>(static_cast<double>(stan.Rsuma) * 1000 - 560));
    EXPECT_EQ(stan.R2, 240.f);
}

struct ZlyWpis {
    Tryb_t tryb;
    std::string uo;
    std::string uomax;
    std::string_view komunikat;
};

void PrintTo(const ZlyWpis &p, std::ostream *os)
{
    *os << p.tryb << " \"" << p.uo.substr(0, 12) << "\" \"" << p.uomax << '"';
}

class ObliczBlad : public Oblicz, public testing::WithParamInterface<ZlyWpis> {};

TEST_P(ObliczBlad, showsErrorThenClearsWindowButKeepsModeAndRsuma)
{
    const auto &p = GetParam();
    wpisz(TrybJedno, "12"); // a previous result that the error must not leave on screen
    const float rsuma = stan.Rsuma;

    wpisz(p.tryb, p.uo, p.uomax);

    ASSERT_EQ(okno.komunikaty.size(), 1u);
    EXPECT_EQ(okno.komunikaty[0].tekst, p.komunikat);
    EXPECT_EQ(okno.komunikaty[0].tytul, "Błąd!");
    // The window is cleared only after the message box has been closed.
    EXPECT_EQ(okno.komunikaty[0].polaWTrakcie[0], p.uo);
    oczekujWyczyszczonegoOkna();
    EXPECT_EQ(stan.Tryb, p.tryb);
    EXPECT_EQ(stan.Rsuma, rsuma);
}

INSTANTIATE_TEST_SUITE_P(PozaZakresem, ObliczBlad,
                         testing::Values(ZlyWpis{TrybJedno, "0", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, "31", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, "1.24", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, "30.1", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, "abc", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, "", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, "-5", "0", BladZakresu},
                                         ZlyWpis{TrybJedno, std::string(50, '9'), "0", BladZakresu},
                                         ZlyWpis{TrybWielo, "0", "0", BladZakresu},
                                         ZlyWpis{TrybWielo, "2", "0", BladZakresu},
                                         ZlyWpis{TrybWielo, "2", "31", BladZakresu},
                                         ZlyWpis{TrybWielo, "31", "5", BladZakresu}));

// A maximum not above the minimum has no design; it is answered like a range error instead of
// dividing by zero.
INSTANTIATE_TEST_SUITE_P(MaksimumNiePowyzejMinimum, ObliczBlad,
                         testing::Values(ZlyWpis{TrybWielo, "12", "5", BladKolejnosci},
                                         ZlyWpis{TrybWielo, "5", "5", BladKolejnosci},
                                         ZlyWpis{TrybWielo, "5", "5.00", BladKolejnosci},
                                         ZlyWpis{TrybWielo, "5.001", "5", BladKolejnosci}));

// A maximum above the minimum, but by less than the smallest potentiometer spans, is told
// apart from a reversed range.
INSTANTIATE_TEST_SUITE_P(ZbytWaskiZakres, ObliczBlad,
                         testing::Values(ZlyWpis{TrybWielo, "5", "5.001", BladWaskiegoZakresu},
                                         ZlyWpis{TrybWielo, "5", "5.0045", BladWaskiegoZakresu},
                                         ZlyWpis{TrybWielo, "29.999", "30", BladWaskiegoZakresu}));

TEST_F(Oblicz, smallestSpanWithAPotentiometerStillGivesADesign)
{
    // 0.005 V over 5.5 mA is 0.909 ohm: just enough for the 0.82 ohm potentiometer.
    wpisz(TrybWielo, "5", "5.005");
    EXPECT_TRUE(okno.komunikaty.empty());
    EXPECT_EQ(okno.tekst(Pole::txPr), " .82 Ohm");
    EXPECT_NE(okno.tekst(Pole::txR2), "-");
}

TEST(Zeruj, clearsBoxesAndFieldsButKeepsModeAndRsuma)
{
    FakeOkno okno;
    okno.pola = {"5", "15", " 680 Ohm", " 1.8 kOhm", " 270 Ohm"};
    StanObliczen stan{TrybWielo, 5, 15, 680, 1800, 270, 0.7f};

    zeruj(stan, okno);

    EXPECT_EQ(okno.pola, (std::array<std::string, 5>{"0", "0", "-", "-", "-"}));
    EXPECT_EQ(stan.Tryb, TrybWielo);
    EXPECT_EQ(stan.Rsuma, 0.7f);
    EXPECT_EQ(stan.Uo + stan.Uomax + stan.R1 + stan.Pr + stan.R2, 0.f);
}

} // namespace
} // namespace ampelor
