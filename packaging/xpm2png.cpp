// Build-time helper: turns one of the XPM icon sources into the PNG that the desktop's icon
// theme expects. The XPM stays the single source of the picture (a readable diff in review);
// the PNG is only ever generated, never kept in the repository.
//
//   ampelor-xpm2png INPUT.xpm OUTPUT.png SIZE
//
// SIZE is the edge in pixels the picture must have: the file is installed into the theme's
// SIZExSIZE folder, and a picture of another size there would be scaled by every desktop.

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: ampelor-xpm2png INPUT.xpm OUTPUT.png SIZE\n", stderr);
        return 2;
    }
    const QString wejscie = QString::fromLocal8Bit(argv[1]);
    const QString wyjscie = QString::fromLocal8Bit(argv[2]);
    bool liczba = false;
    const int rozmiar = QString::fromLocal8Bit(argv[3]).toInt(&liczba);
    if (!liczba || rozmiar <= 0) {
        std::fprintf(stderr, "ampelor-xpm2png: bad size '%s'\n", argv[3]);
        return 2;
    }

    // Named explicitly: a source file renamed to another extension must not be guessed at.
    QImage obraz(wejscie, "XPM");
    if (obraz.isNull()) {
        std::fprintf(stderr, "ampelor-xpm2png: cannot read '%s' as XPM\n", argv[1]);
        return 1;
    }
    if (obraz.width() != rozmiar || obraz.height() != rozmiar) {
        std::fprintf(stderr, "ampelor-xpm2png: '%s' is %d x %d, expected %d x %d\n", argv[1],
                     obraz.width(), obraz.height(), rozmiar, rozmiar);
        return 1;
    }

    // An XPM of a few colours loads as an indexed image, which Qt would write as a paletted
    // PNG. Plain 8-bit RGBA is the form every icon theme reader treats alike, with the
    // source's "None" pixels kept see-through.
    const QImage png = obraz.convertToFormat(QImage::Format_ARGB32);
    if (!png.save(wyjscie, "PNG")) {
        std::fprintf(stderr, "ampelor-xpm2png: cannot write '%s'\n", argv[2]);
        return 1;
    }
    return EXIT_SUCCESS;
}
