#include "fAbout.h"

#include "EtykietaLacza.h"
#include "KoloryWindows.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

using ampelor::StylOkna;

namespace {

const QString kAdresWww = QStringLiteral("http://www.ampelor.example");
const QString kAdresEmail = QStringLiteral("kontakt@ampelor.example");

// The layout is kept in twips, 15 to a pixel at 96 dots per inch, so that it reads as designed.
QRect zTwipow(int lewo, int gora, int szerokosc, int wysokosc)
{
    constexpr int twipyNaPiksel = 15;
    return {lewo / twipyNaPiksel, gora / twipyNaPiksel, szerokosc / twipyNaPiksel,
            wysokosc / twipyNaPiksel};
}

// The faces the box was designed with come first, so they are used wherever they are installed;
// on Linux the free faces after them stand in at the same size, with the Polish letters.
QFont czcionka(const QStringList &kroje, qreal punkty)
{
    QFont font;
    font.setFamilies(kroje);
    font.setPointSizeF(punkty);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

QFont comicSans(qreal punkty)
{
    return czcionka({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, punkty);
}

QFont msSansSerif(qreal punkty)
{
    return czcionka({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("DejaVu Sans")},
                    punkty);
}

QFont arial(qreal punkty)
{
    return czcionka(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        punkty);
}

// Names a label, gives it its font and puts it on its rectangle. Every label centres its text
// from the top in the button-text colour, as the designed layout does; the window's button-face
// background shows through it. The stand-in faces run wider and taller than the
// designed ones (and the addresses are long), so where the text would be cut off the label grows
// sideways about its centre and downwards: the text stays where it was laid out, and whole.
void ustaw(QLabel *etykieta, const char *nazwa, const QFont &font, QRect miejsce)
{
    etykieta->setObjectName(QString::fromLatin1(nazwa));
    etykieta->setFont(font);
    etykieta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    etykieta->setForegroundRole(KoloryWindows::TekstPrzycisku);
    const QSize potrzeba = etykieta->wordWrap()
                               ? QSize(miejsce.width(), etykieta->heightForWidth(miejsce.width()))
                               : etykieta->sizeHint();
    const int wszerz = std::max(0, potrzeba.width() - miejsce.width());
    const int wdol = std::max(0, potrzeba.height() - miejsce.height());
    etykieta->setGeometry(miejsce.adjusted(-wszerz / 2, 0, wszerz - wszerz / 2, wdol));
}

} // namespace

fAbout::fAbout(QWidget *owner, ampelor::Uruchamiacz &uruchamiacz)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      uruchamiacz_(uruchamiacz)
{
    setObjectName(QStringLiteral("fAbout"));
    utworzKontrolki();
    polacz();
}

void fAbout::utworzKontrolki()
{
    setWindowTitle(QStringLiteral("O programie..."));
    setWindowIcon(QIcon(QStringLiteral(":/ampelor-32.xpm")));
    setFixedSize(zTwipow(0, 0, 3570, 3930).size());
    // Centred over the owner once, when created; shown again after OK, the box comes back where
    // it was left. Placing the client area ourselves, rather than leaving it to QDialog at every
    // showing, also avoids QDialog's guess at the frame, which on X11 leaves the box a title
    // bar's height too high.
    if (QWidget *wlasciciel = parentWidget())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        wlasciciel->window()->geometry()));
    setBackgroundRole(KoloryWindows::TloPrzycisku);
    setAutoFillBackground(true);

    // Created in tab order, which makes the focus chain; of them only the OK button takes the
    // focus, so it holds the focus whenever the box is shown.
    auto *Label1 = new QLabel(QStringLiteral("Ampelor"), this);
    ustaw(Label1, "Label1", comicSans(18), zTwipow(240, 120, 3135, 495));

    auto *Label2 = new QLabel(QStringLiteral("Program służy do projektowania zasilaczy "
                                             "stabilizowanych w oparciu o scalony stabilizator "
                                             "napięcia LM317."),
                              this);
    Label2->setWordWrap(true);
    ustaw(Label2, "Label2", arial(8.25), zTwipow(240, 1800, 3015, 735));

