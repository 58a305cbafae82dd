// The schematic's border, whole at the scale factor the test runs under (QT_SCALE_FACTOR): at
// fractional factors the picture's edges fall between device pixels.

#include "CichyUruchamiacz.h"
#include "pLM317.h"

#include <QImage>
#include <QTest>

#include <memory>

class SchematTest : public QObject {
    Q_OBJECT

  private slots:
    void shouldDrawTheWholeBorderInBlackAtThisScaleFactor()
    {
        const double oczekiwanaSkala = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        pLM317 okno(std::make_unique<CichyUruchamiacz>());
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.devicePixelRatioF(), oczekiwanaSkala);

        // The whole window, in device pixels, as the window system gets it.
        const QImage obraz = okno.grab().toImage();
        const auto *schemat = okno.findChild<QWidget *>(QStringLiteral("Image1"));
        QVERIFY(schemat != nullptr);
        const QRectF logiczny(schemat->mapTo(&okno, QPoint(0, 0)), schemat->size());
        const qreal s = obraz.devicePixelRatio();
        const QRect piksele(QPoint(qRound(logiczny.left() * s), qRound(logiczny.top() * s)),
                            QPoint(qRound((logiczny.left() + logiczny.width()) * s) - 1,
                                   qRound((logiczny.top() + logiczny.height()) * s) - 1));
        QVERIFY(obraz.rect().contains(piksele));

        const auto calaCzarna = [&](QPoint od, QPoint krok, int ile) {
            for (int i = 0; i < ile; ++i) {
                const QPoint p = od + i * krok;
                if (obraz.pixelColor(p) != QColor(Qt::black))
                    return QStringLiteral("(%1,%2) is %3")
                        .arg(p.x())
                        .arg(p.y())
                        .arg(obraz.pixelColor(p).name());
            }
            return QString();
        };
        QCOMPARE(calaCzarna(piksele.topLeft(), {1, 0}, piksele.width()), QString());    // top
        QCOMPARE(calaCzarna(piksele.bottomLeft(), {1, 0}, piksele.width()), QString()); // bottom
        QCOMPARE(calaCzarna(piksele.topLeft(), {0, 1}, piksele.height()), QString());   // left
        QCOMPARE(calaCzarna(piksele.topRight(), {0, 1}, piksele.height()), QString());  // right
        // Just inside the border, the paper: the drawing does not thicken the border.
        const QPoint wnetrze(piksele.left() + 2, piksele.center().y());
        QVERIFY2(obraz.pixelColor(wnetrze).lightness() > 200,
                 qPrintable(obraz.pixelColor(wnetrze).name()));
    }
};

QTEST_MAIN(SchematTest)
#include "SchematTest.moc"
