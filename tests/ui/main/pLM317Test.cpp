#include "pLM317.h"
#include "Aplikacja.h"
#include "CichyUruchamiacz.h"
#include "StraznikModalny.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QString Jedno = QStringLiteral("Ampelor - jednonapięciowy");
const QString Wielo = QStringLiteral("Ampelor - regulowany");
const QString BladZakresu =
    QStringLiteral("Napięcie powinno zawierać się w zakresie 1.25V do 30V.");
const QString BladKolejnosci =
    QStringLiteral("Napięcie maksymalne powinno być większe od minimalnego.");

} // namespace

class pLM317Test : public QObject {
    Q_OBJECT

  private:
    template <typename T> T *dziecko(const char *nazwa) const
    {
        T *w = okno_->findChild<T *>(QLatin1String(nazwa));
        if (w == nullptr)
            qFatal("no child named %s", nazwa);
        return w;
    }
    QLineEdit *pole(const char *nazwa) const { return dziecko<QLineEdit>(nazwa); }
    QAction *akcja(const char *nazwa) const { return dziecko<QAction>(nazwa); }
    QStringList wyniki() const
    {
        return {pole("txR1")->text(), pole("txPr")->text(), pole("txR2")->text()};
    }
    void wpisz(const char *nazwa, const QString &tekst) const
    {
        pole(nazwa)->selectAll();
        QTest::keyClicks(pole(nazwa), tekst);
    }
    // Expects the critical error box with this text; checks that the window has not been
    // cleared while it is open, then closes it with OK.
    void oczekujBledu(const QString &tekst)
    {
        const QString wpisane = pole("txUo")->text();
        straznik_->oczekuj([=, this](QWidget *modalne) {
            auto *komunikat = qobject_cast<QMessageBox *>(modalne);
            QVERIFY(komunikat != nullptr);
            QCOMPARE(komunikat->windowTitle(), QStringLiteral("Błąd!"));
            QCOMPARE(komunikat->text(), tekst);
            QCOMPARE(komunikat->icon(), QMessageBox::Critical);
            QCOMPARE(komunikat->standardButtons(), QMessageBox::Ok);
            QCOMPARE(pole("txUo")->text(), wpisane);
            QTest::keyClick(komunikat, Qt::Key_Return);
        });
    }
    void oczekujWyczyszczonegoOkna() const
    {
        QCOMPARE(pole("txUo")->text(), QStringLiteral("0"));
        QCOMPARE(pole("txUomax")->text(), QStringLiteral("0"));
        QCOMPARE(wyniki(), QStringList({"-", "-", "-"}));
        const auto &s = okno_->stan();
        QCOMPARE(s.Uo + s.Uomax + s.R1 + s.Pr + s.R2, 0.f);
    }
    // Runs the event loop as the program does, and tells whether the action ends it.
    static bool programKonczySiePo(const std::function<void()> &akcja)
    {
        QTimer::singleShot(0, qApp, akcja);
        QTimer awaryjny;
        awaryjny.setSingleShot(true);
        QObject::connect(&awaryjny, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        awaryjny.start(5000);
        return QApplication::exec() == 0;
    }
    QString nazwaDostepna(QWidget *w) const
    {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }

    std::unique_ptr<pLM317> okno_;
    std::unique_ptr<StraznikModalny> straznik_;

  private slots:
    void initTestCase()
    {
        static int argc = 0;
        Q_UNUSED(argc);
        przygotujAplikacje(*qApp);
    }

    void init()
    {
        straznik_ = std::make_unique<StraznikModalny>();
        okno_ = std::make_unique<pLM317>(std::make_unique<CichyUruchamiacz>());
        okno_->show();
        okno_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(okno_.get()));
    }

    void cleanup()
    {
        okno_.reset();
        QVERIFY2(straznik_->nieoczekiwane().isEmpty(),
                 qPrintable(straznik_->nieoczekiwane().join(QLatin1Char('\n'))));
        QCOMPARE(straznik_->oczekiwanePozostale(), 0);
        straznik_.reset();
    }