    // Neither the default button nor an auto-default one, and the box has no cancel button;
    // keyPressEvent gives OK the Enter key while it has the focus and makes Escape do nothing.
    plcCloseAbout_ = new QPushButton(QStringLiteral("&OK"), this);
    plcCloseAbout_->setObjectName(QStringLiteral("plcCloseAbout"));
    plcCloseAbout_->setAutoDefault(false);
    plcCloseAbout_->setDefault(false);
    plcCloseAbout_->setGeometry(zTwipow(1200, 3240, 1215, 495));
    plcCloseAbout_->setFocus();

    QFont lacze = msSansSerif(8.25);
    lacze.setUnderline(true);
    Label4_ = new EtykietaLacza(QStringLiteral("www: ") + kAdresWww, this);
    ustaw(Label4_, "Label4", lacze, zTwipow(600, 2640, 2175, 255));
    Label5_ = new EtykietaLacza(QStringLiteral("e-mail: ") + kAdresEmail, this);
    ustaw(Label5_, "Label5", lacze, zTwipow(600, 2880, 2175, 255));
    // The fingertip is the hot spot, as recorded in the cursor picture's header.
    const QCursor kursorLacza(QPixmap(QStringLiteral(":/kursor-link.xpm")), 12, 1);
    for (EtykietaLacza *etykieta : {Label4_, Label5_}) {
        QPalette paleta = etykieta->palette();
        paleta.setColor(etykieta->foregroundRole(), QColor(0, 0, 255));
        etykieta->setPalette(paleta);
        etykieta->setCursor(kursorLacza);
    }

    // The version comes from the build, so the box cannot fall behind a release.
    auto *Label6 = new QLabel(QStringLiteral("V. " AMPELOR_WERSJA), this);
    QFont wersja = msSansSerif(12);
    wersja.setItalic(true);
    ustaw(Label6, "Label6", wersja, zTwipow(840, 600, 1815, 255));
}

void fAbout::polacz()
{
    connect(Label4_, &EtykietaLacza::klik, this, &fAbout::Label4_Click);
    connect(Label5_, &EtykietaLacza::klik, this, &fAbout::Label5_Click);
    connect(plcCloseAbout_, &QPushButton::clicked, this, &fAbout::plcCloseAbout_Click);
}

void fAbout::Label4_Click()
{
    // The label leaves out the closing "/" of the home page; the browser is given it.
    uruchom(QStringLiteral("iexplore.exe ") + kAdresWww + u'/', StylOkna::Normalny);
}

void fAbout::Label5_Click()
{
    // Hidden: only the mail program's own window is to appear, not a browser window.
    uruchom(QStringLiteral("iexplore.exe mailto:") + kAdresEmail, StylOkna::Ukryty);
}

// Only hidden: exec() returns and the main window shows this same box next time. The keyboard
// goes back to the main window, which must take input again; most window managers do that when
// the box goes, but not every platform does (the offscreen one does not).
void fAbout::plcCloseAbout_Click()
{
    hide();
    if (QWidget *wlasciciel = parentWidget())
        wlasciciel->activateWindow();
}

// The box stays open and modal whatever the outcome. A link that silently did nothing would leave
// the user guessing, so a start that fails is reported, briefly, over the box.
void fAbout::uruchom(const QString &wierszPolecen, StylOkna styl)
{
    if (!uruchamiacz_.uruchom(wierszPolecen.toStdString(), styl))
        QMessageBox::warning(this, QStringLiteral("Ampelor"),
                             QStringLiteral("Nie udało się uruchomić przeglądarki."));
}

void fAbout::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // There is no cancel button: Escape leaves the box as it is.
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Not being a default button, OK lets Enter through to here; yet like any push button
        // with the focus it is pressed by Enter.
        if (plcCloseAbout_->hasFocus()) {
            plcCloseAbout_->click();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

// Only the window system closes the box (its close box, Alt+F4). The closed box is destroyed so
// that the next opening creates it afresh, centred over its owner again. Not WA_DeleteOnClose:
// exec() would then delete the box at the end of every showing, after OK as well.
void fAbout::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        deleteLater();
}
