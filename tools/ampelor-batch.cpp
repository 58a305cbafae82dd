// Runs the calculate command without a window, one case per line of standard input.
//
// A filter that others build on: no answer is ever lost without a word (every write is checked,
// and so is the closing of standard output), and none is held back while the tool waits for
// more input, so that a program writing one line and waiting for its answer gets it.

#include "Wsad.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Exit statuses, as the README documents them.
constexpr int StatusZlyWiersz = 2; // a malformed line, or an unknown argument
constexpr int StatusBladWeWy = 3;  // reading the input or writing the answers failed

constexpr std::size_t RozmiarBloku = 1 << 16;
// An unfinished line is kept up to the limit, with room for a byte-order mark and a carriage
// return, and one byte more to tell that it is too long.
constexpr std::size_t MaksZaleglych = ampelor::MaksDlugoscWiersza + 5;

constexpr int WejscieStd = 0;
constexpr int WyjscieStd = 1;

constexpr std::string_view Uzycie =
    "Użycie: ampelor-batch < przypadki.tsv\n"
    "Każdy wiersz wejścia: TRYB<TAB>UO<TAB>UOMAX, gdzie TRYB to 0 (jednonapięciowy) albo 1\n"
    "(regulowany), a UO i UOMAX to teksty wpisane w pola napięć.\n"
    "Każdy wiersz wyjścia: txUo<TAB>txUomax<TAB>txR1<TAB>txPr<TAB>txR2<TAB>KOMUNIKAT.\n"
    "Status wyjścia: 0 gdy odpowiedziano na wszystkie wiersze, 2 przy błędnym wierszu,\n"
    "3 przy błędzie odczytu wejścia albo zapisu wyjścia.\n";

// The descriptors as the operating system has them, with no buffer of the C library between:
// the tool keeps its own, and decides itself when to write it out.
long czytaj(char *bufor, std::size_t ile)
{
#ifdef _WIN32
    return _read(WejscieStd, bufor, static_cast<unsigned>(ile));
#else
    return read(WejscieStd, bufor, ile);
#endif
}

long pisz(const char *dane, std::size_t ile)
{
#ifdef _WIN32
    return _write(WyjscieStd, dane, static_cast<unsigned>(ile));
#else
    return write(WyjscieStd, dane, ile);
#endif
}

int zamknijStd()
{
#ifdef _WIN32
    return _close(WyjscieStd);
#else
    return close(WyjscieStd);
#endif
}

// Writes all of `dane`, through short writes and interrupted ones. Returns how much was written
// before a failure (errno tells which), or the whole length.
std::size_t piszCalosc(std::string_view dane)
{
    std::size_t zapisane = 0;
    while (zapisane < dane.size()) {
        const long wynik = pisz(dane.data() + zapisane, dane.size() - zapisane);
        if (wynik < 0 && errno == EINTR)
            continue;
        if (wynik <= 0) {
            if (wynik == 0)
                errno = EIO; // a device that takes nothing, and would take nothing again
            break;
        }
        zapisane += static_cast<std::size_t>(wynik);
    }
    return zapisane;
}

void zglos(std::size_t wiersz, std::string_view co)
{
    if (wiersz == 0)
        std::fprintf(stderr, "ampelor-batch: %.*s\n", static_cast<int>(co.size()), co.data());
    else
        std::fprintf(stderr, "ampelor-batch: wiersz %zu: %.*s\n", wiersz,
                     static_cast<int>(co.size()), co.data());
}

void zglosBladSystemu(std::size_t wiersz, const char *co, int blad)
{
    const std::string opis = std::string(co) + ": " + std::strerror(blad);
    zglos(wiersz, opis);
}

// Closes standard output, whose last error (a file system that reports a failed write only
// then) would otherwise go unseen. A descriptor that was never open is no fault when nothing was
// to be written to it.
bool zamknijWyjscie(bool cosWyslano)
{
    if (zamknijStd() == 0 || (errno == EBADF && !cosWyslano))
        return true;
    zglosBladSystemu(0, "błąd zamknięcia wyjścia", errno);
    return false;
}

