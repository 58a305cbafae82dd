// The reader must take any bytes at all, and agree with the prefix it claims to read.

#include "CzytajNapiecie.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char *>(dane), rozmiar);
    const float u = ampelor::CzytajNapiecie(tekst);
    if (std::isnan(u))
        std::abort();
    // Whatever follows a character that cannot continue a number changes nothing.
    const std::size_t koniec = tekst.find_first_not_of(" \t+-.0123456789");
    if (koniec != std::string_view::npos && ampelor::CzytajNapiecie(tekst.substr(0, koniec)) != u)
        std::abort();
    return 0;
}
