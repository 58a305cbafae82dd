#include "Aplikacja.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

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

QPoint polozenieRamki(QSize ramka, const QRect &obszar)
{
    const auto os = [](int poczatek, int dlugoscObszaru, int dlugosc) {
        return dlugosc <= dlugoscObszaru ? poczatek + (dlugoscObszaru - dlugosc) / 2 : poczatek;
    };
    return {os(obszar.left(), obszar.width(), ramka.width()),
            os(obszar.top(), obszar.height(), ramka.height())};
}

namespace {

void umiescNaSrodku(QWidget &okno)
{
    okno.move(polozenieRamki(okno.frameGeometry().size(), okno.screen()->availableGeometry()));
}

// The window manager frames a window only once it is shown, so the first placement centres the
// bare window and the title bar then pushes it down. The first time the window moves with its
// frame known, it is centred again, frame and all, and the watch ends.
class PoprawkaRamki : public QObject {
  public:
    explicit PoprawkaRamki(QWidget &okno) : QObject(&okno), okno_(okno)
    {
        okno.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Move && okno_.windowHandle() != nullptr &&
            !okno_.windowHandle()->frameMargins().isNull()) {
            okno_.removeEventFilter(this);
            umiescNaSrodku(okno_);
            deleteLater();
        }
        return QObject::eventFilter(obiekt, zdarzenie);
    }

  private:
    QWidget &okno_;
};

} // namespace

void wysrodkuj(QWidget &okno)
{
    // A Wayland compositor places every window itself and takes no position from a program.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    umiescNaSrodku(okno);
    new PoprawkaRamki(okno);
}
