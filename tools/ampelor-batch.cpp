// Runs the calculate command without a window, one case per line of standard input.

#include "Wsad.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr std::size_t RozmiarBloku = 1 << 16;

constexpr std::string_view Uzycie =
    "Użycie: ampelor-batch < przypadki.tsv\n"
    "Każdy wiersz wejścia: TRYB<TAB>UO<TAB>UOMAX, gdzie TRYB to 0 (jednonapięciowy) albo 1\n"
    "(regulowany), a UO i UOMAX to teksty wpisane w pola napięć.\n"
    "Każdy wiersz wyjścia: txUo<TAB>txUomax<TAB>txR1<TAB>txPr<TAB>txR2<TAB>KOMUNIKAT.\n";

class Wsad {
  public:
    // Answers one line; false once a malformed line has been reported.
    bool wiersz(std::string_view tekst)
    {
        ++numer_;
        if (!tekst.empty() && tekst.back() == '\r') // lines written on Windows
            tekst.remove_suffix(1);
        const auto blad = ampelor::przetworzWiersz(tekst, wyjscie_);
        if (blad != ampelor::BladWiersza::brak) {
            wypisz();
            std::fprintf(stderr, "ampelor-batch: wiersz %zu: %.*s\n", numer_,
                         static_cast<int>(ampelor::opisBledu(blad).size()),
                         ampelor::opisBledu(blad).data());
            return false;
        }
        if (wyjscie_.size() >= RozmiarBloku)
            wypisz();
        return true;
    }

    // Writes what has been answered so far; false when standard output failed.
    bool wypisz()
    {
        const bool ok = std::fwrite(wyjscie_.data(), 1, wyjscie_.size(), stdout) == wyjscie_.size();
        wyjscie_.clear();
        return ok && std::fflush(stdout) == 0;
    }

  private:
    std::size_t numer_ = 0;
    std::string wyjscie_;
};

int przetworzWejscie()
{
    Wsad wsad;
    std::string zalegle; // the start of a line whose end has not been read yet
    char blok[RozmiarBloku];
    std::size_t przeczytane;
    while ((przeczytane = std::fread(blok, 1, sizeof blok, stdin)) > 0) {
        std::string_view dane(blok, przeczytane);
        for (std::size_t koniec; (koniec = dane.find('\n')) != std::string_view::npos;) {
            bool ok;
            if (zalegle.empty()) {
                ok = wsad.wiersz(dane.substr(0, koniec));
            } else {
                zalegle.append(dane.substr(0, koniec));
                ok = wsad.wiersz(zalegle);
                zalegle.clear();
            }
            if (!ok)
                return 2;
            dane.remove_prefix(koniec + 1);
        }
        // Keep no more of an unfinished line than it takes to tell that it is too long.
        zalegle.append(dane.substr(0, ampelor::MaksDlugoscWiersza + 2 - zalegle.size()));
    }
    if (std::ferror(stdin)) {
        std::fprintf(stderr, "ampelor-batch: błąd odczytu wejścia\n");
        return 2;
    }
    if (!zalegle.empty() && !wsad.wiersz(zalegle)) // the last line may lack its newline
        return 2;
    if (!wsad.wypisz()) {
        std::fprintf(stderr, "ampelor-batch: błąd zapisu wyjścia\n");
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, ""); // the answers must not depend on it, and the tests prove it
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc > 1) {
        const bool pomoc = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        std::fputs(Uzycie.data(), pomoc ? stdout : stderr);
        return pomoc ? 0 : 2;
    }
    return przetworzWejscie();
}
