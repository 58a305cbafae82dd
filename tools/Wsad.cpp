#include "Wsad.h"

#include "Obliczenia.h"

#include <array>

namespace ampelor {

namespace {

constexpr std::array Pola{Pole::txUo, Pole::txUomax, Pole::txR1, Pole::txPr, Pole::txR2};

} // namespace

BladWiersza Kalkulator::przetworz(std::string_view wiersz, std::string &wyjscie)
{
    if (wiersz.size() > MaksDlugoscWiersza)
        return BladWiersza::zaDlugi;

    const std::size_t tab1 = wiersz.find('\t');
    const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : wiersz.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos || wiersz.find('\t', tab2 + 1) != std::string_view::npos)
        return BladWiersza::liczbaPol;

    const std::string_view tryb = wiersz.substr(0, tab1);
    if (tryb != "0" && tryb != "1")
        return BladWiersza::tryb;

    StanObliczen stan;
    stan.Tryb = tryb == "1" ? TrybWielo : TrybJedno;
    okno_.otworz(wiersz.substr(tab1 + 1, tab2 - tab1 - 1), wiersz.substr(tab2 + 1));

    plcOblicz_Click(stan, okno_);

    for (Pole pole : Pola)
        wyjscie.append(okno_.pole(pole)).push_back('\t');
    wyjscie.append(okno_.komunikat()).push_back('\n');
    return BladWiersza::brak;
}

BladWiersza przetworzWiersz(std::string_view wiersz, std::string &wyjscie)
{
    return Kalkulator().przetworz(wiersz, wyjscie);
}

BladWiersza zdejmijZnacznikKolejnosci(std::string_view &pierwszyWiersz)
{
    if (pierwszyWiersz.starts_with("\xEF\xBB\xBF"))
        pierwszyWiersz.remove_prefix(3);
    else if (pierwszyWiersz.starts_with("\xFF\xFE"))
        return BladWiersza::utf16le;
    else if (pierwszyWiersz.starts_with("\xFE\xFF"))
        return BladWiersza::utf16be;
    return BladWiersza::brak;
}

std::string_view opisBledu(BladWiersza blad)
{
    switch (blad) {
    case BladWiersza::brak:
        break;
    case BladWiersza::zaDlugi:
        return "wiersz dłuższy niż 4096 bajtów";
    case BladWiersza::liczbaPol:
        return "oczekiwano trzech pól rozdzielonych tabulatorem: TRYB, UO, UOMAX";
    case BladWiersza::tryb:
        return "TRYB musi być 0 (jednonapięciowy) albo 1 (regulowany)";
    case BladWiersza::utf16le:
        return "wejście jest w kodowaniu UTF-16 LE; zapisz je w UTF-8";
    case BladWiersza::utf16be:
        return "wejście jest w kodowaniu UTF-16 BE; zapisz je w UTF-8";
    }
    return "";
}

} // namespace ampelor
