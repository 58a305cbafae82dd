#include "fAbout.h"

#include "StraznikModalny.h"
#include "Uruchamiacz.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using ampelor::StylOkna;

namespace {

// Notes each command line with its window style instead of starting anything.
class NagrywajacyUruchamiacz final : public ampelor::Uruchamiacz {
  public:
    bool uruchom(const std::string &wierszPolecen, StylOkna styl) override
    {
        wywolania << QString::fromStdString(wierszPolecen) + (styl == StylOkna::Normalny
                                                                  ? QStringLiteral(" (normalnie)")
                                                                  : QStringLiteral(" (ukryte)"));
        return udaje;
    }

    QStringList wywolania;
    bool udaje = true; // false: no start succeeds
};

const QString kStronaWww = QStringLiteral("iexplore.exe http://www.ampelor.example/ (normalnie)");
const QString kPoczta = QStringLiteral("iexplore.exe mailto:kontakt@ampelor.example (ukryte)");

QRect zTwipow(int lewo, int gora, int szerokosc, int wysokosc)
{
    return {lewo / 15, gora / 15, szerokosc / 15, wysokosc / 15};
}

QImage jakoArgb(const QImage &obraz)
{
    return obraz.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool maKolor(const QImage &obraz, const QRect &prostokat, QColor kolor)
{
    for (int y = prostokat.top(); y <= prostokat.bottom(); ++y)
        for (int x = prostokat.left(); x <= prostokat.right(); ++x)
            if (obraz.pixelColor(x, y) == kolor)
                return true;
    return false;
}

// The box's client area over its owner's, give or take the rounding of odd sizes.
bool wysrodkowane(const QWidget *okno, const QWidget *wlasciciel)
{
    const QPoint roznica = okno->geometry().center() - wlasciciel->geometry().center();
    return roznica.manhattanLength() <= 2;
}

} // namespace

class fAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void shouldHaveDefaultValue();
    void shouldShowEachLabelAsLaidOut_data();
    void shouldShowEachLabelAsLaidOut();
    void shouldShowLinkCursorWithHotSpotAtFingertip();
    void shouldDrawLinksInPureBlueOnButtonFace();
    void shouldBeCreatedOnceHiddenByOkAndDestroyedByWindowClose();
    void shouldPressOkFromKeyboardButIgnoreEscape_data();
    void shouldPressOkFromKeyboardButIgnoreEscape();
    void shouldStartBrowserOnEachClickOfLink_data();
    void shouldStartBrowserOnEachClickOfLink();
    void shouldWarnWhenBrowserCannotBeStarted_data();
    void shouldWarnWhenBrowserCannotBeStarted();

  private:
    void otworz();
    template <typename T = QWidget> T *kontrolka(const char *nazwa) const
    {
        return about_ ? about_->findChild<T *>(QString::fromLatin1(nazwa)) : nullptr;
    }
    QPushButton *ok() const { return kontrolka<QPushButton>("plcCloseAbout"); }

    NagrywajacyUruchamiacz uruchamiacz_;
    std::unique_ptr<QWidget> wlasciciel_;
    QPointer<fAbout> about_;
    std::unique_ptr<StraznikModalny> straznik_;
};

void fAboutTest::init()
{
    uruchamiacz_.wywolania.clear();
    uruchamiacz_.udaje = true;
    // Stands in for the main window, which owns the box.
    wlasciciel_ = std::make_unique<QWidget>();
    wlasciciel_->setGeometry(200, 150, 346, 265);
    wlasciciel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(wlasciciel_.get()));
    straznik_ = std::make_unique<StraznikModalny>();
}

void fAboutTest::cleanup()
{
    const QStringList nieoczekiwane = straznik_->nieoczekiwane();
    const int pozostale = straznik_->oczekiwanePozostale();
    straznik_.reset();
    wlasciciel_.reset(); // and the box with it
    QVERIFY2(nieoczekiwane.isEmpty(), qPrintable(nieoczekiwane.join(u'\n')));
    QCOMPARE(pozostale, 0);
}

// As the main window's menu command opens the box.
void fAboutTest::otworz()
{
    if (!about_)
        about_ = new fAbout(wlasciciel_.get(), uruchamiacz_);
    about_->exec();
}

