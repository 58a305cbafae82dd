// The start-up failure message: what failed, in Polish, from what the toolkit said, which
// follows it. The toolkit's messages are Qt 6.4's own, as it gives them in each case.

#include "BladStartu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Niezainicjowana =
    "This application failed to start because no Qt platform plugin could be initialized. "
    "Reinstalling the application may fix this problem.\n\n"
    "Available platform plugins are: wayland-egl, minimal, offscreen, xcb, wayland.\n";
const std::string BezWayland =
    "This application failed to start because no Qt platform plugin could be initialized. "
    "Reinstalling the application may fix this problem.\n\n"
    "Available platform plugins are: minimal, offscreen, xcb.\n";
const std::string XcbBezEkranu = "qt.qpa.xcb: could not connect to display ";
const std::string XcbNieWstala = "qt.qpa.plugin: Could not load the Qt platform plugin \"xcb\" in "
                                 "\"\" even though it was found.";

struct Przypadek {
    const char *nazwa;
    SrodowiskoStartu srodowisko;
    std::vector<std::string> komunikaty;
    std::string pierwszyWiersz;
};

const Przypadek Przypadki[] = {
    {"no display at all",
     {},
     {XcbBezEkranu, XcbNieWstala, Niezainicjowana},
     "ampelor: nie można połączyć się z ekranem; program wymaga środowiska graficznego "
     "(sprawdź zmienną DISPLAY)."},
    {"an X display that does not answer",
     {":999", "", ""},
     {"qt.qpa.xcb: could not connect to display :999", XcbNieWstala, Niezainicjowana},
     "ampelor: nie można połączyć się z ekranem X11 „:999” przez wtyczkę platformy Qt „xcb” "
     "(sprawdź zmienną DISPLAY)."},
    {"a Wayland session without the Wayland plugin",
     {"", "wayland-0", ""},
     {"qt.qpa.plugin: Could not find the Qt platform plugin \"wayland\" in \"\"", XcbBezEkranu,
      XcbNieWstala, BezWayland},
     "ampelor: sesja Wayland („wayland-0”) wymaga wtyczki platformy Qt „wayland”, której nie "
     "zainstalowano (dostępne: minimal, offscreen, xcb); zainstaluj pakiet qt6-wayland albo "
     "ustaw zmienną DISPLAY, by program działał przez X11."},
    {"a Wayland compositor that does not answer",
     {"", "wayland-9", ""},
     {"Failed to create wl_display (No such file or directory)",
      "qt.qpa.plugin: Could not load the Qt platform plugin \"wayland\" in \"\" even though it "
      "was found.",
      XcbBezEkranu, XcbNieWstala, Niezainicjowana},
     "ampelor: nie można połączyć się z serwerem Wayland „wayland-9” przez wtyczkę platformy Qt "
     "„wayland” (sprawdź zmienne WAYLAND_DISPLAY i XDG_RUNTIME_DIR)."},
    {"an unknown plugin asked for, with a working display",
     {":0", "", "bogus"},
     {"qt.qpa.plugin: Could not find the Qt platform plugin \"bogus\" in \"\"", Niezainicjowana},
     "ampelor: nie ma wtyczki platformy Qt „bogus”, którą wskazuje zmienna QT_QPA_PLATFORM "
     "(dostępne: wayland-egl, minimal, offscreen, xcb, wayland)."},
    {"another plugin that would not start",
     {":0", "", "vnc"},
     {"qt.qpa.plugin: Could not load the Qt platform plugin \"vnc\" in \"\" even though it was "
      "found.",
      Niezainicjowana},
     "ampelor: nie można uruchomić wtyczki platformy Qt „vnc” (dostępne: wayland-egl, minimal, "
     "offscreen, xcb, wayland)."},
    {"a failure the toolkit does not explain",
     {":0", "", ""},
     {"something else went wrong"},
     "ampelor: nie można uruchomić okna programu."},
};

} // namespace

TEST(BladStartu, shouldSayWhatFailedThenWhatTheToolkitSaid)
{
    for (const Przypadek &p : Przypadki) {
        SCOPED_TRACE(p.nazwa);
        const std::string opis = opisBleduStartu(p.srodowisko, p.komunikaty);
        ASSERT_TRUE(opis.ends_with('\n'));
        EXPECT_EQ(opis.substr(0, opis.find('\n')), p.pierwszyWiersz);

        // Then every line the toolkit gave, whole and in order, none left out, none blank.
        std::string oczekiwane = p.pierwszyWiersz + "\n";
        for (const std::string &komunikat : p.komunikaty) {
            std::size_t poczatek = 0;
            while (poczatek < komunikat.size()) {
                std::size_t koniec = komunikat.find('\n', poczatek);
                if (koniec == std::string::npos)
                    koniec = komunikat.size();
                std::string wiersz = komunikat.substr(poczatek, koniec - poczatek);
                wiersz.erase(wiersz.find_last_not_of(' ') + 1);
                if (!wiersz.empty())
                    oczekiwane += "Qt: " + wiersz + "\n";
                poczatek = koniec + 1;
            }
        }
        EXPECT_EQ(opis, oczekiwane);
    }
}
