// Long use of the window: the about box opened and closed a thousand times, ten thousand
// calculations in both designs and with errors, and no memory growth beyond a small bound.

#include "CichyUruchamiacz.h"
#include "pLM317.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

// Resident memory in KiB, as the system counts it.
long pamiecKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> pola = statm.readAll().split(' ');
    return pola.value(1).toLong() * sysconf(_SC_PAGESIZE) / 1024;
}

// Closes whatever modal window the next event-loop turn finds: OK on the about box, or the
// window-system close; the message box's only button otherwise.
void zamknijNastepneModalne(bool przezSystemOkien)
{
    QTimer::singleShot(0, qApp, [przezSystemOkien] {
        QWidget *modalne = QApplication::activeModalWidget();
        if (modalne == nullptr)
            qFatal("no modal window to close");
        if (auto *komunikat = qobject_cast<QMessageBox *>(modalne))
            komunikat->button(QMessageBox::Ok)->click();
        else if (przezSystemOkien)
            modalne->close();
        else
            modalne->findChild<QPushButton *>(QStringLiteral("plcCloseAbout"))->click();
    });
}

constexpr bool PodSanitizerem =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

    struct Przypadek {
        ampelor::Tryb_t tryb;
        const char *uo, *uomax, *R1;
        bool blad;
    };
    static constexpr Przypadek Przypadki[] = {{ampelor::TrybJedno, "5", "0", " 560 Ohm", false},
                                              {ampelor::TrybWielo, "5", "15", " 680 Ohm", false},
                                              {ampelor::TrybJedno, "31", "0", "-", true},
                                              {ampelor::TrybWielo, "12", "5", "-", true},
                                              {ampelor::TrybWielo, "2", "0", "-", true}};

    pLM317 *okno_ = nullptr;

    QLineEdit *pole(const char *nazwa) const
    {
        return okno_->findChild<QLineEdit *>(QLatin1String(nazwa));
    }

    void oblicz(const Przypadek &p)
    {
        okno_
            ->findChild<QAction *>(p.tryb == ampelor::TrybWielo ? QStringLiteral("mnuWielo")
                                                                : QStringLiteral("mnuJedno"))
            ->trigger();
        pole("txUo")->setText(QLatin1String(p.uo));
        pole("txUomax")->setText(QLatin1String(p.uomax));
        if (p.blad)
            zamknijNastepneModalne(false);
        okno_->findChild<QPushButton *>(QStringLiteral("plcOblicz"))->click();
        if (pole("txR1")->text() != QLatin1String(p.R1))
            qFatal("calculation %s / %s gave %s", p.uo, p.uomax, qPrintable(pole("txR1")->text()));
    }

    void otworzOProgramie(bool przezSystemOkien)
    {
        zamknijNastepneModalne(przezSystemOkien);
        okno_->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // One round of use: ten calculations across the cases and an about box opening.
    void runda(int i)
    {
        for (int k = 0; k < 10; ++k)
            oblicz(Przypadki[static_cast<std::size_t>(i * 10 + k) % std::size(Przypadki)]);
        otworzOProgramie(i % 2 == 1);
    }

  private slots:
    void init()
    {
        okno_ = new pLM317(std::make_unique<CichyUruchamiacz>());
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_));
    }

    void cleanup() { delete okno_; }

    void shouldKeepMemoryFlatOverLongUse()
    {
        constexpr int Rozgrzewka = 100; // fills caches, fonts and pools first
        constexpr int Rundy = 1000;     // 10,000 calculations and 1,000 about boxes
        for (int i = 0; i < Rozgrzewka; ++i)
            runda(i);
        const long przed = pamiecKiB();
        for (int i = 0; i < Rundy; ++i)
            runda(i);
        const long po = pamiecKiB();
        // Straight to the output: the test logger stops printing after the offscreen
        // platform's many "not supported" warnings.
        std::printf("resident memory: %ld KiB after warm-up, %ld KiB after %d calculations and "
                    "%d about boxes (growth %ld KiB)\n",
                    przed, po, Rundy * 10, Rundy, po - przed);

        // Still answering correctly at the end.
        oblicz({ampelor::TrybJedno, "30", "0", " 3.9 kOhm", false});
        QCOMPARE(pole("txPr")->text(), QStringLiteral(" 1.51431 kOhm"));

        if (PodSanitizerem)
            QSKIP("the address sanitizer's quarantine holds freed memory on purpose");
        QVERIFY2(po - przed < 2048, "memory grew by 2 MiB or more");
    }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
