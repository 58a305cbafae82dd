// Starts the program exactly as its main() does, and quits as soon as the window is shown.

#include "Aplikacja.h"
#include "pLM317.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    przygotujAplikacje(aplikacja);
    pLM317 okno;
    wysrodkuj(okno);
    okno.show();
    QTimer::singleShot(0, &aplikacja, &QCoreApplication::quit);
    return QApplication::exec();
}
