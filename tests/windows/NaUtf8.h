#pragma once

#include <windows.h>

#include <string>

// UTF-16 as Windows hands it over, turned into the UTF-8 the rest of the program speaks.
inline std::string naUtf8(const std::wstring &utf16)
{
    if (utf16.empty())
        return {};
    const int dlugosc = static_cast<int>(utf16.size());
    const int potrzeba =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), dlugosc, nullptr, 0, nullptr, nullptr);
    std::string wynik(static_cast<std::size_t>(potrzeba), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), dlugosc, wynik.data(), potrzeba, nullptr,
                        nullptr);
    return wynik;
}
