#pragma once

#include "OknoWsadowe.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ampelor {

inline constexpr std::size_t MaksDlugoscWiersza = 4096;

enum class BladWiersza { brak, zaDlugi, liczbaPol, tryb, utf16le, utf16be };

// Runs cases one after another, each on a window as fresh as a new one; the one headless window
// is refilled rather than built anew for each line.
class Kalkulator {
  public:
    // Runs one case, "MODE<TAB>UO<TAB>UOMAX", and appends the answer line
    // "txUo<TAB>txUomax<TAB>txR1<TAB>txPr<TAB>txR2<TAB>MESSAGE\n" to `wyjscie`. A malformed
    // line appends nothing and returns what is wrong with it.
    BladWiersza przetworz(std::string_view wiersz, std::string &wyjscie);

  private:
    OknoWsadowe okno_;
};

// One case on a window of its own, as Kalkulator::przetworz.
BladWiersza przetworzWiersz(std::string_view wiersz, std::string &wyjscie);

// Drops the UTF-8 byte-order mark that Windows editors put at the start of a file. Input that
// starts with a UTF-16 mark cannot be read line by line as bytes at all, and is refused with
// its encoding named.
BladWiersza zdejmijZnacznikKolejnosci(std::string_view &pierwszyWiersz);

// What is wrong with a malformed line, as told to the user.
std::string_view opisBledu(BladWiersza blad);

} // namespace ampelor
