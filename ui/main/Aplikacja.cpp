#include "Aplikacja.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

void przygotujAplikacje(QApplication &aplikacja)
{
    QApplication::setApplicationName(QStringLiteral("Ampelor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("ampelor"));
    QIcon ikona;
    ikona.addFile(QStringLiteral(":/ampelor-16.xpm"));
    ikona.addFile(QStringLiteral(":/ampelor-32.xpm"));
    QApplication::setWindowIcon(ikona);

    // The interface is Polish whatever the locale, and so are the toolkit's own texts:
    // a text box's context menu, the buttons of a message box.
    auto *tlumaczenie = new QTranslator(&aplikacja);
    if (tlumaczenie->load(QStringLiteral("qtbase_pl"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(tlumaczenie);
    else
        delete tlumaczenie;
}

void wysrodkuj(QWidget &okno)
{
    const QRect ekran = okno.screen()->availableGeometry();
    QRect ramka = okno.frameGeometry();
    ramka.moveCenter(ekran.center());
    okno.move(ramka.topLeft());
}
