#include "BladStartu.h"

#include <algorithm>
#include <sstream>
#include <string_view>

namespace {

// The toolkit's start-up messages, read for the plugins it looked for and those it has.
struct Wtyczki {
    std::vector<std::string> brakujace; // asked for, not installed
    std::vector<std::string> nieudane;  // installed, but could not start
    std::string dostepne;               // as the toolkit lists them
};

// The quoted name after the prefix, when the line has the prefix.
void dopiszNazwe(std::string_view wiersz, std::string_view przed, std::vector<std::string> &do_)
{
    const auto poczatek = wiersz.find(przed);
    if (poczatek == std::string_view::npos)
        return;
    const auto nazwa = wiersz.substr(poczatek + przed.size());
    do_.emplace_back(nazwa.substr(0, nazwa.find('"')));
}

std::vector<std::string> wiersze(const std::vector<std::string> &komunikaty)
{
    std::vector<std::string> wynik;
    for (const std::string &komunikat : komunikaty) {
        std::istringstream strumien(komunikat);
        for (std::string wiersz; std::getline(strumien, wiersz);) {
            wiersz.erase(wiersz.find_last_not_of(' ') + 1);
            if (!wiersz.empty())
                wynik.push_back(wiersz);
        }
    }
    return wynik;
}

Wtyczki przeczytaj(const std::vector<std::string> &wiersze)
{
    constexpr std::string_view Dostepne = "Available platform plugins are: ";
    Wtyczki wtyczki;
    for (const std::string &wiersz : wiersze) {
        dopiszNazwe(wiersz, "Could not find the Qt platform plugin \"", wtyczki.brakujace);
        dopiszNazwe(wiersz, "Could not load the Qt platform plugin \"", wtyczki.nieudane);
        if (const auto poczatek = wiersz.find(Dostepne); poczatek != std::string::npos) {
            wtyczki.dostepne = wiersz.substr(poczatek + Dostepne.size());
            if (wtyczki.dostepne.ends_with('.'))
                wtyczki.dostepne.pop_back();
        }
    }
    return wtyczki;
}

bool zawiera(const std::vector<std::string> &nazwy, std::string_view nazwa)
{
    return std::ranges::find(nazwy, nazwa) != nazwy.end();
}

std::string cytat(std::string_view tekst)
{
    return "„" + std::string(tekst) + "”";
}

std::string zdanie(const SrodowiskoStartu &s, const Wtyczki &w)
{
    const std::string dostepne = " (dostępne: " + w.dostepne + ")";
    if (!s.platforma.empty() && !w.brakujace.empty())
        return "nie ma wtyczki platformy Qt " + cytat(w.brakujace.front()) +
               ", którą wskazuje zmienna QT_QPA_PLATFORM" + dostepne + ".";
    if (!s.waylandDisplay.empty() && zawiera(w.brakujace, "wayland"))
        return "sesja Wayland (" + cytat(s.waylandDisplay) +
               ") wymaga wtyczki platformy Qt „wayland”, której nie zainstalowano" + dostepne +
               "; zainstaluj pakiet qt6-wayland albo ustaw zmienną DISPLAY, by program działał "
               "przez X11.";
    if (s.display.empty() && s.waylandDisplay.empty() && s.platforma.empty())
        return "nie można połączyć się z ekranem; program wymaga środowiska graficznego "
               "(sprawdź zmienną DISPLAY).";
    if (!w.nieudane.empty()) {
        const std::string &wtyczka = w.nieudane.front();
        if (wtyczka == "xcb")
            return "nie można połączyć się z ekranem X11 " + cytat(s.display) +
                   " przez wtyczkę platformy Qt „xcb” (sprawdź zmienną DISPLAY).";
        if (wtyczka.starts_with("wayland"))
            return "nie można połączyć się z serwerem Wayland " + cytat(s.waylandDisplay) +
                   " przez wtyczkę platformy Qt " + cytat(wtyczka) +
                   " (sprawdź zmienne WAYLAND_DISPLAY i XDG_RUNTIME_DIR).";
        return "nie można uruchomić wtyczki platformy Qt " + cytat(wtyczka) + dostepne + ".";
    }
    return "nie można uruchomić okna programu" +
           (w.dostepne.empty() ? std::string()
                               : " (dostępne wtyczki platformy Qt: " + w.dostepne + ")") +
           ".";
}

} // namespace

std::string opisBleduStartu(const SrodowiskoStartu &srodowisko,
                            const std::vector<std::string> &komunikaty)
{
    const std::vector<std::string> objasnienie = wiersze(komunikaty);
    std::string wynik = "ampelor: " + zdanie(srodowisko, przeczytaj(objasnienie)) + "\n";
    for (const std::string &wiersz : objasnienie)
        wynik += "Qt: " + wiersz + "\n";
    return wynik;
}