class Wsad {
  public:
    // Answers one line; false once a malformed line or a failed write has been reported.
    bool wiersz(std::string_view tekst)
    {
        ++numer_;
        if (!tekst.empty() && tekst.back() == '\r') // lines written on Windows
            tekst.remove_suffix(1);
        auto blad =
            numer_ == 1 ? ampelor::zdejmijZnacznikKolejnosci(tekst) : ampelor::BladWiersza::brak;
        if (blad == ampelor::BladWiersza::brak)
            blad = kalkulator_.przetworz(tekst, wyjscie_);
        if (blad != ampelor::BladWiersza::brak) {
            if (oproznij()) {
                zglos(numer_, ampelor::opisBledu(blad));
                status_ = StatusZlyWiersz;
            }
            return false;
        }
        return wyjscie_.size() < RozmiarBloku || oproznij();
    }

    // Writes out every answer so far; false, once reported, when standard output failed.
    bool oproznij()
    {
        const std::size_t zapisane = piszCalosc(wyjscie_);
        const bool ok = zapisane == wyjscie_.size();
        if (!ok) {
            const int blad = errno;
            // The first answer that did not get out whole.
            const std::string_view wyslane(wyjscie_.data(), zapisane);
            const auto pelne =
                static_cast<std::size_t>(std::count(wyslane.begin(), wyslane.end(), '\n'));
            zglosBladSystemu(numerWypisanych_ + pelne + 1, "błąd zapisu wyjścia", blad);
            status_ = StatusBladWeWy;
        }
        pisalo_ = pisalo_ || zapisane > 0 || !ok;
        numerWypisanych_ = numer_;
        wyjscie_.clear();
        return ok;
    }

    // Closes standard output once no write has failed.
    void zamknij()
    {
        if (status_ != StatusBladWeWy && !zamknijWyjscie(pisalo_))
            status_ = StatusBladWeWy;
    }

    void bladOdczytu(int blad)
    {
        zglosBladSystemu(numer_ + 1, "błąd odczytu wejścia", blad);
        status_ = StatusBladWeWy;
    }

    int status() const { return status_; }

  private:
    std::size_t numer_ = 0;           // lines answered so far
    std::size_t numerWypisanych_ = 0; // of them, those whose answers have been written
    bool pisalo_ = false;             // whether anything was ever given to standard output
    int status_ = 0;
    ampelor::Kalkulator kalkulator_;
    std::string wyjscie_;
};

// Answers standard input to its end, or up to the first line, read or write that fails.
bool przetworzWejscie(Wsad &wsad)
{
    std::string zalegle; // the start of a line whose end has not been read yet
    static char blok[RozmiarBloku];
    for (;;) {
        // Whatever has been answered goes out before a read that may wait for more input.
        if (!wsad.oproznij())
            return false;
        const long przeczytane = czytaj(blok, sizeof blok);
        if (przeczytane < 0 && errno == EINTR)
            continue;
        if (przeczytane < 0) {
            wsad.bladOdczytu(errno);
            return false;
        }
        if (przeczytane == 0)
            break;
        std::string_view dane(blok, static_cast<std::size_t>(przeczytane));
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
                return false;
            dane.remove_prefix(koniec + 1);
        }
        zalegle.append(dane.substr(0, MaksZaleglych - zalegle.size()));
    }
    // The last line may lack its newline.
    return (zalegle.empty() || wsad.wiersz(zalegle)) && wsad.oproznij();
}

int pomoc()
{
    if (piszCalosc(Uzycie) != Uzycie.size()) {
        zglosBladSystemu(0, "błąd zapisu wyjścia", errno);
        return StatusBladWeWy;
    }
    return zamknijWyjscie(true) ? 0 : StatusBladWeWy;
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, ""); // the answers must not depend on it, and the tests prove it
#ifdef _WIN32
    _setmode(WejscieStd, _O_BINARY);
    _setmode(WyjscieStd, _O_BINARY);
#endif
    if (argc > 1) {
        if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
            return pomoc();
        std::fputs(Uzycie.data(), stderr);
        return StatusZlyWiersz;
    }
    Wsad wsad;
    przetworzWejscie(wsad);
    wsad.zamknij();
    return wsad.status();
}
