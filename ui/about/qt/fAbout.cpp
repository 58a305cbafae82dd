#include "fAbout.h"

#include "EtykietaLacza.h"
#include "KoloryWindows.h"
#include "fAboutOpis.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace opis = ampelor::opisFAbout;
using ampelor::opis::KolorSystemowy;
using ampelor::opis::Kontrolka;
using ampelor::opis::Rodzaj;

namespace {

// The stand-in faces run wider and taller than the designed ones (and the addresses are long),
// so where a label's text would be cut off the label grows sideways about its centre and
// downwards: the text stays where it was laid out, and whole.
void rozszerzDoTekstu(QLabel &etykieta)
{
    const QRect miejsce = etykieta.geometry();
    const QSize potrzeba = etykieta.wordWrap()
                               ? QSize(miejsce.width(), etykieta.heightForWidth(miejsce.width()))
                               : etykieta.sizeHint();
    const int wszerz = std::max(0, potrzeba.width() - miejsce.width());
    const int wdol = std::max(0, potrzeba.height() - miejsce.height());
    etykieta.setGeometry(miejsce.adjusted(-wszerz / 2, 0, wszerz - wszerz / 2, wdol));
}

// Whether the window system lets a program hand the keyboard to one of its windows; Wayland
// leaves that to the compositor alone, and says so in a warning each time it is asked.
bool moznaAktywowacOkno()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

fAbout::fAbout(QWidget *owner, ampelor::Uruchamiacz &uruchamiacz)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      uruchamiacz_(uruchamiacz), kontrolki_(std::make_unique<KontrolkiOkna>(opis::Kontrolki, 1))
{
    setObjectName(zQString(opis::NazwaKlasy));
    utworzKontrolki();
    polacz();
}

fAbout::~fAbout() = default;

QWidget *fAbout::utworzKontrolke(const Kontrolka &k)
{
    const QString tekst = zQString(k.tekst);
    if (k.rodzaj == Rodzaj::Przycisk) {
        // Neither the default button nor an auto-default one, and the box has no cancel
        // button; keyPressEvent gives OK the Enter key while it has the focus and makes Escape
        // do nothing.
        auto *przycisk = new QPushButton(tekst, this);
        przycisk->setAutoDefault(k.domyslny);
        przycisk->setDefault(k.domyslny);
        return przycisk;
    }
    QLabel *etykieta = k.lacze ? new EtykietaLacza(tekst, this) : new QLabel(tekst, this);
    // Every label's text hangs from the top of its rectangle, as the designed layout has it, in
    // the button-text colour on the box's button-face background.
    etykieta->setAlignment(wPoziomie(k.wyrownanie) | Qt::AlignTop);
    etykieta->setWordWrap(k.zawijanie);
    etykieta->setForegroundRole(KoloryWindows::rola(KolorSystemowy::TekstPrzycisku));
    if (k.lacze) {
        // The fingertip is the hot spot, as recorded in the cursor picture's header.
        etykieta->setCursor(QCursor(QPixmap(QStringLiteral(":/kursor-link.xpm")), 12, 1));
    }
    return etykieta;
}

void fAbout::utworzKontrolki()
{
    setWindowTitle(zQString(opis::Tytul));
    setWindowIcon(QIcon(QStringLiteral(":/ampelor-32.xpm")));
    setFixedSize(zTwipow(opis::ObszarRoboczy).size());
    // Centred over the owner once, when created; shown again after OK, the box comes back where
    // it was left. Placing the client area ourselves, rather than leaving it to QDialog at every
    // showing, also avoids QDialog's guess at the frame, which on X11 leaves the box a title
    // bar's height too high.
    if (QWidget *wlasciciel = parentWidget())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        wlasciciel->window()->geometry()));
    setBackgroundRole(KoloryWindows::rola(std::get<KolorSystemowy>(opis::TloOkna)));
    setAutoFillBackground(true);

    // Created in tab order, which makes the focus chain; of them only the OK button takes the
    // focus, so it holds the focus whenever the box is shown.
    for (const Kontrolka &k : opis::Kontrolki) {
        QWidget *w = utworzKontrolke(k);
        kontrolki_->dodaj(*w, k);
        if (auto *etykieta = qobject_cast<QLabel *>(w))
            rozszerzDoTekstu(*etykieta);
    }
    plcCloseAbout_ = kontrolki_->kontrolka<QPushButton>("plcCloseAbout");
    plcCloseAbout_->setFocus();
}

void fAbout::polacz()
{
    connect(kontrolki_->kontrolka<EtykietaLacza>(opis::Label4_Click.etykieta), &EtykietaLacza::klik,
            this, &fAbout::Label4_Click);
    connect(kontrolki_->kontrolka<EtykietaLacza>(opis::Label5_Click.etykieta), &EtykietaLacza::klik,
            this, &fAbout::Label5_Click);
    connect(plcCloseAbout_, &QPushButton::clicked, this, &fAbout::plcCloseAbout_Click);
}

void fAbout::Label4_Click()
{
    uruchom(opis::Label4_Click);
}

void fAbout::Label5_Click()
{
    uruchom(opis::Label5_Click);
}

// Only hidden: exec() returns and the main window shows this same box next time. The keyboard
// goes back to the main window, which must take input again; most window managers do that when
// the box goes, but not every platform does (the offscreen one does not). On Wayland the
// compositor alone decides.
void fAbout::plcCloseAbout_Click()
{
    hide();
    if (QWidget *wlasciciel = parentWidget(); wlasciciel != nullptr && moznaAktywowacOkno())
        wlasciciel->activateWindow();
}

// The box stays open and modal whatever the outcome. A link that silently did nothing would leave
// the user guessing, so a start that fails is reported, briefly, over the box.
void fAbout::uruchom(const opis::Polecenie &polecenie)
{
    if (!uruchamiacz_.uruchom(std::string(polecenie.wierszPolecen), polecenie.styl))
        QMessageBox::warning(this, zQString(opis::TytulBleduUruchomienia),
                             zQString(opis::BladUruchomienia));
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

// The user switched colour schemes while the box exists: the links' colours are chosen anew.
void fAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        // Queued: the window hears of the new scheme before its controls take it on.
        QMetaObject::invokeMethod(
            this, [this] { kontrolki_->nadajKolory(); }, Qt::QueuedConnection);
    QDialog::changeEvent(event);
}
