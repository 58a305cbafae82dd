#include "pLM317.h"

#include "Schemat.h"
#include "fAbout.h"
#include "pLM317Opis.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <utility>

using ampelor::Pole;
namespace opis = ampelor::opisPLM317;
using ampelor::opis::Kontrolka;
using ampelor::opis::Rodzaj;

namespace {

// The layout was drawn for an 8-point dialog font with 13-pixel lines and 5-pixel average
// characters; a larger system font scales the whole window, so no text is clipped.
constexpr double WysokoscWzorcowa = 13;
constexpr double SzerokoscWzorcowa = 5;

// The drawing the picture box shows, from the program's resources.
const QString PlikSchematu = QStringLiteral(":/schemat.svg");

} // namespace

pLM317::pLM317(std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz, QWidget *parent)
    : QMainWindow(parent), uruchamiacz_(std::move(uruchamiacz))
{
    setObjectName(zQString(opis::NazwaKlasy));
    const QFontMetrics miara = fontMetrics();
    skala_ = std::max(
        {1.0, miara.height() / WysokoscWzorcowa, miara.averageCharWidth() / SzerokoscWzorcowa});
    kontrolki_ = std::make_unique<KontrolkiOkna>(opis::Kontrolki, skala_);
    utworzKontrolki();
    utworzMenu();
    polaczSygnaly();
    ustawTryb(ampelor::TrybJedno);
}

pLM317::~pLM317() = default;

int pLM317::px(int twipy) const
{
    return static_cast<int>(std::lround(twipy * skala_ / ampelor::opis::TwipyNaPiksel));
}

QWidget *pLM317::utworzKontrolke(const Kontrolka &k, QWidget *rodzic)
{
    const QString tekst = zQString(k.tekst);
    switch (k.rodzaj) {
    case Rodzaj::Ramka:
        return new QGroupBox(tekst, rodzic);
    case Rodzaj::Obraz: {
        auto *obraz = new Schemat(PlikSchematu, rodzic);
        obraz->setFrameShape(k.obramowanie ? QFrame::Box : QFrame::NoFrame);
        return obraz;
    }
    case Rodzaj::Etykieta: {
        auto *etykieta = new QLabel(tekst, rodzic);
        etykieta->setAlignment(wPoziomie(k.wyrownanie) | Qt::AlignVCenter);
        etykieta->setWordWrap(k.zawijanie);
        return etykieta;
    }
    case Rodzaj::PoleTekstowe: {
        auto *pole = new QLineEdit(tekst, rodzic);
        pole->setAlignment(wPoziomie(k.wyrownanie) | Qt::AlignVCenter);
        pole->setFrame(k.obramowanie);
        if (k.maksZnakow > 0)
            pole->setMaxLength(k.maksZnakow);
        return pole;
    }
    case Rodzaj::Przycisk: {
        auto *przycisk = new QPushButton(tekst, rodzic);
        przycisk->setDefault(k.domyslny);
        return przycisk;
    }
    }
    return nullptr;
}

void pLM317::utworzKontrolki()
{
    auto *okno = new QWidget(this);
    okno->setObjectName(QStringLiteral("obszarRoboczy"));
    okno->setFixedSize(zTwipow(opis::ObszarRoboczy, skala_).size());
    setCentralWidget(okno);

    // In child order, which is the tab order: the focus chain follows the order of creation.
    for (const Kontrolka &k : opis::Kontrolki)
        kontrolki_->dodaj(*utworzKontrolke(k, kontrolki_->kontener(k, okno)), k);
    kontrolki_->polaczEtykiety();
    pole(Pole::txUo)->setFocus();
}

void pLM317::utworzMenu()
{
    using ampelor::opis::PozycjaMenu;
    using ampelor::opis::RodzajPozycji;
    std::map<std::string_view, QMenu *> menu;
    for (const PozycjaMenu &p : opis::Menu) {
        QMenu *rodzic = p.rodzic.empty() ? nullptr : menu.at(p.rodzic);
        const QString tekst = zQString(p.tekst);
        switch (p.rodzaj) {
        case RodzajPozycji::Menu: {
            QMenu *podmenu = rodzic ? rodzic->addMenu(tekst) : menuBar()->addMenu(tekst);
            podmenu->setObjectName(zQString(p.nazwa));
            menu[p.nazwa] = podmenu;
            break;
        }
        case RodzajPozycji::Separator:
            rodzic->addSeparator()->setObjectName(zQString(p.nazwa));
            break;
        case RodzajPozycji::Polecenie: {
            QAction *akcja = rodzic ? rodzic->addAction(tekst) : menuBar()->addAction(tekst);
            akcja->setObjectName(zQString(p.nazwa));
            // Qt's letter keys are the capital letters' character codes.
            if (p.klawiszCtrl != 0)
                akcja->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(p.klawiszCtrl)));
            polecenia_[p.polecenie] = akcja;
            break;
        }
        }
    }

    // A window that cannot be resized: a minimise button, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(sizeHint());
}