void fAboutTest::shouldHaveDefaultValue()
{
    about_ = new fAbout(wlasciciel_.get(), uruchamiacz_);

    QCOMPARE(about_->windowTitle(), QStringLiteral("O programie..."));
    QVERIFY(about_->parentWidget() == wlasciciel_.get());
    QCOMPARE(about_->windowType(), Qt::Tool);
    QVERIFY(
        !(about_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about_->size(), QSize(238, 262));
    QCOMPARE(about_->minimumSize(), about_->size());
    QCOMPARE(about_->maximumSize(), about_->size());
    QCOMPARE(about_->backgroundRole(), QPalette::Window);
    const QImage ikona(QStringLiteral(":/ampelor-32.xpm"));
    QCOMPARE(ikona.size(), QSize(32, 32));
    QCOMPARE(jakoArgb(about_->windowIcon().pixmap(32, 32).toImage()), jakoArgb(ikona));

    QVERIFY(ok());
    QCOMPARE(ok()->text(), QStringLiteral("&OK"));
    QCOMPARE(ok()->geometry(), zTwipow(1200, 3240, 1215, 495));
    QVERIFY(!ok()->testAttribute(Qt::WA_SetFont)); // the default dialog font
    QVERIFY(!ok()->isDefault());
    QVERIFY(!ok()->autoDefault());

    QStringList tabulacja;
    for (QWidget *w = about_->nextInFocusChain(); w != about_; w = w->nextInFocusChain())
        tabulacja << w->objectName();
    QCOMPARE(tabulacja,
             (QStringList{"Label1", "Label2", "plcCloseAbout", "Label4", "Label5", "Label6"}));
    for (const QWidget *w : about_->findChildren<QWidget *>())
        QVERIFY2((w->focusPolicy() != Qt::NoFocus) == (w == ok()), qPrintable(w->objectName()));
    QVERIFY(about_->isHidden());
    QVERIFY(uruchamiacz_.wywolania.isEmpty());
}

void fAboutTest::shouldShowEachLabelAsLaidOut_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QRect>("miejsce");
    QTest::addColumn<QStringList>("kroje"); // the designed face, then those that may stand in
    QTest::addColumn<qreal>("punkty");
    QTest::addColumn<bool>("kursywa");
    QTest::addColumn<bool>("zawijany");
    QTest::addColumn<bool>("lacze"); // blue and underlined

    const QStringList msSansSerif{"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
    QTest::newRow("Label1") << QStringLiteral("Ampelor") << zTwipow(240, 120, 3135, 495)
                            << QStringList{"Comic Sans MS", "Comic Neue"} << 18.0 << false << false
                            << false;
    QTest::newRow("Label6") << QStringLiteral("V. 1.11") << zTwipow(840, 600, 1815, 255)
                            << msSansSerif << 12.0 << true << false << false;
    QTest::newRow("Label2") << QStringLiteral("Program służy do projektowania zasilaczy "
                                              "stabilizowanych w oparciu o scalony stabilizator "
                                              "napięcia LM317.")
                            << zTwipow(240, 1800, 3015, 735)
                            << QStringList{"Arial", "Liberation Sans", "DejaVu Sans"} << 8.25
                            << false << true << false;
    QTest::newRow("Label4") << QStringLiteral("www: http://www.ampelor.example")
                            << zTwipow(600, 2640, 2175, 255) << msSansSerif << 8.25 << false
                            << false << true;
    QTest::newRow("Label5") << QStringLiteral("e-mail: kontakt@ampelor.example")
                            << zTwipow(600, 2880, 2175, 255) << msSansSerif << 8.25 << false
                            << false << true;
}

void fAboutTest::shouldShowEachLabelAsLaidOut()
{
    QFETCH(QString, tekst);
    QFETCH(QRect, miejsce);
    QFETCH(QStringList, kroje);
    QFETCH(qreal, punkty);
    QFETCH(bool, kursywa);
    QFETCH(bool, zawijany);
    QFETCH(bool, lacze);

    about_ = new fAbout(wlasciciel_.get(), uruchamiacz_);
    const QLabel *etykieta = kontrolka<QLabel>(QTest::currentDataTag());
    QVERIFY(etykieta);
    QCOMPARE(etykieta->text(), tekst);
    QVERIFY(etykieta->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(etykieta->wordWrap(), zawijany);

    const QFont font = etykieta->font();
    QCOMPARE(font.families().value(0), kroje.first());
    const QString rysowany = QFontInfo(font).family();
    QVERIFY2(kroje.contains(rysowany), qPrintable(rysowany));
    QCOMPARE(font.pointSizeF(), punkty);
    QCOMPARE(font.weight(), QFont::Normal);
    QCOMPARE(font.italic(), kursywa);
    QCOMPARE(font.underline(), lacze);

    const QColor kolor = lacze ? QColor(0, 0, 255) : about_->palette().color(QPalette::WindowText);
    for (const auto grupa : {QPalette::Active, QPalette::Inactive})
        QCOMPARE(etykieta->palette().color(grupa, QPalette::WindowText), kolor);

    // Where a stand-in face needs more room the label may have grown, but about its laid-out
    // centre and from its laid-out top, so that the text stands where it was designed to.
    const QRect geometria = etykieta->geometry();
    QCOMPARE(geometria.top(), miejsce.top());
    QVERIFY(qAbs(2 * geometria.left() + geometria.width() - 2 * miejsce.left() - miejsce.width()) <=
            1);
    QVERIFY(geometria.width() >= miejsce.width());
    QVERIFY(geometria.height() >= miejsce.height());
    QVERIFY(about_->rect().contains(geometria));

    // Whole, with every letter in the face that draws it: none cut off, none a blank box.
    const QFontMetrics metryka(font);
    const int uklad = Qt::AlignHCenter | Qt::AlignTop | (zawijany ? Qt::TextWordWrap : 0);
    const QRect napis = metryka.boundingRect(etykieta->contentsRect(), uklad, tekst);
    QVERIFY2(etykieta->contentsRect().contains(napis),
             qPrintable(QStringLiteral("%1x%2 needed").arg(napis.width()).arg(napis.height())));
    for (const char32_t znak : tekst.toUcs4())
        QVERIFY2(metryka.inFontUcs4(znak), qPrintable(QString::fromUcs4(&znak, 1)));
}

void fAboutTest::shouldShowLinkCursorWithHotSpotAtFingertip()
{
    about_ = new fAbout(wlasciciel_.get(), uruchamiacz_);
    QFile xpm(QStringLiteral(":/kursor-link.xpm"));
    QVERIFY(xpm.open(QIODevice::ReadOnly | QIODevice::Text));
    // The values line: width, height, colours, characters per pixel, then the hot spot.
    const QRegularExpressionMatch naglowek =
        QRegularExpression(QStringLiteral(R"xpm("(\d+) (\d+) \d+ \d+ (\d+) (\d+)")xpm"))
            .match(QString::fromLatin1(xpm.readAll()));
    QVERIFY(naglowek.hasMatch());
    const QPoint goraczka(naglowek.captured(3).toInt(), naglowek.captured(4).toInt());
    QCOMPARE(goraczka, QPoint(12, 1));
    const QImage obraz(QStringLiteral(":/kursor-link.xpm"));
    QCOMPARE(obraz.size(), QSize(32, 32));

    for (const char *nazwa : {"Label4", "Label5"}) {
        const QCursor kursor = kontrolka(nazwa)->cursor();
        QCOMPARE(kursor.shape(), Qt::BitmapCursor);
        QCOMPARE(kursor.hotSpot(), goraczka);
        QCOMPARE(jakoArgb(kursor.pixmap().toImage()), jakoArgb(obraz));
    }
    for (const char *nazwa : {"Label1", "Label2", "Label6", "plcCloseAbout"})
        QVERIFY2(!kontrolka(nazwa)->testAttribute(Qt::WA_SetCursor), nazwa);
}

// Also leaves the picture of the box in the build folder, as about.png.
void fAboutTest::shouldDrawLinksInPureBlueOnButtonFace()
{
    about_ = new fAbout(wlasciciel_.get(), uruchamiacz_);
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_));
    const QImage obraz = about_->grab().toImage();
    const QString plik = QCoreApplication::applicationDirPath() + QStringLiteral("/about.png");
    QVERIFY2(obraz.save(plik), qPrintable(plik));

    QCOMPARE(obraz.size(), QSize(238, 262));
    const QColor tlo = about_->palette().color(QPalette::Window);
    QCOMPARE(obraz.pixelColor(0, 0), tlo);
    QCOMPARE(obraz.pixelColor(237, 261), tlo);
    const QColor niebieski(0, 0, 255);
    for (const char *nazwa : {"Label4", "Label5"})
        QVERIFY2(maKolor(obraz, kontrolka(nazwa)->geometry(), niebieski), nazwa);
    for (const char *nazwa : {"Label1", "Label2", "Label6"})
        QVERIFY2(!maKolor(obraz, kontrolka(nazwa)->geometry(), niebieski), nazwa);
}

