// Compares the calculation core's fast paths with their general references over every value in
// the range the program uses, and prints the counts. Minutes of work, so not one of the tests:
//   build/default/tests/calc/sprawdz_wszystkie
// Exits with 1 if any value disagrees.

#include "ZgodnoscZeWzorcem.h"

#include <cstdio>
#include <future>
#include <string>
#include <vector>

namespace {

using namespace ampelor::zgodnosc;

bool zglos(const char *co, const Wynik &w)
{
    std::printf("%-70s %12llu compared, %llu different\n%s", co,
                static_cast<unsigned long long>(w.sprawdzone),
                static_cast<unsigned long long>(w.rozne), w.przyklady.c_str());
    std::fflush(stdout);
    return w.rozne == 0;
}

// The bit patterns from `od` below `przed`, split over the machine's two cores.
Wynik skrocRownolegle(std::uint32_t od, std::uint32_t przed)
{
    const std::uint32_t srodek = od + (przed - od) / 2;
    auto druga = std::async(std::launch::async, [=] { return skrocBity(srodek, przed); });
    Wynik w = skrocBity(od, srodek);
    w.dodaj(druga.get());
    return w;
}

} // namespace

int main()
{
    bool zgodne = true;
    // Resistances from zero to 10 megohms, each with its negative: every float where the
    // integer digits are used, and beyond, where the fast path hands over to the reference.
    zgodne &= zglos("Skroc, every float of magnitude 1e-6 to 1e7",
                    skrocRownolegle(bity(1e-6f), bity(1e7f) + 1));
    zgodne &=
        zglos("Skroc, every 97th float of magnitude 0 to 1e-6", skrocBity(0, bity(1e-6f), 97));
    zgodne &= zglos("Skroc, every 97th float of magnitude 1e7 to infinity",
                    skrocBity(bity(1e7f), bity(INFINITY) + 1, 97));

    zgodne &= zglos("CzytajNapiecie, every text of up to 6 of \"0123456789.-+ ,V\"",
                    czytajWszystkie("0123456789.-+ ,V", 6));

    Wynik jedno;
    for (float Uo = 1.25f; Uo <= 30; Uo = std::nextafter(Uo, INFINITY))
        szeregujJednonapieciowy(Uo, jedno);
    zgodne &= zglos("Szereguj, single voltage, every float Uo from 1.25 to 30", jedno);
    Wynik wielo;
    for (int uo = 125; uo <= 3000; ++uo)
        for (int uomax = uo; uomax <= 3000; ++uomax)
            szeregujRegulowany(ampelor::CzytajNapiecie(std::to_string(uo / 100) + "." +
                                                       std::to_string(100 + uo % 100).substr(1)),
                               ampelor::CzytajNapiecie(std::to_string(uomax / 100) + "." +
                                                       std::to_string(100 + uomax % 100).substr(1)),
                               wielo);
    zgodne &= zglos("Szereguj, adjustable, every pair of voltages in hundredths", wielo);
    Wynik kazda;
    for (std::uint32_t b = bity(0.5f); b <= bity(1e7f); ++b)
        szereguj(std::bit_cast<float>(b), kazda);
    zgodne &= zglos("Szereguj, every float from 0.5 to 1e7 as a double", kazda);
    zgodne &= zglos("Szereguj, 100000 doubles either side of every series value",
                    szeregujPrzySzeregu(100000));
    return zgodne ? 0 : 1;
}