void pLM317::polaczSygnaly()
{
    auto *plcOblicz = kontrolki_->kontrolka<QPushButton>("plcOblicz");
    connect(plcOblicz, &QPushButton::clicked, this, &pLM317::plcOblicz_Click);
    // A main window has no default button of its own: Enter anywhere presses the button.
    for (const auto klawisz : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(klawisz, this), &QShortcut::activated, plcOblicz,
                &QPushButton::animateClick);

    using enum opis::Polecenie;
    const std::pair<opis::Polecenie, void (pLM317::*)()> obslugi[] = {
        {mnuJedno, &pLM317::mnuJedno_Click},
        {mnuWielo, &pLM317::mnuWielo_Click},
        {mnuKoniec, &pLM317::mnuKoniec_Click},
        {mnuAbout, &pLM317::mnuAbout_Click},
    };
    for (const auto &[id, obsluga] : obslugi)
        connect(polecenie(opis::id(id)), &QAction::triggered, this, obsluga);

    // A text box would take Ctrl+X as Cut; the menu's accelerators win from everywhere.
    for (QLineEdit *wejscie : findChildren<QLineEdit *>())
        wejscie->installEventFilter(this);
}

bool pLM317::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (zdarzenie->type() == QEvent::ShortcutOverride) {
        const QKeySequence klawisze(static_cast<QKeyEvent *>(zdarzenie)->keyCombination());
        for (const auto &[id, akcja] : polecenia_)
            if (akcja->shortcut() == klawisze) {
                zdarzenie->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

// The user switched colour schemes while the program runs: the fixed colours are chosen anew
// against the new scheme's.
void pLM317::changeEvent(QEvent *zdarzenie)
{
    if (zdarzenie->type() == QEvent::PaletteChange ||
        zdarzenie->type() == QEvent::ApplicationPaletteChange)
        // Queued: the window hears of the new scheme before its controls take it on.
        QMetaObject::invokeMethod(
            this, [this] { kontrolki_->nadajKolory(); }, Qt::QueuedConnection);
    QMainWindow::changeEvent(zdarzenie);
}

void pLM317::plcOblicz_Click()
{
    ampelor::plcOblicz_Click(stan_, *this);
}

void pLM317::ustawTryb(ampelor::Tryb_t tryb)
{
    const opis::StanTrybu &stan = opis::stanTrybu(tryb);
    stan_.Tryb = stan.tryb;
    setWindowTitle(zQString(stan.tytul));
    kontrolki_->kontrolka<QLabel>("lblUout")->setText(zQString(stan.lblUout));
    for (std::string_view nazwa : opis::DrugiWiersz)
        kontrolki_->kontrolka(nazwa)->setVisible(stan.drugiWiersz);
    pole(Pole::txUo)->setToolTip(zQString(stan.podpowiedzUo));
}

void pLM317::mnuJedno_Click()
{
    ustawTryb(ampelor::TrybJedno);
    ampelor::zeruj(stan_, *this);
}

void pLM317::mnuWielo_Click()
{
    ustawTryb(ampelor::TrybWielo);
    ampelor::zeruj(stan_, *this);
}

void pLM317::mnuKoniec_Click()
{
    close(); // the last window closed ends the program
}

void pLM317::mnuAbout_Click()
{
    if (about_ == nullptr)
        about_ = new fAbout(this, *uruchamiacz_);
    about_->exec();
}

QLineEdit *pLM317::pole(Pole pole) const
{
    return kontrolki_->kontrolka<QLineEdit>(opis::nazwaPola(pole));
}

std::string pLM317::tekst(Pole p) const
{
    return pole(p)->text().toStdString();
}

void pLM317::ustawTekst(Pole p, std::string_view tekst)
{
    pole(p)->setText(zQString(tekst));
}

void pLM317::pokazBlad(std::string_view tekst, std::string_view tytul)
{
    QMessageBox komunikat(QMessageBox::Critical, zQString(tytul), zQString(tekst), QMessageBox::Ok,
                          this);
    komunikat.setObjectName(QStringLiteral("komunikatBledu"));
    komunikat.exec();
}
