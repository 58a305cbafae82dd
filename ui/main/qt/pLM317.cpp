#include "pLM317.h"

#include "KoloryWindows.h"
#include "Schemat.h"
#include "fAbout.h"

#include <QAccessible>
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

using ampelor::Pole;

namespace {

constexpr int TwipyNaPiksel = 15; // at 96 dots per inch
// The layout was drawn for an 8-point dialog font with 13-pixel lines and 5-pixel average
// characters; a larger system font scales the whole window, so no text is clipped.
constexpr double WysokoscWzorcowa = 13;
constexpr double SzerokoscWzorcowa = 5;
constexpr int MaksZnakow = 4;

const QString TooltipJedno = QStringLiteral("Pożądane napięcie wyjściowe.");
const QString TooltipWielo = QStringLiteral("Minimalne napięcie wyjściowe.");

QString zUtf8(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// Keeps text readable on a box whose background is a fixed role: the usual text colour
// unless the scheme makes it too close to that background, then the highlight colour.
QColor tekstNaTle(const QPalette &paleta, const QColor &tlo)
{
    const QColor tekst = paleta.color(QPalette::Text);
    return std::abs(tekst.lightness() - tlo.lightness()) >= 100 ? tekst
                                                                : paleta.color(QPalette::Highlight);
}

} // namespace

pLM317::pLM317(std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz, QWidget *parent)
    : QMainWindow(parent), uruchamiacz_(std::move(uruchamiacz))
{
    setObjectName(QStringLiteral("pLM317"));
    const QFontMetrics miara = fontMetrics();
    skala_ = std::max(
        {1.0, miara.height() / WysokoscWzorcowa, miara.averageCharWidth() / SzerokoscWzorcowa});
    utworzKontrolki();
    utworzMenu();
    polaczSygnaly();
    ustawTryb(ampelor::TrybJedno);
}

pLM317::~pLM317() = default;

int pLM317::px(int twipy) const
{
    return static_cast<int>(std::lround(twipy * skala_ / TwipyNaPiksel));
}

QRect pLM317::prostokat(int lewo, int gora, int szerokosc, int wysokosc) const
{
    return {px(lewo), px(gora), px(szerokosc), px(wysokosc)};
}

QLabel *pLM317::etykieta(const char *nazwa, const QString &tekst, QWidget *rodzic, QRect miejsce,
                         Qt::Alignment wyrownanie)
{
    auto *label = new QLabel(tekst, rodzic);
    label->setObjectName(QLatin1String(nazwa));
    label->setGeometry(miejsce);
    label->setAlignment(wyrownanie | Qt::AlignVCenter);
    return label;
}

QLineEdit *pLM317::poleTekstowe(const char *nazwa, const QString &tekst, QWidget *rodzic,
                                QRect miejsce)
{
    auto *pole = new QLineEdit(tekst, rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setGeometry(miejsce);
    return pole;
}

void pLM317::utworzKontrolki()
{
    auto *okno = new QWidget(this);
    okno->setObjectName(QStringLiteral("obszarRoboczy"));
    okno->setFixedSize(prostokat(0, 0, 5190, 3975).size());
    setCentralWidget(okno);

    frSchem_ = new QGroupBox(QStringLiteral("Schemat"), okno);
    frSchem_->setObjectName(QStringLiteral("frSchem"));
    frSchem_->setGeometry(prostokat(120, 0, 4935, 2295));
    Image1_ = new Schemat(QStringLiteral(":/schemat.svg"), frSchem_);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(prostokat(120, 240, 4695, 1935));
    Image1_->setToolTip(
        QStringLiteral("Ogólny schemat elektryczny zasilacza opartego o układ LM317."));
    Image1_->setAccessibleDescription(Image1_->toolTip());

    Frame2_ = new QGroupBox(QStringLiteral("Dane"), okno);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(prostokat(120, 2400, 2055, 975));
    lblUout_ = etykieta("lblUout", QStringLiteral("Uwy:"), Frame2_, prostokat(120, 240, 855, 255),
                        Qt::AlignRight);
    txUo_ = poleTekstowe("txUo", QStringLiteral("0"), Frame2_, prostokat(1080, 240, 615, 285));
    txUo_->setToolTip(TooltipJedno);
    etykieta("Label1", QStringLiteral("V"), Frame2_, prostokat(1800, 240, 135, 255));
    lblUomax_ = etykieta("lblUomax", QStringLiteral("Uwy(max):"), Frame2_,
                         prostokat(120, 600, 855, 255), Qt::AlignRight);
    txUomax_ =
        poleTekstowe("txUomax", QStringLiteral("0"), Frame2_, prostokat(1080, 600, 615, 285));
    txUomax_->setToolTip(QStringLiteral("Maksymalne napięcie wyjściowe."));
    lbVmax_ = etykieta("lbVmax", QStringLiteral("V"), Frame2_, prostokat(1800, 600, 135, 255));
    for (QLineEdit *wejscie : {txUo_, txUomax_}) {
        wejscie->setMaxLength(MaksZnakow);
        QPalette paleta = wejscie->palette();
        const QColor tlo = paleta.color(KoloryWindows::TekstPaskaTytulu);
        paleta.setColor(QPalette::Base, tlo);
        paleta.setColor(QPalette::Text, tekstNaTle(paleta, tlo));
        wejscie->setPalette(paleta);
    }

    Frame1_ = new QGroupBox(QStringLiteral("Wynik"), okno);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(prostokat(2280, 2400, 2775, 1095));
    const struct {
        const char *etykieta, *tekstEtykiety, *pole;
        int gora;
        QLineEdit **wynik;
    } wyniki[] = {{"lblR1", "R1:", "txR1", 240, &txR1_},
                  {"lblPr", "Pr:", "txPr", 480, &txPr_},
                  {"lblR2", "R2:", "txR2", 720, &txR2_}};
    for (const auto &w : wyniki) {
        QLabel *label = etykieta(w.etykieta, QLatin1String(w.tekstEtykiety), Frame1_,
                                 prostokat(120, w.gora, 375, 255), Qt::AlignRight);
        *w.wynik =
            poleTekstowe(w.pole, QStringLiteral("-"), Frame1_, prostokat(600, w.gora, 2055, 285));
        (*w.wynik)->setFrame(false);
        QPalette paleta = (*w.wynik)->palette();
        paleta.setColor(QPalette::Base, paleta.color(KoloryWindows::AktywneObramowanie));
        paleta.setColor(QPalette::Text, paleta.color(KoloryWindows::TekstPrzycisku));
        (*w.wynik)->setPalette(paleta);
        label->setBuddy(*w.wynik);
    }
    lblUout_->setBuddy(txUo_);
    lblUomax_->setBuddy(txUomax_);

    plcOblicz_ = new QPushButton(QStringLiteral("&O  b  l  i  c  z"), okno);
    plcOblicz_->setObjectName(QStringLiteral("plcOblicz"));
    plcOblicz_->setGeometry(prostokat(120, 3600, 4935, 255));
    plcOblicz_->setDefault(true);
    plcOblicz_->setAccessibleName(QStringLiteral("Oblicz"));

    setTabOrder(txUo_, txUomax_);
    setTabOrder(txUomax_, plcOblicz_);
    setTabOrder(plcOblicz_, txR1_);
    setTabOrder(txR1_, txPr_);
    setTabOrder(txPr_, txR2_);
    txUo_->setFocus();
}

void pLM317::utworzMenu()
{
    QMenu *mnuPlik = menuBar()->addMenu(QStringLiteral("&Plik"));
    mnuPlik->setObjectName(QStringLiteral("mnuPlik"));
    QMenu *mnuNew = mnuPlik->addMenu(QStringLiteral("&Nowy"));
    mnuNew->setObjectName(QStringLiteral("mnuNew"));
    mnuJedno_ = mnuNew->addAction(QStringLiteral("&Jednonapięciowy"));
    mnuJedno_->setObjectName(QStringLiteral("mnuJedno"));
    mnuJedno_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuWielo_ = mnuNew->addAction(QStringLiteral("&Regulowany"));
    mnuWielo_->setObjectName(QStringLiteral("mnuWielo"));
    mnuWielo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuPlik->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    mnuKoniec_ = mnuPlik->addAction(QStringLiteral("&Koniec"));
    mnuKoniec_->setObjectName(QStringLiteral("mnuKoniec"));
    mnuKoniec_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu *mnuInfo = menuBar()->addMenu(QStringLiteral("&Info"));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    mnuAbout_ = mnuInfo->addAction(QStringLiteral("&O programie..."));
    mnuAbout_->setObjectName(QStringLiteral("mnuAbout"));
    mnuAbout_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));

