// The windows on a real Wayland compositor (weston's headless backend, started by
// na-waylandzie.sh): the main window opens and calculates, the about box opens modally and
// closes, the compositor is left to place them, and the toolkit warns of nothing on the way.
// Screenshots from weston's screenshooter go to the folder named by AMPELOR_ZRZUTY.

#include "Aplikacja.h"
#include "CichyUruchamiacz.h"
#include "StraznikModalny.h"
#include "pLM317.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

QStringList ostrzezenia;
QtMessageHandler domyslna = nullptr;

void zapiszOstrzezenie(QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst)
{
    if (typ == QtWarningMsg || typ == QtCriticalMsg)
        ostrzezenia << QStringLiteral("%1: %2").arg(QLatin1String(kontekst.category), tekst);
    domyslna(typ, kontekst, tekst);
}

// Saves the compositor's whole output as NAME in the screenshot folder; empty when it worked.
QString zrzut(const QString &nazwa)
{
    QTemporaryDir katalog;
    QProcess zrzut;
    zrzut.setWorkingDirectory(katalog.path());
    zrzut.start(QStringLiteral("weston-screenshooter"), {});
    if (!zrzut.waitForFinished(10000) || zrzut.exitCode() != 0)
        return QStringLiteral("weston-screenshooter failed: ") +
               QString::fromLocal8Bit(zrzut.readAllStandardError());
    const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.png")});
    if (pliki.size() != 1)
        return QStringLiteral("weston-screenshooter left %1 pictures").arg(pliki.size());
    const QString cel = qEnvironmentVariable("AMPELOR_ZRZUTY") + u'/' + nazwa;
    QFile::remove(cel);
    if (!QFile::rename(katalog.filePath(pliki.front()), cel))
        return QStringLiteral("cannot save ") + cel;
    if (QImage(cel).isNull())
        return cel + QStringLiteral(" is no picture");
    qInfo("zrzut ekranu: %s", qPrintable(cel));
    return {};
}

// Counts the moves of a window: placement that fought the compositor would move it on and on.
class LicznikRuchow : public QObject {
  public:
    int ruchy = 0;

  protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Move)
            ++ruchy;
        return QObject::eventFilter(obiekt, zdarzenie);
    }
};

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<pLM317> okno_;
    StraznikModalny straznik_;

    QLineEdit *pole(const char *nazwa) const
    {
        return okno_->findChild<QLineEdit *>(QLatin1String(nazwa));
    }

  private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY2(!qEnvironmentVariableIsEmpty("AMPELOR_ZRZUTY"), "AMPELOR_ZRZUTY not set");
        przygotujAplikacje(*qApp);
        domyslna = qInstallMessageHandler(zapiszOstrzezenie);
    }

    void shouldOpenAndCalculateWhereTheCompositorPlacesIt()
    {
        okno_ = std::make_unique<pLM317>(std::make_unique<CichyUruchamiacz>());
        LicznikRuchow licznik;
        okno_->installEventFilter(&licznik);
        wysrodkuj(*okno_);
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        QTest::qWait(500);
        QVERIFY2(licznik.ruchy <= 2, qPrintable(QString::number(licznik.ruchy)));

        // Typed as the input method would: the headless compositor has no keyboard, and Qt 6.4's
        // Wayland plugin does not survive key events sent without one.
        pole("txUo")->selectAll();
        pole("txUo")->insert(QStringLiteral("5"));
        QTest::mouseClick(okno_->findChild<QPushButton *>(QStringLiteral("plcOblicz")),
                          Qt::LeftButton);
        QCOMPARE(pole("txR1")->text(), QStringLiteral(" 560 Ohm"));
        QCOMPARE(pole("txPr")->text(), QStringLiteral(" 146.21 Ohm"));
        QCOMPARE(pole("txR2")->text(), QStringLiteral(" 240 Ohm"));
        QTest::qWait(300); // the new texts drawn and handed to the compositor
        QCOMPARE(zrzut(QStringLiteral("wayland-main-window.png")), QString());
    }

    void shouldOpenTheAboutBoxModallyAndCloseIt()
    {
        QPointer<QDialog> about;
        straznik_.oczekuj([&](QWidget *modalne) {
            about = qobject_cast<QDialog *>(modalne);
            QVERIFY(about != nullptr);
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QTest::qWait(300);
            QCOMPARE(zrzut(QStringLiteral("wayland-about-window.png")), QString());
            about->findChild<QPushButton *>(QStringLiteral("plcCloseAbout"))->click();
        });
        okno_->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(straznik_.oczekiwanePozostale(), 0);
        QVERIFY(about != nullptr && about->isHidden()); // OK only hides it

        // Shown again, then closed through the window system: destroyed.
        straznik_.oczekuj([&](QWidget *modalne) {
            QCOMPARE(modalne, about.data());
            QVERIFY(QTest::qWaitForWindowExposed(modalne));
            QVERIFY(modalne->windowHandle()->close());
        });
        okno_->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(straznik_.oczekiwanePozostale(), 0);
        QTRY_VERIFY(about.isNull());
        QVERIFY2(straznik_.nieoczekiwane().isEmpty(),
                 qPrintable(straznik_.nieoczekiwane().join(u'\n')));
    }

    void cleanupTestCase()
    {
        okno_.reset();
        qInstallMessageHandler(domyslna);
        QVERIFY2(ostrzezenia.isEmpty(), qPrintable(ostrzezenia.join(u'\n')));
    }
};

QTEST_MAIN(WaylandTest)
#include "WaylandTest.moc"
