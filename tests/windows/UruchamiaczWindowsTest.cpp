// The Windows starter, run for real: it starts a helper program that writes down how it was
// started (ZapiszUruchomienie.cpp), and the record is compared with what was asked for.

#include "Uruchamiacz.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "NaUtf8.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>

namespace {

namespace fs = std::filesystem;
using ampelor::StylOkna;

// The helper is built beside this test program.
fs::path sciezkaPomocnika()
{
    std::wstring sciezka(MAX_PATH, L'\0');
    for (;;) {
        const DWORD dlugosc =
            GetModuleFileNameW(nullptr, sciezka.data(), static_cast<DWORD>(sciezka.size()));
        if (dlugosc < sciezka.size()) {
            sciezka.resize(dlugosc);
            break;
        }
        sciezka.resize(sciezka.size() * 2);
    }
    return fs::path(sciezka).parent_path() / L"zapisz_uruchomienie.exe";
}

std::string wCudzyslowie(const fs::path &sciezka)
{
    return "\"" + naUtf8(sciezka.wstring()) + "\"";
}

std::optional<std::string> przeczytaj(const fs::path &plik)
{
    std::ifstream wejscie(plik, std::ios::binary);
    if (!wejscie)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(wejscie), {});
}

// What the helper wrote down about its start.
struct Zapis {
    unsigned pokaz = 0; // wShowWindow
    unsigned flaga = 0; // 1 when STARTF_USESHOWWINDOW was set
    unsigned long proces = 0;
    unsigned long watek = 0;
    std::string wiersz; // the command line
};

std::optional<Zapis> odczytajZapis(const std::string &tresc)
{
    const auto koniecWiersza = tresc.find('\n');
    if (koniecWiersza == std::string::npos)
        return std::nullopt;
    Zapis zapis;
    std::istringstream pola(tresc.substr(0, koniecWiersza));
    std::string pole;
    int odczytane = 0;
    while (pola >> pole) {
        const auto rowna = pole.find('=');
        if (rowna == std::string::npos)
            return std::nullopt;
        const std::string klucz = pole.substr(0, rowna);
        const unsigned long wartosc = std::stoul(pole.substr(rowna + 1));
        if (klucz == "pokaz")
            zapis.pokaz = static_cast<unsigned>(wartosc);
        else if (klucz == "flaga")
            zapis.flaga = static_cast<unsigned>(wartosc);
        else if (klucz == "proces")
            zapis.proces = wartosc;
        else if (klucz == "watek")
            zapis.watek = wartosc;
        else
            return std::nullopt;
        ++odczytane;
    }
    if (odczytane != 4)
        return std::nullopt;
    zapis.wiersz = tresc.substr(koniecWiersza + 1);
    return zapis;
}

// The helper's record, once it appears; nothing if it has not in 30 s.
std::optional<Zapis> czekajNaZapis(const fs::path &plik)
{
    using namespace std::chrono;
    const auto koniec = steady_clock::now() + seconds(30);
    while (steady_clock::now() < koniec) {
        if (auto tresc = przeczytaj(plik))
            return odczytajZapis(*tresc);
        std::this_thread::sleep_for(milliseconds(50));
    }
    return std::nullopt;
}

class Uruchamianie : public testing::Test {
  protected:
    void SetUp() override
    {
        const auto *test = testing::UnitTest::GetInstance()->current_test_info();
        std::ostringstream nazwa;
        nazwa << "ampelor-uruchamiacz-" << GetCurrentProcessId() << '-' << test->name();
        std::string folder = nazwa.str();
        std::replace(folder.begin(), folder.end(), '/', '-'); // parameterised tests' names
        folder_ = fs::temp_directory_path() / folder;
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        ASSERT_TRUE(fs::exists(pomocnik_)) << pomocnik_;
    }

    void TearDown() override
    {
        std::error_code blad; // the helper may still hold a file open; leave it then
        fs::remove_all(folder_, blad);
    }

    // The helper's command line, up to and including its record's path.
    std::string wywolanie(const fs::path &zapis) const
    {
        return wCudzyslowie(pomocnik_) + " " + wCudzyslowie(zapis);
    }

    const fs::path pomocnik_ = sciezkaPomocnika();
    fs::path folder_;
    std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz_ = ampelor::utworzUruchamiaczSystemowy();
};

struct Styl {
    const char *nazwa;
    StylOkna styl;
    unsigned pokaz; // what the started program is told in wShowWindow
};

// The name, for the test's name and its messages.
void PrintTo(const Styl &styl, std::ostream *wyjscie)
{
    *wyjscie << styl.nazwa;
}

class UruchamianieWStylu : public Uruchamianie, public testing::WithParamInterface<Styl> {};

// The command line arrives exactly as given, non-ASCII text included (a conversion through the
// ANSI code page would mangle the Polish letters and cannot hold the ohm sign at all), and the
// window style arrives as the matching show command.
TEST_P(UruchamianieWStylu, startsTheCommandLineAsItStandsWithItsWindowStyle)
{
    const fs::path zapis = folder_ / L"zapis.txt";
    const std::string wiersz = wywolanie(zapis) + " - \"R1 = 240 Ω, zażółć gęślą jaźń\"  ostatni";

    ASSERT_TRUE(uruchamiacz_->uruchom(wiersz, GetParam().styl));

    const auto zapisany = czekajNaZapis(zapis);
    ASSERT_TRUE(zapisany.has_value()) << "the helper left no record in 30 s, or a garbled one";
    EXPECT_EQ(zapisany->wiersz, wiersz);
    EXPECT_EQ(zapisany->flaga, 1u) << "STARTF_USESHOWWINDOW was not set";
    EXPECT_EQ(zapisany->pokaz, GetParam().pokaz);
}