    // A window that cannot be resized: a minimise button, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(sizeHint());
}

void pLM317::polaczSygnaly()
{
    connect(plcOblicz_, &QPushButton::clicked, this, &pLM317::plcOblicz_Click);
    // A main window has no default button of its own: Enter anywhere presses the button.
    for (const auto klawisz : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(klawisz, this), &QShortcut::activated, plcOblicz_,
                &QPushButton::animateClick);
    connect(mnuJedno_, &QAction::triggered, this, &pLM317::mnuJedno_Click);
    connect(mnuWielo_, &QAction::triggered, this, &pLM317::mnuWielo_Click);
    connect(mnuKoniec_, &QAction::triggered, this, &pLM317::mnuKoniec_Click);
    connect(mnuAbout_, &QAction::triggered, this, &pLM317::mnuAbout_Click);
    // A text box would take Ctrl+X as Cut; the menu's accelerators win from everywhere.
    for (QLineEdit *wejscie : findChildren<QLineEdit *>())
        wejscie->installEventFilter(this);
}

bool pLM317::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (zdarzenie->type() == QEvent::ShortcutOverride) {
        const QKeySequence klawisze(static_cast<QKeyEvent *>(zdarzenie)->keyCombination());
        for (const QAction *akcja : {mnuJedno_, mnuWielo_, mnuKoniec_, mnuAbout_})
            if (akcja->shortcut() == klawisze) {
                zdarzenie->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void pLM317::plcOblicz_Click()
{
    ampelor::plcOblicz_Click(stan_, *this);
}

void pLM317::ustawTryb(ampelor::Tryb_t tryb)
{
    const bool wielo = tryb == ampelor::TrybWielo;
    stan_.Tryb = tryb;
    setWindowTitle(wielo ? QStringLiteral("Ampelor - regulowany")
                         : QStringLiteral("Ampelor - jednonapięciowy"));
    lblUout_->setText(wielo ? QStringLiteral("Uwy(min):") : QStringLiteral("Uwy:"));
    for (QWidget *drugiWiersz : {static_cast<QWidget *>(lblUomax_),
                                 static_cast<QWidget *>(txUomax_), static_cast<QWidget *>(lbVmax_)})
        drugiWiersz->setVisible(wielo);
    txUo_->setToolTip(wielo ? TooltipWielo : TooltipJedno);
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
    switch (pole) {
    case Pole::txUo:
        return txUo_;
    case Pole::txUomax:
        return txUomax_;
    case Pole::txR1:
        return txR1_;
    case Pole::txPr:
        return txPr_;
    case Pole::txR2:
        break;
    }
    return txR2_;
}

std::string pLM317::tekst(Pole p) const
{
    return pole(p)->text().toStdString();
}

void pLM317::ustawTekst(Pole p, std::string_view tekst)
{
    pole(p)->setText(zUtf8(tekst));
}

void pLM317::pokazBlad(std::string_view tekst, std::string_view tytul)
{
    QMessageBox komunikat(QMessageBox::Critical, zUtf8(tytul), zUtf8(tekst), QMessageBox::Ok, this);
    komunikat.setObjectName(QStringLiteral("komunikatBledu"));
    komunikat.exec();
}