void fAboutTest::shouldBeCreatedOnceHiddenByOkAndDestroyedByWindowClose()
{
    QVERIFY(about_.isNull());
    QPointer<fAbout> pierwsze;
    QPoint miejsce;
    straznik_->oczekuj([&](QWidget *okno) {
        pierwsze = about_;
        QVERIFY(pierwsze && okno == pierwsze);
        QVERIFY(okno->isModal());
        QVERIFY(wysrodkowane(okno, wlasciciel_.get()));
        QTRY_VERIFY(QApplication::focusWidget() == ok());
        miejsce = okno->pos();
        QTest::mouseClick(ok(), Qt::LeftButton);
    });
    otworz();
    QVERIFY(pierwsze);
    QVERIFY(pierwsze->isHidden());
    QTRY_VERIFY(wlasciciel_->isActiveWindow()); // the main window takes input again

    // Shown again after OK: the same box, where it was, even though its owner has moved.
    wlasciciel_->move(wlasciciel_->pos() + QPoint(100, 60));
    straznik_->oczekuj([&](QWidget *okno) {
        QVERIFY(okno == pierwsze);
        QCOMPARE(okno->pos(), miejsce);
        QTRY_VERIFY(QApplication::focusWidget() == ok());
        QVERIFY(okno->windowHandle()->close()); // as the close box does
    });
    otworz();
    // Gone once the event loop has run again, as it does before the next menu command.
    QTRY_VERIFY(pierwsze.isNull());
    QVERIFY(about_.isNull());

    // Closed through the window system: the next opening creates the box afresh.
    straznik_->oczekuj([&](QWidget *okno) {
        QVERIFY(about_ && okno == about_);
        QVERIFY(wysrodkowane(okno, wlasciciel_.get()));
        QTRY_VERIFY(QApplication::focusWidget() == ok());
        QTest::mouseClick(ok(), Qt::LeftButton);
    });
    otworz();
    QVERIFY(about_);
    QVERIFY(about_->isHidden());
}