INSTANTIATE_TEST_SUITE_P(Style, UruchamianieWStylu,
                         testing::Values(Styl{"Normalny", StylOkna::Normalny, SW_SHOWNORMAL},
                                         Styl{"Ukryty", StylOkna::Ukryty, SW_HIDE}));

// The helper is held until a file appears, which happens only after uruchom() has returned: a
// starter that waited for its program would come back only when the helper gave up waiting, and
// by then the record would be there.
TEST_F(Uruchamianie, returnsWithoutWaitingForTheProgram)
{
    const fs::path zapis = folder_ / L"zapis.txt";
    const fs::path sygnal = folder_ / L"start";

    ASSERT_TRUE(
        uruchamiacz_->uruchom(wywolanie(zapis) + " " + wCudzyslowie(sygnal), StylOkna::Ukryty));
    EXPECT_FALSE(fs::exists(zapis)) << "uruchom() returned only after the program had ended";

    std::ofstream(sygnal) << "start";
    EXPECT_TRUE(czekajNaZapis(zapis).has_value()) << "the helper left no record in 30 s";
}

// Whether what `otworz` opens stops being openable within 10 s. The system itself may hold an
// ended process for a moment (Wine does, for about half a second); a handle kept by the starter
// holds it for good.
template <typename Otworz> bool znikaPoChwili(Otworz otworz)
{
    using namespace std::chrono;
    const auto koniec = steady_clock::now() + seconds(10);
    for (;;) {
        HANDLE uchwyt = otworz();
        if (uchwyt == nullptr)
            return true;
        CloseHandle(uchwyt);
        if (steady_clock::now() >= koniec)
            return false;
        std::this_thread::sleep_for(milliseconds(50));
    }
}

// Each start gives back the handles of the process and its first thread: a program left open
// for hours must not collect two handles per click. A process or thread that has ended lives on
// as an object, openable by its id, for as long as anyone holds a handle to it; once the helper
// has ended, only a handle kept by the starter could let it be opened.
TEST_F(Uruchamianie, keepsNoHandleOfTheStartedProgram)
{
    const fs::path zapis = folder_ / L"zapis.txt";
    ASSERT_TRUE(uruchamiacz_->uruchom(wywolanie(zapis), StylOkna::Ukryty));
    const auto zapisany = czekajNaZapis(zapis);
    ASSERT_TRUE(zapisany.has_value()) << "the helper left no record in 30 s, or a garbled one";
    const auto proces = static_cast<DWORD>(zapisany->proces);
    const auto watek = static_cast<DWORD>(zapisany->watek);

    if (HANDLE czekanie = OpenProcess(SYNCHRONIZE, FALSE, proces)) {
        const DWORD wynik = WaitForSingleObject(czekanie, 30'000);
        CloseHandle(czekanie);
        ASSERT_EQ(wynik, WAIT_OBJECT_0) << "the helper did not end in 30 s";
    }

    EXPECT_TRUE(znikaPoChwili([&] {
        return OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, proces);
    })) << "the ended process is still held open after 10 s";
    EXPECT_TRUE(znikaPoChwili([&] {
        return OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, watek);
    })) << "the ended thread is still held open after 10 s";
}

struct Niewykonalne {
    const char *nazwa;
    std::string dopisek; // appended to a start of the helper that would otherwise succeed
};

void PrintTo(const Niewykonalne &wiersz, std::ostream *wyjscie)
{
    *wyjscie << wiersz.nazwa;
}

class NieUruchamia : public Uruchamianie, public testing::WithParamInterface<Niewykonalne> {};

// A command line that cannot be passed on unchanged is refused, not started in a mangled form.
TEST_P(NieUruchamia, refusesACommandLineItCannotPassOnUnchanged)
{
    const fs::path zapis = folder_ / L"zapis.txt";
    EXPECT_FALSE(uruchamiacz_->uruchom(wywolanie(zapis) + GetParam().dopisek, StylOkna::Normalny));
}

INSTANTIATE_TEST_SUITE_P(Wiersze, NieUruchamia,
                         testing::Values(Niewykonalne{"EmbeddedNul", std::string(" -\0 ogon", 8)},
                                         Niewykonalne{"InvalidUtf8", " - \xff"},
                                         Niewykonalne{"TruncatedUtf8", " - \xc5"}));

TEST_F(Uruchamianie, returnsFalseForAProgramThatDoesNotExist)
{
    for (const std::string &wiersz :
         {wCudzyslowie(folder_ / L"nie ma takiego programu.exe") + " argument",
          std::string("ampelor-nie-ma-takiego-programu-7f3a"), std::string()}) {
        EXPECT_FALSE(uruchamiacz_->uruchom(wiersz, StylOkna::Normalny)) << '"' << wiersz << '"';
        EXPECT_FALSE(uruchamiacz_->uruchom(wiersz, StylOkna::Ukryty)) << '"' << wiersz << '"';
    }
}

} // namespace
