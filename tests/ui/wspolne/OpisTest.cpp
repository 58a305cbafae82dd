// The window descriptions that every toolkit builds from: laid out so that each control fits
// its container, each label comes right before the box it names, and Tab goes as designed.

#include "fAboutOpis.h"
#include "pLM317Opis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace ampelor::opis;

namespace {

struct Okno {
    std::string nazwa;
    Prostokat obszar;
    std::span<const Kontrolka> kontrolki;
};

std::vector<Okno> okna()
{
    return {{"pLM317", ampelor::opisPLM317::ObszarRoboczy, ampelor::opisPLM317::Kontrolki},
            {"fAbout", ampelor::opisFAbout::ObszarRoboczy, ampelor::opisFAbout::Kontrolki}};
}

bool miesciSie(const Prostokat &w, const Prostokat &obszar)
{
    return w.lewo >= 0 && w.gora >= 0 && w.prawo() <= obszar.szerokosc &&
           w.dol() <= obszar.wysokosc;
}

bool bierzeFokus(const Kontrolka &k)
{
    return k.rodzaj == Rodzaj::PoleTekstowe || k.rodzaj == Rodzaj::Przycisk;
}

} // namespace

TEST(OpisOkien, shouldPlaceEveryControlInsideItsContainerAfterIt)
{
    for (const Okno &okno : okna()) {
        std::set<std::string_view> wczesniejsze;
        for (const Kontrolka &k : okno.kontrolki) {
            SCOPED_TRACE(okno.nazwa + "." + std::string(k.nazwa));
            EXPECT_TRUE(wczesniejsze.insert(k.nazwa).second) << "name used twice";
            if (k.rodzic.empty()) {
                EXPECT_TRUE(miesciSie(k.miejsce, okno.obszar));
                continue;
            }
            const Kontrolka *ramka = znajdz(okno.kontrolki, k.rodzic);
            ASSERT_NE(ramka, nullptr);
            EXPECT_EQ(ramka->rodzaj, Rodzaj::Ramka);
            EXPECT_TRUE(wczesniejsze.contains(k.rodzic)) << "listed before its frame";
            EXPECT_TRUE(miesciSie(k.miejsce, ramka->miejsce));
        }
    }
}

// Screen readers name a box after the label just before it, and dialog navigation's access
// keys move from a label to the control that follows it.
TEST(OpisOkien, shouldPutEachVoltageAndResultLabelRightBeforeItsBox)
{
    const auto &k = ampelor::opisPLM317::Kontrolki;
    const std::vector<std::pair<std::string_view, std::string_view>> pary{
        {"lblUout", "txUo"}, {"lblUomax", "txUomax"}, {"lblR1", "txR1"},
        {"lblPr", "txPr"},   {"lblR2", "txR2"}};
    for (const auto &[etykieta, pole] : pary) {
        const Kontrolka *box = znajdz(k, pole);
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box, k.data());
        EXPECT_EQ((box - 1)->nazwa, etykieta);
        EXPECT_EQ((box - 1)->rodzic, box->rodzic);
    }
}

TEST(OpisOkien, shouldTabFromTheVoltagesToTheButtonThenToTheResults)
{
    std::vector<std::string_view> kolejnosc;
    for (const Kontrolka &k : ampelor::opisPLM317::Kontrolki)
        if (bierzeFokus(k))
            kolejnosc.push_back(k.nazwa);
    EXPECT_EQ(kolejnosc, (std::vector<std::string_view>{"txUo", "txUomax", "plcOblicz", "txR1",
                                                         "txPr", "txR2"}));

    std::vector<std::string_view> oProgramie;
    for (const Kontrolka &k : ampelor::opisFAbout::Kontrolki)
        if (bierzeFokus(k))
            oProgramie.push_back(k.nazwa);
    EXPECT_EQ(oProgramie, std::vector<std::string_view>{"plcCloseAbout"});
}

TEST(OpisOkien, shouldStartInTheSingleVoltageDesign)
{
    namespace g = ampelor::opisPLM317;
    const auto &start = g::stanTrybu(ampelor::TrybJedno);
    EXPECT_EQ(znajdz(g::Kontrolki, "lblUout")->tekst, start.lblUout);
    EXPECT_EQ(znajdz(g::Kontrolki, "txUo")->podpowiedz, start.podpowiedzUo);
    for (std::string_view nazwa : g::DrugiWiersz)
        EXPECT_EQ(znajdz(g::Kontrolki, nazwa)->widoczna, start.drugiWiersz) << nazwa;
    EXPECT_EQ(&g::stanTrybu(ampelor::TrybWielo), &g::Stany[1]);
    EXPECT_EQ(&g::stanTrybu(7), &g::Stany[0]) << "only 1 selects the adjustable design";
}

TEST(OpisOkien, shouldNestEveryMenuEntryInAMenuWithDistinctAccelerators)
{
    std::set<char> klawisze;
    std::set<std::uint16_t> polecenia;
    for (const PozycjaMenu &p : ampelor::opisPLM317::Menu) {
        SCOPED_TRACE(std::string(p.nazwa));
        if (!p.rodzic.empty()) {
            const auto rodzic = std::ranges::find(ampelor::opisPLM317::Menu, p.rodzic,
                                                  &PozycjaMenu::nazwa);
            ASSERT_NE(rodzic, ampelor::opisPLM317::Menu.end());
            EXPECT_EQ(rodzic->rodzaj, RodzajPozycji::Menu);
        }
        if (p.rodzaj != RodzajPozycji::Polecenie)
            continue;
        EXPECT_TRUE(klawisze.insert(p.klawiszCtrl).second);
        EXPECT_NE(p.polecenie, 0);
        EXPECT_TRUE(polecenia.insert(p.polecenie).second);
    }
}

TEST(OpisOkien, shouldShowTheWebAddressWithoutTheSlashItsCommandLineEndsWith)
{
    namespace a = ampelor::opisFAbout;
    const std::string_view etykieta = znajdz(a::Kontrolki, "Label4")->tekst;
    ASSERT_TRUE(etykieta.starts_with("www: http"));
    EXPECT_FALSE(etykieta.ends_with("/"));
    EXPECT_EQ(a::Label4_Click.wierszPolecen,
              "iexplore.exe " + std::string(etykieta.substr(5)) + "/");
    EXPECT_EQ(a::Label5_Click.wierszPolecen,
              "iexplore.exe mailto:" +
                  std::string(znajdz(a::Kontrolki, "Label5")->tekst.substr(8)));
    EXPECT_EQ(a::Label4_Click.styl, ampelor::StylOkna::Normalny);
    EXPECT_EQ(a::Label5_Click.styl, ampelor::StylOkna::Ukryty);
}

// A caption spelt out letter by letter is spoken by its word: the same letters, no more.
TEST(OpisOkien, shouldSpeakAControlByTheWordItsCaptionSpellsOut)
{
    for (const Okno &okno : okna())
        for (const Kontrolka &k : okno.kontrolki) {
            if (k.nazwaDostepna.empty())
                continue;
            SCOPED_TRACE(okno.nazwa + "." + std::string(k.nazwa));
            std::string litery(k.tekst);
            std::erase_if(litery, [](char z) { return z == '&' || z == ' '; });
            EXPECT_EQ(litery, k.nazwaDostepna);
        }
    EXPECT_EQ(znajdz(ampelor::opisPLM317::Kontrolki, "plcOblicz")->nazwaDostepna, "Oblicz");
}