    void shouldHaveDefaultValue()
    {
        QCOMPARE(okno_->windowTitle(), Jedno);
        QCOMPARE(pole("txUo")->text(), QStringLiteral("0"));
        QCOMPARE(pole("txUomax")->text(), QStringLiteral("0"));
        QCOMPARE(wyniki(), QStringList({"-", "-", "-"}));
        QCOMPARE(dziecko<QLabel>("lblUout")->text(), QStringLiteral("Uwy:"));
        QCOMPARE(pole("txUo")->toolTip(), QStringLiteral("Pożądane napięcie wyjściowe."));
        QCOMPARE(pole("txUomax")->toolTip(), QStringLiteral("Maksymalne napięcie wyjściowe."));
        for (const char *ukryty : {"lblUomax", "txUomax", "lbVmax"})
            QVERIFY2(dziecko<QWidget>(ukryty)->isHidden(), ukryty);
        QCOMPARE(okno_->stan().Tryb, ampelor::TrybJedno);
        QCOMPARE(okno_->stan().Rsuma, 0.f);
        QCOMPARE(QApplication::focusWidget(), pole("txUo"));
        QCOMPARE(pole("txUo")->maxLength(), 4);
        QCOMPARE(pole("txUomax")->maxLength(), 4);
        QVERIFY(dziecko<QPushButton>("plcOblicz")->isDefault());
        QCOMPARE(dziecko<QPushButton>("plcOblicz")->text(), QStringLiteral("&O  b  l  i  c  z"));
        QCOMPARE(dziecko<QWidget>("Image1")->toolTip(),
                 QStringLiteral("Ogólny schemat elektryczny zasilacza opartego o układ LM317."));
    }

