// The windows' fixed colours under the light scheme and two dark ones, each set here as the
// palette the platform theme gives (GTK's Adwaita-dark through Qt's GTK theme, and qt6ct's
// "darker"): every text drawn on a fixed background, and the links, must read (4.5 : 1).

#include "CichyUruchamiacz.h"
#include "Kontrast.h"
#include "ZOpisu.h"
#include "fAbout.h"
#include "pLM317.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>

#include <memory>

using ampelor::opis::kontrast;
using ampelor::opis::MinimalnyKontrast;

Q_DECLARE_METATYPE(QPalette)

namespace {

struct Barwy {
    const char *okno, *tekstOkna, *pole, *tekstPola, *zaznaczenie, *tekstZaznaczenia, *lacze;
};

QPalette paleta(const Barwy &b)
{
    QPalette p(QColor(b.okno), QColor(b.okno));
    p.setColor(QPalette::Window, QColor(b.okno));
    p.setColor(QPalette::WindowText, QColor(b.tekstOkna));
    p.setColor(QPalette::Button, QColor(b.okno));
    p.setColor(QPalette::ButtonText, QColor(b.tekstOkna));
    p.setColor(QPalette::Base, QColor(b.pole));
    p.setColor(QPalette::Text, QColor(b.tekstPola));
    p.setColor(QPalette::Highlight, QColor(b.zaznaczenie));
    p.setColor(QPalette::HighlightedText, QColor(b.tekstZaznaczenia));
    p.setColor(QPalette::Link, QColor(b.lacze));
    return p;
}

// As the platform themes give them on Debian 12, measured.
const QPalette AdwaitaDark =
    paleta({"#323232", "#f0f0f0", "#242424", "#f0f0f0", "#308cc6", "#f0f0f0", "#308cc6"});
const QPalette Qt6ctDarker =
    paleta({"#222020", "#ffffff", "#3d3d3d", "#ffffff", "#12608a", "#f9f9f9", "#0986d3"});

double kontrastKolorow(const QColor &a, const QColor &b)
{
    return kontrast(doRgb(a), doRgb(b));
}

bool maKolor(const QImage &obraz, const QRect &prostokat, const QColor &kolor)
{
    for (int y = prostokat.top(); y <= prostokat.bottom(); ++y)
        for (int x = prostokat.left(); x <= prostokat.right(); ++x)
            if (obraz.pixelColor(x, y) == kolor)
                return true;
    return false;
}

} // namespace

class SchematyKolorowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<pLM317> okno_;

    QLineEdit *pole(const char *nazwa) const
    {
        return okno_->findChild<QLineEdit *>(QLatin1String(nazwa));
    }

    static void schematy()
    {
        QTest::addColumn<QPalette>("paleta");
        QTest::addColumn<bool>("jasny");
        QTest::newRow("light (Fusion)") << QApplication::style()->standardPalette() << true;
        QTest::newRow("Adwaita-dark") << AdwaitaDark << false;
        QTest::newRow("qt6ct darker") << Qt6ctDarker << false;
    }

    void otworz(const QPalette &schemat)
    {
        QApplication::setPalette(schemat);
        okno_ = std::make_unique<pLM317>(std::make_unique<CichyUruchamiacz>());
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
    }

    void sprawdzPolaNapiec(const QPalette &schemat)
    {
        // txUo on the title-bar-text colour, its text readable on it.
        const QPalette &uo = pole("txUo")->palette();
        for (const auto grupa : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(uo.color(grupa, QPalette::Base),
                     schemat.color(grupa, QPalette::HighlightedText));
            const double k =
                kontrastKolorow(uo.color(grupa, QPalette::Text), uo.color(grupa, QPalette::Base));
            QVERIFY2(k >= MinimalnyKontrast, qPrintable(QString::number(k)));
        }
        qInfo("txUo: %s on %s, %.2f : 1", qPrintable(uo.color(QPalette::Text).name()),
              qPrintable(uo.color(QPalette::Base).name()),
              kontrastKolorow(uo.color(QPalette::Text), uo.color(QPalette::Base)));
        // The box's background, as drawn.
        const QImage obraz = pole("txUo")->grab().toImage();
        QCOMPARE(obraz.pixelColor(obraz.width() - 4, obraz.height() / 2), uo.color(QPalette::Base));

        // txUomax: the ordinary text-box colours.
        const QPalette &uomax = pole("txUomax")->palette();
        QCOMPARE(uomax.color(QPalette::Base), schemat.color(QPalette::Base));
        QCOMPARE(uomax.color(QPalette::Text), schemat.color(QPalette::Text));
    }

  private slots:
    void cleanup()
    {
        okno_.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void shouldKeepEveryBoxOnAFixedBackgroundReadable_data() { schematy(); }
    void shouldKeepEveryBoxOnAFixedBackgroundReadable()
    {
        QFETCH(QPalette, paleta);
        otworz(paleta);
        sprawdzPolaNapiec(paleta);
        // The results on the active-border colour.
        for (const char *nazwa : {"txR1", "txPr", "txR2"}) {
            const QPalette &wynik = pole(nazwa)->palette();
            QCOMPARE(wynik.color(QPalette::Base), paleta.color(QPalette::Window));
            QVERIFY2(kontrastKolorow(wynik.color(QPalette::Text), wynik.color(QPalette::Base)) >=
                         MinimalnyKontrast,
                     nazwa);
        }
    }

    void shouldDrawLinksInPureBlueWhereItReadsElseInAReadableBlue_data() { schematy(); }
    void shouldDrawLinksInPureBlueWhereItReadsElseInAReadableBlue()
    {
        QFETCH(QPalette, paleta);
        QFETCH(bool, jasny);
        otworz(paleta);
        CichyUruchamiacz uruchamiacz;
        auto *about = new fAbout(okno_.get(), uruchamiacz);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QColor tlo = about->palette().color(QPalette::Window);
        QCOMPARE(tlo, paleta.color(QPalette::Window));
        const QImage obraz = about->grab().toImage();
        for (const char *nazwa : {"Label4", "Label5"}) {
            const auto *lacze = about->findChild<QLabel *>(QLatin1String(nazwa));
            const QColor kolor = lacze->palette().color(QPalette::WindowText);
            const double k = kontrastKolorow(kolor, tlo);
            qInfo("%s: %s on %s, %.2f : 1 (pure blue: %.2f : 1)", nazwa, qPrintable(kolor.name()),
                  qPrintable(tlo.name()), k, kontrastKolorow(Qt::blue, tlo));
            QVERIFY2(k >= MinimalnyKontrast, qPrintable(QString::number(k)));
            if (jasny)
                QCOMPARE(kolor, QColor(Qt::blue));
            else
                QVERIFY2(kolor.blue() > kolor.red() && kolor.blue() > kolor.green(),
                         qPrintable(kolor.name())); // still a blue
            QCOMPARE(lacze->palette().color(QPalette::Inactive, QPalette::WindowText), kolor);
            QVERIFY2(maKolor(obraz, lacze->geometry(), kolor), nazwa); // drawn in it
        }
        delete about;
    }

    // Switching to a dark scheme while the program runs decides the fixed colours anew.
    void shouldDecideTheColoursAgainWhenTheSchemeChanges()
    {
        otworz(QApplication::style()->standardPalette());
        CichyUruchamiacz uruchamiacz;
        fAbout about(okno_.get(), uruchamiacz);
        const auto *lacze = about.findChild<QLabel *>(QStringLiteral("Label4"));
        QCOMPARE(lacze->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QApplication::setPalette(AdwaitaDark);
        QTRY_COMPARE(pole("txUo")->palette().color(QPalette::Base),
                     AdwaitaDark.color(QPalette::HighlightedText));
        sprawdzPolaNapiec(AdwaitaDark);
        QCOMPARE(lacze->palette().color(QPalette::WindowText), QColor(0x8d, 0x8d, 0xff));
    }
};

QTEST_MAIN(SchematyKolorowTest)
#include "SchematyKolorowTest.moc"
