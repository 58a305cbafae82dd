// The calculate command on the headless window, fed any line: it answers with the five boxes
// and a message, and either shows three results or reports an error and clears the window.

#include "Wsad.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> pola(std::string_view wiersz)
{
    std::vector<std::string_view> wynik;
    for (std::size_t tab; (tab = wiersz.find('\t')) != std::string_view::npos;) {
        wynik.push_back(wiersz.substr(0, tab));
        wiersz.remove_prefix(tab + 1);
    }
    wynik.push_back(wiersz);
    return wynik;
}

bool jestWynikiem(std::string_view tekst)
{
    return tekst.size() >= 5 && tekst.front() == ' ' && tekst.find("Ohm") != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    const std::string_view wiersz(reinterpret_cast<const char *>(dane), rozmiar);
    if (wiersz.find('\n') != std::string_view::npos)
        return 0; // one case is one line
    std::string wyjscie;
    if (ampelor::przetworzWiersz(wiersz, wyjscie) != ampelor::BladWiersza::brak)
        return 0;

    if (wyjscie.empty() || wyjscie.back() != '\n')
        std::abort();
    wyjscie.pop_back();
    const auto p = pola(wyjscie);
    if (p.size() != 6)
        std::abort();
    const bool blad = !p[5].empty();
    for (std::size_t i = 2; i < 5; ++i)
        if (blad ? p[i] != "-" : !jestWynikiem(p[i]))
            std::abort();
    if (blad && (p[0] != "0" || p[1] != "0"))
        std::abort();
    return 0;
}