    void shouldPlaceControlsAsDrawn_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("rodzic");
        QTest::addColumn<QRect>("twipy");
        QTest::addColumn<QString>("tekst");
        const auto wiersz = [](const char *nazwa, const char *rodzic, QRect twipy,
                               const char *tekst) {
            QTest::newRow(nazwa) << QString::fromLatin1(nazwa) << QString::fromLatin1(rodzic)
                                 << twipy << QString::fromUtf8(tekst);
        };
        wiersz("frSchem", "obszarRoboczy", {120, 0, 4935, 2295}, "Schemat");
        wiersz("Image1", "frSchem", {120, 240, 4695, 1935}, "");
        wiersz("Frame2", "obszarRoboczy", {120, 2400, 2055, 975}, "Dane");
        wiersz("lblUout", "Frame2", {120, 240, 855, 255}, "Uwy:");
        wiersz("txUo", "Frame2", {1080, 240, 615, 285}, "0");
        wiersz("Label1", "Frame2", {1800, 240, 135, 255}, "V");
        wiersz("lblUomax", "Frame2", {120, 600, 855, 255}, "Uwy(max):");
        wiersz("txUomax", "Frame2", {1080, 600, 615, 285}, "0");
        wiersz("lbVmax", "Frame2", {1800, 600, 135, 255}, "V");
        wiersz("Frame1", "obszarRoboczy", {2280, 2400, 2775, 1095}, "Wynik");
        wiersz("lblR1", "Frame1", {120, 240, 375, 255}, "R1:");
        wiersz("txR1", "Frame1", {600, 240, 2055, 285}, "-");
        wiersz("lblPr", "Frame1", {120, 480, 375, 255}, "Pr:");
        wiersz("txPr", "Frame1", {600, 480, 2055, 285}, "-");
        wiersz("lblR2", "Frame1", {120, 720, 375, 255}, "R2:");
        wiersz("txR2", "Frame1", {600, 720, 2055, 285}, "-");
        wiersz("plcOblicz", "obszarRoboczy", {120, 3600, 4935, 255}, "&O  b  l  i  c  z");
    }

    void shouldPlaceControlsAsDrawn()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, rodzic);
        QFETCH(QRect, twipy);
        QFETCH(QString, tekst);
        auto *w = okno_->findChild<QWidget *>(nazwa);
        QVERIFY(w != nullptr);
        QCOMPARE(w->parentWidget()->objectName(), rodzic);
        const QRect oczekiwany(okno_->px(twipy.x()), okno_->px(twipy.y()), okno_->px(twipy.width()),
                               okno_->px(twipy.height()));
        QCOMPARE(w->geometry(), oczekiwany);
        QString widoczny;
        if (auto *l = qobject_cast<QLabel *>(w))
            widoczny = l->text();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            widoczny = e->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            widoczny = b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            widoczny = g->title();
        QCOMPARE(widoczny, tekst);
        // Every text fits its control whole.
        if (auto *l = qobject_cast<QLabel *>(w))
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
                     qPrintable(nazwa));
    }

    void shouldBeAFixedSizeWindowWithMinimiseButOnlyNoMaximise()
    {
        QCOMPARE(okno_->minimumSize(), okno_->maximumSize());
        QCOMPARE(okno_->centralWidget()->size(), QSize(okno_->px(5190), okno_->px(3975)));
        QVERIFY(okno_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!okno_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void shouldScaleLayoutWithTheDialogFont()
    {
        // The layout was drawn for 8-point text; a larger system font must not clip it.
        QVERIFY(okno_->skala() >= 1.0);
        const QFontMetrics miara = okno_->fontMetrics();
        QVERIFY(miara.horizontalAdvance(QStringLiteral(" 1.51431 kOhm")) < pole("txPr")->width());
    }

    void shouldKeepTheWholeFrameOnTheScreenElseItsTitleBar_data()
    {
        QTest::addColumn<QSize>("ramka");
        QTest::addColumn<QRect>("obszar");
        QTest::addColumn<QPoint>("polozenie");
        QTest::newRow("fits: centred")
            << QSize(400, 300) << QRect(0, 0, 800, 600) << QPoint(200, 150);
        QTest::newRow("below a top panel")
            << QSize(500, 400) << QRect(0, 32, 1366, 736) << QPoint(433, 200);
        QTest::newRow("on a second screen")
            << QSize(400, 300) << QRect(1366, 0, 1920, 1080) << QPoint(2126, 390);
        QTest::newRow("exactly as tall")
            << QSize(500, 768) << QRect(0, 0, 1366, 768) << QPoint(433, 0);
        // A 20-point system font on a 1366 x 768 screen.
        QTest::newRow("taller: title bar at the top")
            << QSize(971, 799) << QRect(0, 0, 1366, 768) << QPoint(197, 0);
        QTest::newRow("taller, below a top panel")
            << QSize(971, 799) << QRect(0, 27, 1366, 741) << QPoint(197, 27);
        QTest::newRow("wider and taller")
            << QSize(1500, 900) << QRect(0, 0, 1366, 768) << QPoint(0, 0);
    }

    void shouldKeepTheWholeFrameOnTheScreenElseItsTitleBar()
    {
        QFETCH(QSize, ramka);
        QFETCH(QRect, obszar);
        QFETCH(QPoint, polozenie);
        QCOMPARE(polozenieRamki(ramka, obszar), polozenie);
    }

    void shouldHaveMenuWithAccelerators_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QKeySequence>("skrot");
        QTest::newRow("mnuJedno") << "mnuJedno" << QStringLiteral("&Jednonapięciowy")
                                  << QKeySequence(Qt::CTRL | Qt::Key_J);
        QTest::newRow("mnuWielo") << "mnuWielo" << QStringLiteral("&Regulowany")
                                  << QKeySequence(Qt::CTRL | Qt::Key_R);
        QTest::newRow("mnuKoniec")
            << "mnuKoniec" << QStringLiteral("&Koniec") << QKeySequence(Qt::CTRL | Qt::Key_X);
        QTest::newRow("mnuAbout") << "mnuAbout" << QStringLiteral("&O programie...")
                                  << QKeySequence(Qt::CTRL | Qt::Key_I);
    }

    void shouldHaveMenuWithAccelerators()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, tekst);
        QFETCH(QKeySequence, skrot);
        auto *a = okno_->findChild<QAction *>(nazwa);
        QVERIFY(a != nullptr);
        QCOMPARE(a->text(), tekst);
        QCOMPARE(a->shortcut(), skrot);
    }

    void shouldNestMenusAsFileNewAndInfo()
    {
        const auto menus = okno_->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Plik"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Info"));
        const auto plik = menus[0]->menu()->actions();
        QCOMPARE(plik.size(), 3);
        QCOMPARE(plik[0]->text(), QStringLiteral("&Nowy"));
        QVERIFY(plik[1]->isSeparator());
        QCOMPARE(plik[2], akcja("mnuKoniec"));
        QCOMPARE(plik[0]->menu()->actions(),
                 QList<QAction *>({akcja("mnuJedno"), akcja("mnuWielo")}));
        QCOMPARE(menus[1]->menu()->actions(), QList<QAction *>({akcja("mnuAbout")}));
    }

    void shouldMoveFocusInTabOrder()
    {
        okno_->findChild<QAction *>("mnuWielo")->trigger();
        pole("txUo")->setFocus();
        QStringList kolejnosc;
        for (int i = 0; i < 6; ++i) {
            kolejnosc << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(kolejnosc, QStringList({"txUo", "txUomax", "plcOblicz", "txR1", "txPr", "txR2"}));
        QCOMPARE(QApplication::focusWidget(), pole("txUo"));
    }

    void shouldSkipHiddenSecondBoxInTabOrder()
    {
        QTest::keyClick(pole("txUo"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("plcOblicz"));
    }

    void shouldCalculateOnEnterFromTheVoltageBox()
    {
        wpisz("txUo", QStringLiteral("30"));
        QTest::keyClick(pole("txUo"), Qt::Key_Return);
        QTRY_COMPARE(wyniki(), QStringList({" 3.9 kOhm", " 1.51431 kOhm", " 240 Ohm"}));
        QCOMPARE(pole("txUo")->text(), QStringLiteral("30"));
    }

    void shouldCalculateOnEnterFromAnywhere_data()
    {
        QTest::addColumn<QString>("fokus");
        QTest::addColumn<int>("klawisz");
        QTest::newRow("result box, Return") << "txR2" << int(Qt::Key_Return);
        QTest::newRow("button, keypad Enter") << "plcOblicz" << int(Qt::Key_Enter);
    }

    void shouldCalculateOnEnterFromAnywhere()
    {
        QFETCH(QString, fokus);
        QFETCH(int, klawisz);
        wpisz("txUo", QStringLiteral("5"));
        auto *w = okno_->findChild<QWidget *>(fokus);
        w->setFocus();
        QTest::keyClick(w, static_cast<Qt::Key>(klawisz));
        QTRY_COMPARE(wyniki(), QStringList({" 560 Ohm", " 146.21 Ohm", " 240 Ohm"}));
    }

    void shouldCalculateOnAltO()
    {
        wpisz("txUo", QStringLiteral("12"));
        QTest::keyClick(pole("txUo"), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(wyniki(), QStringList({" 1.5 kOhm", " 524.48 Ohm", " 240 Ohm"}));
    }

    void shouldShowRangeErrorThenClearTheWindow_data()
    {
        QTest::addColumn<bool>("regulowany");
        QTest::addColumn<QString>("uo");
        QTest::addColumn<QString>("uomax");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("start state") << false << "0"
                                     << "0" << BladZakresu;
        QTest::newRow("above 30 V") << false << "31"
                                    << "0" << BladZakresu;
        QTest::newRow("letters") << false << "abc"
                                 << "0" << BladZakresu;
        QTest::newRow("empty") << false << ""
                               << "0" << BladZakresu;
        QTest::newRow("adjustable, max 0") << true << "2"
                                           << "0" << BladZakresu;
        QTest::newRow("adjustable, max below min") << true << "12"
                                                   << "5" << BladKolejnosci;
        QTest::newRow("adjustable, equal") << true << "5"
                                           << "5" << BladKolejnosci;
    }

    void shouldShowRangeErrorThenClearTheWindow()
    {
        QFETCH(bool, regulowany);
        QFETCH(QString, uo);
        QFETCH(QString, uomax);
        QFETCH(QString, komunikat);
        if (regulowany)
            akcja("mnuWielo")->trigger();
        // An earlier result, which the error must not leave on screen.
        wpisz("txUo", QStringLiteral("5"));
        wpisz("txUomax", QStringLiteral("15"));
        QTest::keyClick(pole("txUo"), Qt::Key_Return);
        QTRY_VERIFY(pole("txR1")->text() != QStringLiteral("-"));

        wpisz("txUo", uo);
        if (uo.isEmpty())
            pole("txUo")->clear();
        wpisz("txUomax", uomax);
        oczekujBledu(komunikat);
        QTest::keyClick(pole("txUo"), Qt::Key_Return);
        QTRY_COMPARE(straznik_->oczekiwanePozostale(), 0);
        oczekujWyczyszczonegoOkna();
        QCOMPARE(okno_->windowTitle(), regulowany ? Wielo : Jedno);
    }

    void shouldCalculateTheAdjustableDesign()
    {
        akcja("mnuWielo")->trigger();
        wpisz("txUo", QStringLiteral("5"));
        wpisz("txUomax", QStringLiteral("15"));
        QTest::keyClick(pole("txUomax"), Qt::Key_Return);
        QTRY_COMPARE(wyniki(), QStringList({" 680 Ohm", " 1.8 kOhm", " 270 Ohm"}));
    }

    void shouldSwitchDesignsAndClear_data()
    {
        QTest::addColumn<QStringList>("przelaczenia");
        QTest::addColumn<bool>("regulowany");
        QTest::newRow("to adjustable") << QStringList{"mnuWielo"} << true;
        QTest::newRow("back to single") << QStringList{"mnuWielo", "mnuJedno"} << false;
        QTest::newRow("single again") << QStringList{"mnuJedno"} << false;
        QTest::newRow("adjustable again") << QStringList{"mnuWielo", "mnuWielo"} << true;
    }

    void shouldSwitchDesignsAndClear()
    {
        QFETCH(QStringList, przelaczenia);
        QFETCH(bool, regulowany);
        for (const QString &nazwa : przelaczenia) {
            wpisz("txUo", QStringLiteral("5"));
            wpisz("txUomax", QStringLiteral("15"));
            QTest::keyClick(pole("txUo"), Qt::Key_Return);
            QTRY_VERIFY(pole("txR1")->text() != QStringLiteral("-"));
            const float rsuma = okno_->stan().Rsuma;
            okno_->findChild<QAction *>(nazwa)->trigger();
            oczekujWyczyszczonegoOkna();
            QCOMPARE(okno_->stan().Rsuma, rsuma);
        }
        QCOMPARE(okno_->stan().Tryb, regulowany ? ampelor::TrybWielo : ampelor::TrybJedno);
        QCOMPARE(okno_->windowTitle(), regulowany ? Wielo : Jedno);
        QCOMPARE(dziecko<QLabel>("lblUout")->text(),
                 regulowany ? QStringLiteral("Uwy(min):") : QStringLiteral("Uwy:"));
        QCOMPARE(pole("txUo")->toolTip(), regulowany
                                              ? QStringLiteral("Minimalne napięcie wyjściowe.")
                                              : QStringLiteral("Pożądane napięcie wyjściowe."));
        for (const char *drugi : {"lblUomax", "txUomax", "lbVmax"})
            QCOMPARE(dziecko<QWidget>(drugi)->isVisible(), regulowany);
        QCOMPARE(pole("txUomax")->toolTip(), QStringLiteral("Maksymalne napięcie wyjściowe."));
        QCOMPARE(dziecko<QLabel>("Label1")->text(), QStringLiteral("V"));
    }

    void shouldSwitchDesignsByAcceleratorFromATextBox()
    {
        pole("txUo")->setFocus();
        QTest::keyClick(pole("txUo"), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(okno_->windowTitle(), Wielo);
        QTest::keyClick(pole("txUo"), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(okno_->windowTitle(), Jedno);
    }

    void shouldEndOnCtrlXEvenWhileTypingInsteadOfCutting()
    {
        QApplication::clipboard()->setText(QStringLiteral("schowek"));
        wpisz("txUo", QStringLiteral("12"));
        pole("txUo")->selectAll();
        QVERIFY(programKonczySiePo(
            [this] { QTest::keyClick(pole("txUo"), Qt::Key_X, Qt::ControlModifier); }));
        QCOMPARE(pole("txUo")->text(), QStringLiteral("12"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("schowek"));
    }

    void shouldEndWhenClosedFromTheTitleBar()
    {
        QVERIFY(programKonczySiePo([this] { okno_->close(); }));
    }

    void shouldTakeAtMostFourCharacters_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("txUo") << "txUo";
        QTest::newRow("txUomax") << "txUomax";
    }

    void shouldTakeAtMostFourCharacters()
    {
        QFETCH(QString, nazwa);
        akcja("mnuWielo")->trigger();
        auto *w = okno_->findChild<QLineEdit *>(nazwa);
        w->setFocus();
        w->selectAll();
        QTest::keyClicks(w, QStringLiteral("123456"));
        QCOMPARE(w->text(), QStringLiteral("1234"));
        QApplication::clipboard()->setText(QStringLiteral("987654"));
        w->selectAll();
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->text(), QStringLiteral("9876"));
    }

    void shouldSpeakLabelsAsTheBoxesNames()
    {
        QCOMPARE(nazwaDostepna(pole("txUo")), QStringLiteral("Uwy:"));
        QCOMPARE(nazwaDostepna(pole("txR1")), QStringLiteral("R1:"));
        QCOMPARE(nazwaDostepna(pole("txPr")), QStringLiteral("Pr:"));
        QCOMPARE(nazwaDostepna(pole("txR2")), QStringLiteral("R2:"));
        QCOMPARE(nazwaDostepna(dziecko<QPushButton>("plcOblicz")), QStringLiteral("Oblicz"));
        QCOMPARE(dziecko<QWidget>("Image1")->accessibleDescription(),
                 dziecko<QWidget>("Image1")->toolTip());
        akcja("mnuWielo")->trigger();
        QCOMPARE(nazwaDostepna(pole("txUo")), QStringLiteral("Uwy(min):"));
        QCOMPARE(nazwaDostepna(pole("txUomax")), QStringLiteral("Uwy(max):"));
    }

    void shouldOpenTheAboutBoxModallyAndReuseItAfterOk()
    {
        QPointer<QDialog> pierwsze;
        straznik_->oczekuj([&, this](QWidget *modalne) {
            pierwsze = qobject_cast<QDialog *>(modalne);
            QVERIFY(pierwsze != nullptr);
            QCOMPARE(pierwsze->objectName(), QStringLiteral("fAbout"));
            QCOMPARE(pierwsze->windowTitle(), QStringLiteral("O programie..."));
            QCOMPARE(pierwsze->parentWidget(), okno_.get());
            QVERIFY(pierwsze->isModal());
            // The main window's accelerators and menus take no input meanwhile.
            QTest::keyClick(okno_.get(), Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(okno_->windowTitle(), Jedno);
            QCOMPARE(QApplication::activeModalWidget(), pierwsze.data());
            pierwsze->findChild<QPushButton *>(QStringLiteral("plcCloseAbout"))->click();
        });
        QTest::keyClick(pole("txUo"), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(straznik_->oczekiwanePozostale(), 0);
        QVERIFY(pierwsze != nullptr);
        QVERIFY(pierwsze->isHidden());

        straznik_->oczekuj([&](QWidget *modalne) {
            QCOMPARE(modalne, pierwsze.data());
            static_cast<QDialog *>(modalne)
                ->findChild<QPushButton *>(QStringLiteral("plcCloseAbout"))
                ->click();
        });
        akcja("mnuAbout")->trigger();
        QCOMPARE(straznik_->oczekiwanePozostale(), 0);
    }

    void shouldShowTheToolkitsTextsInPolish()
    {
        std::unique_ptr<QMenu> menu(pole("txUo")->createStandardContextMenu());
        QStringList teksty;
        for (QAction *a : menu->actions())
            teksty << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        for (const char *oczekiwany : {"Cofnij", "Wytnij", "Skopiuj", "Wklej"})
            QVERIFY2(teksty.contains(QString::fromUtf8(oczekiwany)),
                     qPrintable(teksty.join(QLatin1Char(','))));
    }
};

QTEST_MAIN(pLM317Test)
#include "pLM317Test.moc"
