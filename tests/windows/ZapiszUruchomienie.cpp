// Test helper started by the starter under test: writes down how it was started.
//   zapisz_uruchomienie WYNIK [CZEKAJ_NA] [...]
// WYNIK gets two lines: "pokaz=<wShowWindow> flaga=<0|1> proces=<id> watek=<id>", the first two
// from the start-up information the parent passed (flaga tells whether STARTF_USESHOWWINDOW was
// set), the ids of this process and its first thread; then the whole command line exactly as
// received, in UTF-8. With CZEKAJ_NA other than "-" it first waits, at most 20 s,
// for that file to appear, so that a test can tell whether its parent waited for it. WYNIK
// appears whole or not at all: it is written under another name and then renamed.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "NaUtf8.h"

#include <shellapi.h>

#include <string>

namespace {

bool istnieje(const wchar_t *sciezka)
{
    return GetFileAttributesW(sciezka) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main()
{
    const wchar_t *wiersz = GetCommandLineW();
    int ileArgumentow = 0;
    wchar_t **argumenty = CommandLineToArgvW(wiersz, &ileArgumentow);
    if (argumenty == nullptr || ileArgumentow < 2)
        return 2;
    const std::wstring wynik = argumenty[1];

    if (ileArgumentow >= 3 && std::wstring(argumenty[2]) != L"-") {
        for (int i = 0; i < 200 && !istnieje(argumenty[2]); ++i)
            Sleep(100);
    }

    STARTUPINFOW start{};
    start.cb = sizeof start;
    GetStartupInfoW(&start);
    const std::string tresc = "pokaz=" + std::to_string(start.wShowWindow) +
                              " flaga=" + ((start.dwFlags & STARTF_USESHOWWINDOW) ? "1" : "0") +
                              " proces=" + std::to_string(GetCurrentProcessId()) +
                              " watek=" + std::to_string(GetCurrentThreadId()) + "\n" +
                              naUtf8(wiersz);

    const std::wstring tymczasowy = wynik + L".tmp";
    HANDLE plik = CreateFileW(tymczasowy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (plik == INVALID_HANDLE_VALUE)
        return 3;
    DWORD zapisane = 0;
    const bool ok =
        WriteFile(plik, tresc.data(), static_cast<DWORD>(tresc.size()), &zapisane, nullptr) &&
        zapisane == tresc.size();
    CloseHandle(plik);
    LocalFree(argumenty);
    if (!ok || !MoveFileExW(tymczasowy.c_str(), wynik.c_str(), MOVEFILE_REPLACE_EXISTING))
        return 4;
    return 0;
}
