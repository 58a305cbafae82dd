#include "Obliczenia.h"

#include "CzytajNapiecie.h"
#include "Skroc.h"
#include "Szereguj.h"

namespace ampelor {

namespace {

constexpr float UMin = 1.25f;
constexpr float UMax = 30.f;
constexpr double UOdniesienia = 1.25; // the regulator's reference between OUT and ADJ
constexpr double PradWielo = 5.5;     // design current in mA, adjustable design
constexpr double PradJedno = 5.31;    // design current in mA, single-voltage design
constexpr double UdzialR1 = 0.85;     // R1's share of the ADJ-to-ground resistance
constexpr float R2Jedno = 240;

enum : int { wDol = 0, wGore = 1 };

bool wZakresie(float u)
{
    return UMin <= u && u <= UMax;
}

// A series value stored in a single-precision field; no fitting value is stored as 0.
float zSzeregu(double wart, int Up)
{
    return static_cast<float>(Szereguj(wart, Up).value_or(0));
}

void zgloszBlad(std::string_view tekst, StanObliczen &stan, OknoObliczen &okno)
{
    okno.pokazBlad(tekst, TytulBledu);
    zeruj(stan, okno);
}

void obliczRegulowany(StanObliczen &stan, OknoObliczen &okno)
{
    const double Uo = stan.Uo;
    const double Uomax = stan.Uomax;
    if (!wZakresie(stan.Uo) || !wZakresie(stan.Uomax))
        return zgloszBlad(BladZakresu, stan, okno);

    stan.Pr = zSzeregu(((Uomax - Uo) * 1000) / PradWielo, wDol);
    stan.R1 = zSzeregu(((Uo - UOdniesienia) * 1000) / PradWielo, wDol);
    // No potentiometer fits a maximum not above the minimum, nor a span this small, and R2
    // would have to come from a division by zero.
    if (stan.Pr == 0)
        return zgloszBlad(stan.Uomax > stan.Uo ? BladWaskiegoZakresu : BladKolejnosci, stan, okno);

    stan.R2 = zSzeregu(UOdniesienia / ((Uomax - Uo) / static_cast<double>(stan.Pr)), wGore);
    Odswierz(stan, okno);
}

void obliczJednonapieciowy(StanObliczen &stan, OknoObliczen &okno)
{
    if (!wZakresie(stan.Uo))
        return zgloszBlad(BladZakresu, stan, okno);

    stan.Rsuma = static_cast<float>((static_cast<double>(stan.Uo) - UOdniesienia) / PradJedno);
    const double Rsuma = stan.Rsuma;
    stan.R1 = zSzeregu((Rsuma * UdzialR1) * 1000, wDol);
    stan.Pr = static_cast<float>(Rsuma * 1000 - static_cast<double>(stan.R1));
    stan.R2 = R2Jedno;
    Odswierz(stan, okno);
}

} // namespace

void plcOblicz_Click(StanObliczen &stan, OknoObliczen &okno)
{
    stan.Uo = CzytajNapiecie(okno.tekst(Pole::txUo));
    stan.Uomax = CzytajNapiecie(okno.tekst(Pole::txUomax));
    if (stan.Tryb == TrybWielo)
        obliczRegulowany(stan, okno);
    else
        obliczJednonapieciowy(stan, okno);
}

void Odswierz(const StanObliczen &stan, OknoObliczen &okno)
{
    okno.ustawTekst(Pole::txR1, Skroc(stan.R1));
    okno.ustawTekst(Pole::txPr, Skroc(Zredukuj(stan.Pr)));
    okno.ustawTekst(Pole::txR2, Skroc(stan.R2));
}

void zeruj(StanObliczen &stan, OknoObliczen &okno)
{
    okno.ustawTekst(Pole::txUo, "0");
    okno.ustawTekst(Pole::txUomax, "0");
    okno.ustawTekst(Pole::txR1, "-");
    okno.ustawTekst(Pole::txPr, "-");
    okno.ustawTekst(Pole::txR2, "-");
    stan.R1 = 0;
    stan.R2 = 0;
    stan.Pr = 0;
    stan.Uo = 0;
    stan.Uomax = 0;
}

} // namespace ampelor
