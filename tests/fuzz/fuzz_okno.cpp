// The calculate command through the window's own boxes: the texts are pasted into txUo and
// txUomax (so the 4-character limit applies), the button is pressed, and the five boxes must
// read exactly as the headless calculation answers for the texts the boxes kept.
// Input: the first byte's lowest bit picks the design; the rest is UO, a newline, UOMAX.

#include "CichyUruchamiacz.h"
#include "Wsad.h"
#include "pLM317.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

pLM317 *okno = nullptr;

QLineEdit *pole(const char *nazwa)
{
    return okno->findChild<QLineEdit *>(QLatin1String(nazwa));
}

void wklej(QLineEdit *cel, std::string_view tekst)
{
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size())));
    cel->selectAll();
    cel->paste();
}

// Presses the button, closing an error box as the user would once it is shown.
void oblicz()
{
    QTimer::singleShot(0, qApp, [] {
        if (auto *komunikat = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            komunikat->button(QMessageBox::Ok)->click();
    });
    okno->findChild<QPushButton *>(QStringLiteral("plcOblicz"))->click();
    QCoreApplication::processEvents();
}

void przypadek(bool regulowany, std::string_view uo, std::string_view uomax)
{
    okno->findChild<QAction *>(regulowany ? QStringLiteral("mnuWielo") : QStringLiteral("mnuJedno"))
        ->trigger();
    wklej(pole("txUo"), uo);
    wklej(pole("txUomax"), uomax);
    const QString wpisaneUo = pole("txUo")->text();
    const QString wpisaneUomax = pole("txUomax")->text();
    if (wpisaneUo.size() > 4 || wpisaneUomax.size() > 4)
        std::abort();
    oblicz();

    std::string wiersz = std::string(regulowany ? "1" : "0") + '\t' + wpisaneUo.toStdString() +
                         '\t' + wpisaneUomax.toStdString();
    std::string oczekiwane;
    if (ampelor::przetworzWiersz(wiersz, oczekiwane) != ampelor::BladWiersza::brak)
        return; // a tab inside a box: nothing headless to compare with
    std::string pokazane;
    for (const char *nazwa : {"txUo", "txUomax", "txR1", "txPr", "txR2"})
        pokazane += pole(nazwa)->text().toStdString() + '\t';
    if (oczekiwane.compare(0, pokazane.size(), pokazane) != 0) {
        std::fprintf(stderr, "window: %s\nheadless: %s", pokazane.c_str(), oczekiwane.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nazwa[] = "fuzz_okno";
    static char *argv[] = {nazwa, nullptr};
    new QApplication(argc, argv);
    okno = new pLM317(std::make_unique<CichyUruchamiacz>());
    okno->show();
    // Fonts, styles and the message box are built once here, not counted against an input.
    przypadek(false, "5", "0");
    przypadek(true, "12", "5");
    przypadek(false, "abc", "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dane, std::size_t rozmiar)
{
    if (rozmiar == 0)
        return 0;
    const std::string_view tekst(reinterpret_cast<const char *>(dane) + 1, rozmiar - 1);
    const std::size_t podzial = tekst.find('\n');
    przypadek((dane[0] & 1) != 0, tekst.substr(0, podzial),
              podzial == std::string_view::npos ? std::string_view() : tekst.substr(podzial + 1));
    return 0;
}
