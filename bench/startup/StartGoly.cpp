// The yardstick for start-up cost: a bare main window of the same size with a one-item menu
// bar, shown and quit the same way.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QMainWindow okno;
    okno.menuBar()->addMenu(QStringLiteral("&Plik"))->addAction(QStringLiteral("&Koniec"));
    // The same client area as the real window: 5190 x 3975 twips, scaled with the font.
    const QFontMetrics miara = okno.fontMetrics();
    const double skala = std::max({1.0, miara.height() / 13.0, miara.averageCharWidth() / 5.0});
    auto *obszar = new QWidget(&okno);
    obszar->setFixedSize(static_cast<int>(346 * skala), static_cast<int>(265 * skala));
    okno.setCentralWidget(obszar);
    okno.show();
    QTimer::singleShot(0, &aplikacja, &QCoreApplication::quit);
    return QApplication::exec();
}
