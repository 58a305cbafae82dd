// Starting another program on Windows: the command line goes to CreateProcessW as it stands, so
// that the system finds the program and splits the arguments just as the Run box would.

#include "Uruchamiacz.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <string>

namespace ampelor {
namespace {

// The UTF-8 command line in UTF-16, as the wide API wants it; empty when it is not valid UTF-8
// (a lossy conversion would start some other program than the one asked for).
std::wstring naUtf16(const std::string &utf8)
{
    if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int dlugosc = static_cast<int>(utf8.size());
    const int potrzeba =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), dlugosc, nullptr, 0);
    if (potrzeba <= 0)
        return {};
    std::wstring wynik(static_cast<std::size_t>(potrzeba), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), dlugosc, wynik.data(),
                            potrzeba) != potrzeba)
        return {};
    return wynik;
}

class UruchamiaczWindows final : public Uruchamiacz {
  public:
    bool uruchom(const std::string &wierszPolecen, StylOkna styl) override
    {
        // The C API stops at the first NUL: what follows it would be dropped without a word.
        if (wierszPolecen.find('\0') != std::string::npos)
            return false;
        std::wstring wiersz = naUtf16(wierszPolecen);
        if (wiersz.empty())
            return false;

        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESHOWWINDOW;
        start.wShowWindow = static_cast<WORD>(styl == StylOkna::Ukryty ? SW_HIDE : SW_SHOWNORMAL);

        PROCESS_INFORMATION proces{};
        // No application name: the program is the command line's first word, looked for where
        // Windows looks (the folder of this program, the current one, the system's, PATH).
        // CreateProcessW may write into the command line, so it gets a copy of its own.
        if (!CreateProcessW(nullptr, wiersz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &start, &proces))
            return false;
        // The program runs on by itself: nothing waits for it, and its handles are not kept.
        CloseHandle(proces.hThread);
        CloseHandle(proces.hProcess);
        return true;
    }
};

} // namespace

std::unique_ptr<Uruchamiacz> utworzUruchamiaczSystemowy()
{
    return std::make_unique<UruchamiaczWindows>();
}

} // namespace ampelor
