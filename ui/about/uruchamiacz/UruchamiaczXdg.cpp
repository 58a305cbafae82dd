#include "Uruchamiacz.h"

#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <optional>
#include <string_view>

namespace ampelor {

namespace {

// The about box writes its links as the Windows browser command line: this program name, one
// blank and one address.
constexpr std::string_view kPrzegladarka = "iexplore.exe ";

// The address of a browser command line, or nothing for any other command line. Only web and
// mail addresses pass: xdg-open would as readily open a local file or a desktop entry, which no
// link of this program asks for.
std::optional<QUrl> adresPrzegladarki(const std::string &wierszPolecen)
{
    if (!wierszPolecen.starts_with(kPrzegladarka))
        return std::nullopt;
    const QString argument = QString::fromStdString(wierszPolecen.substr(kPrzegladarka.size()));
    if (argument.isEmpty() || std::ranges::any_of(argument, [](QChar z) { return z.isSpace(); }))
        return std::nullopt;
    const QUrl adres(argument, QUrl::StrictMode);
    const QStringList znaneSchematy{QStringLiteral("http"), QStringLiteral("https"),
                                    QStringLiteral("mailto")};
    if (!adres.isValid() || !znaneSchematy.contains(adres.scheme()))
        return std::nullopt;
    return adres;
}

// Opens the address with xdg-open, which hands it to the user's own browser or mail program.
//
// xdg-open is called directly rather than through QDesktopServices::openUrl. On X11 the latter
// ends in xdg-open too, but it is only as good as the platform plugin: under the offscreen
// plugin (tests, headless runs) Qt 6.4 opens nothing and answers false. Called directly,
// xdg-open behaves the same under every plugin. The address goes to it as a single argument
// straight to exec, never through a shell, so no character in it is interpreted.
//
// The window style cannot be honoured here. xdg-open offers no way to ask the program it picks
// to start hidden or to take the focus, and on X11 and Wayland it is the window manager that
// decides whether a new window gets the focus. Nor is it needed for the mail link: on Windows
// the hidden style keeps the browser's own window out of sight while the mail program opens,
// and here xdg-open opens the mail program without any browser window at all.
class UruchamiaczXdg final : public Uruchamiacz {
  public:
    bool uruchom(const std::string &wierszPolecen, StylOkna /*styl*/) override
    {
        const std::optional<QUrl> adres = adresPrzegladarki(wierszPolecen);
        return adres && QProcess::startDetached(QStringLiteral("xdg-open"),
                                                {adres->toString(QUrl::FullyEncoded)});
    }
};

} // namespace

std::unique_ptr<Uruchamiacz> utworzUruchamiaczSystemowy()
{
    return std::make_unique<UruchamiaczXdg>();
}

} // namespace ampelor
