// Ampelor: designs an LM317 stabilised power supply.

#include "Aplikacja.h"
#include "pLM317.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Until the window system is reached, the toolkit's start-up chatter is held back: without a
// display it would end in a multi-line abort, where one plain sentence says it all.
void wiadomosciStartu(QtMsgType typ, const QMessageLogContext &, const QString &)
{
    if (typ == QtFatalMsg) {
        std::fputs("ampelor: nie można połączyć się z ekranem; program wymaga środowiska "
                   "graficznego (sprawdź zmienną DISPLAY).\n",
                   stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler domyslna = qInstallMessageHandler(wiadomosciStartu);
    QApplication aplikacja(argc, argv);
    qInstallMessageHandler(domyslna);
    przygotujAplikacje(aplikacja);

    pLM317 okno;
    wysrodkuj(okno);
    okno.show();
    return QApplication::exec();
}
