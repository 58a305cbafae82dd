// Ampelor: designs an LM317 stabilised power supply.

#include "Aplikacja.h"
#include "BladStartu.h"
#include "pLM317.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> komunikatyStartu;

// Until the window system is reached, the toolkit's start-up messages are held back. Should
// it fail, they end in a multi-line abort; instead the program says in one Polish sentence what
// failed, followed by what the toolkit said, and ends with status 1.
void wiadomosciStartu(QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst)
{
    const std::string kategoria = kontekst.category ? kontekst.category : "";
    komunikatyStartu.push_back(
        (kategoria.empty() || kategoria == "default" ? "" : kategoria + ": ") +
        tekst.toStdString());
    if (typ != QtFatalMsg)
        return;
    const SrodowiskoStartu srodowisko{qEnvironmentVariable("DISPLAY").toStdString(),
                                      qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
                                      qEnvironmentVariable("QT_QPA_PLATFORM").toStdString()};
    std::fputs(opisBleduStartu(srodowisko, komunikatyStartu).c_str(), stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler domyslna = qInstallMessageHandler(wiadomosciStartu);
    QApplication aplikacja(argc, argv);
    qInstallMessageHandler(domyslna);
    komunikatyStartu.clear();
    przygotujAplikacje(aplikacja);

    pLM317 okno;
    wysrodkuj(okno);
    okno.show();
    return QApplication::exec();
}
