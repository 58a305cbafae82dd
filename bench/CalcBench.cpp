// Cost of the calculation core, per call.

#include "CzytajNapiecie.h"
#include "Skroc.h"
#include "Szereguj.h"
#include "Wsad.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

void BM_Szereguj(benchmark::State &state)
{
    double wart = 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ampelor::Szereguj(wart, 0));
        wart = wart < 1e6 ? wart * 1.37 : 1.0;
    }
}
BENCHMARK(BM_Szereguj);

void BM_Skroc(benchmark::State &state)
{
    constexpr std::array<float, 4> wartosci{560, 146.21f, 1514.31f, 0.38f};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ampelor::Skroc(wartosci[i++ % wartosci.size()]));
}
BENCHMARK(BM_Skroc);

void BM_CzytajNapiecie(benchmark::State &state)
{
    constexpr std::array<std::string_view, 4> teksty{"5", "12.5", "1,5", "abc"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ampelor::CzytajNapiecie(teksty[i++ % teksty.size()]));
}
BENCHMARK(BM_CzytajNapiecie);

// One whole case of ampelor-batch, parsing and answer line included.
void BM_Wiersz(benchmark::State &state)
{
    constexpr std::array<std::string_view, 4> wiersze{"0\t5\t0", "1\t5\t15", "0\t31\t0",
                                                      "1\t12\t5"};
    std::string wyjscie;
    std::size_t i = 0;
    for (auto _ : state) {
        wyjscie.clear();
        ampelor::przetworzWiersz(wiersze[i++ % wiersze.size()], wyjscie);
        benchmark::DoNotOptimize(wyjscie.data());
    }
}
BENCHMARK(BM_Wiersz);

// Cases as ampelor-batch runs them, one after another on the same refilled window: voltages as
// users type them, nearly every line a full design.
void BM_KolejnyWiersz(benchmark::State &state)
{
    constexpr std::array<std::string_view, 4> wiersze{"0\t22.8\t18.3", "1\t0.81\t28.86",
                                                      "1\t10.84\t13.44", "0\t7.05\t0"};
    ampelor::Kalkulator kalkulator;
    std::string wyjscie;
    std::size_t i = 0;
    for (auto _ : state) {
        wyjscie.clear();
        kalkulator.przetworz(wiersze[i++ % wiersze.size()], wyjscie);
        benchmark::DoNotOptimize(wyjscie.data());
    }
}
BENCHMARK(BM_KolejnyWiersz);

} // namespace

BENCHMARK_MAIN();