void fAboutTest::shouldPressOkFromKeyboardButIgnoreEscape_data()
{
    QTest::addColumn<Qt::Key>("klawisz");
    QTest::addColumn<Qt::KeyboardModifiers>("modyfikatory");
    QTest::addColumn<bool>("naciskaOk");

    QTest::newRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers() << true;
    QTest::newRow("Enter") << Qt::Key_Return << Qt::KeyboardModifiers() << true;
    QTest::newRow("Enter on the keypad")
        << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("Alt+O") << Qt::Key_O << Qt::KeyboardModifiers(Qt::AltModifier) << true;
    QTest::newRow("Escape") << Qt::Key_Escape << Qt::KeyboardModifiers() << false;
    QTest::newRow("Tab") << Qt::Key_Tab << Qt::KeyboardModifiers() << false;
}

void fAboutTest::shouldPressOkFromKeyboardButIgnoreEscape()
{
    QFETCH(Qt::Key, klawisz);
    QFETCH(Qt::KeyboardModifiers, modyfikatory);
    QFETCH(bool, naciskaOk);

    straznik_->oczekuj([&](QWidget *okno) {
        QTRY_VERIFY(QApplication::focusWidget() == ok());
        QSignalSpy nacisniecia(ok(), &QPushButton::clicked);
        QTest::keyClick(okno->windowHandle(), klawisz, modyfikatory);
        if (naciskaOk) {
            QTRY_VERIFY(okno->isHidden()); // Alt+O shows the press before it acts
            QCOMPARE(nacisniecia.count(), 1);
            return;
        }
        QCoreApplication::processEvents();
        QVERIFY(okno->isVisible());
        QVERIFY(QApplication::focusWidget() == ok());
        QCOMPARE(nacisniecia.count(), 0);
        ok()->click();
    });
    otworz();
    QVERIFY(about_); // hidden, not destroyed
    QVERIFY(about_->isHidden());
    QVERIFY(uruchamiacz_.wywolania.isEmpty());
}

void fAboutTest::shouldStartBrowserOnEachClickOfLink_data()
{
    QTest::addColumn<QString>("etykieta");
    QTest::addColumn<Qt::MouseButton>("przycisk");
    QTest::addColumn<bool>("podwojnie");
    QTest::addColumn<QStringList>("wywolania");

    QTest::newRow("web link") << "Label4" << Qt::LeftButton << false << QStringList{kStronaWww};
    QTest::newRow("mail link") << "Label5" << Qt::LeftButton << false << QStringList{kPoczta};
    QTest::newRow("web link double-clicked")
        << "Label4" << Qt::LeftButton << true << QStringList{kStronaWww, kStronaWww};
    QTest::newRow("mail link double-clicked")
        << "Label5" << Qt::LeftButton << true << QStringList{kPoczta, kPoczta};
    QTest::newRow("web link right-clicked")
        << "Label4" << Qt::RightButton << false << QStringList{};
    QTest::newRow("description") << "Label2" << Qt::LeftButton << false << QStringList{};
}

void fAboutTest::shouldStartBrowserOnEachClickOfLink()
{
    QFETCH(QString, etykieta);
    QFETCH(Qt::MouseButton, przycisk);
    QFETCH(bool, podwojnie);
    QFETCH(QStringList, wywolania);

    straznik_->oczekuj([&](QWidget *okno) {
        QTRY_VERIFY(QApplication::focusWidget() == ok());
        const QPoint punkt = kontrolka(qPrintable(etykieta))->geometry().center();
        if (podwojnie)
            QTest::mouseDClick(okno->windowHandle(), przycisk, {}, punkt);
        else
            QTest::mouseClick(okno->windowHandle(), przycisk, {}, punkt);
        QCOMPARE(uruchamiacz_.wywolania, wywolania);
        // The box stays open and modal.
        QCoreApplication::processEvents();
        QVERIFY(okno->isVisible());
        QVERIFY(QApplication::activeModalWidget() == okno);
        ok()->click();
    });
    otworz();
    QCOMPARE(uruchamiacz_.wywolania, wywolania);
}

void fAboutTest::shouldWarnWhenBrowserCannotBeStarted_data()
{
    QTest::addColumn<QString>("etykieta");
    QTest::addColumn<QString>("wywolanie");

    QTest::newRow("web link") << "Label4" << kStronaWww;
    QTest::newRow("mail link") << "Label5" << kPoczta;
}

void fAboutTest::shouldWarnWhenBrowserCannotBeStarted()
{
    QFETCH(QString, etykieta);
    QFETCH(QString, wywolanie);

    uruchamiacz_.udaje = false;
    about_ = new fAbout(wlasciciel_.get(), uruchamiacz_);
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_));
    // Shown without exec(): the watchdog cannot answer a modal window that opens inside one of
    // its own handlers, and the warning would be one.
    straznik_->oczekuj([&](QWidget *okno) {
        auto *komunikat = qobject_cast<QMessageBox *>(okno);
        QVERIFY(komunikat);
        QVERIFY(komunikat->parentWidget() == about_);
        QCOMPARE(komunikat->windowTitle(), QStringLiteral("Ampelor"));
        QCOMPARE(komunikat->text(), QStringLiteral("Nie udało się uruchomić przeglądarki."));
        QCOMPARE(komunikat->icon(), QMessageBox::Warning);
        komunikat->accept();
    });
    QTest::mouseClick(about_->windowHandle(), Qt::LeftButton, {},
                      kontrolka(qPrintable(etykieta))->geometry().center());
    QCOMPARE(straznik_->oczekiwanePozostale(), 0);
    QCOMPARE(uruchamiacz_.wywolania, QStringList{wywolanie});
    QVERIFY(about_ && about_->isVisible());
}

QTEST_MAIN(fAboutTest)
#include "fAboutTest.moc"
