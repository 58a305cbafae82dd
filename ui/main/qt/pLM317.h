#pragma once

#include "Obliczenia.h"
#include "Uruchamiacz.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class Schemat;
class fAbout;

// The main window: the schematic, the voltage and result boxes, the calculate button and the
// menu. It holds the calculation fields and is the window the calculation writes to.
class pLM317 : public QMainWindow, public ampelor::OknoObliczen {
    Q_OBJECT
  public:
    explicit pLM317(
        std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz = ampelor::utworzUruchamiaczSystemowy(),
        QWidget *parent = nullptr);
    ~pLM317() override;

    const ampelor::StanObliczen &stan() const { return stan_; }
    // Layout positions are in twips, scaled with the dialog font (see skala()).
    int px(int twipy) const;
    double skala() const { return skala_; }

    std::string tekst(ampelor::Pole pole) const override;
    void ustawTekst(ampelor::Pole pole, std::string_view tekst) override;
    void pokazBlad(std::string_view tekst, std::string_view tytul) override;

  protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

  private:
    void plcOblicz_Click();
    void mnuJedno_Click();
    void mnuWielo_Click();
    void mnuKoniec_Click();
    void mnuAbout_Click();

    void utworzKontrolki();
    void utworzMenu();
    void polaczSygnaly();
    void ustawTryb(ampelor::Tryb_t tryb);

    QRect prostokat(int lewo, int gora, int szerokosc, int wysokosc) const;
    QLabel *etykieta(const char *nazwa, const QString &tekst, QWidget *rodzic, QRect miejsce,
                     Qt::Alignment wyrownanie = Qt::AlignLeft);
    QLineEdit *poleTekstowe(const char *nazwa, const QString &tekst, QWidget *rodzic,
                            QRect miejsce);
    QLineEdit *pole(ampelor::Pole pole) const;

    ampelor::StanObliczen stan_;
    std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz_;
    double skala_ = 1;

    QGroupBox *frSchem_ = nullptr;
    Schemat *Image1_ = nullptr;
    QGroupBox *Frame2_ = nullptr;
    QLabel *lblUout_ = nullptr;
    QLineEdit *txUo_ = nullptr;
    QLabel *lblUomax_ = nullptr;
    QLineEdit *txUomax_ = nullptr;
    QLabel *lbVmax_ = nullptr;
    QGroupBox *Frame1_ = nullptr;
    QLineEdit *txR1_ = nullptr;
    QLineEdit *txPr_ = nullptr;
    QLineEdit *txR2_ = nullptr;
    QPushButton *plcOblicz_ = nullptr;

    QAction *mnuJedno_ = nullptr;
    QAction *mnuWielo_ = nullptr;
    QAction *mnuKoniec_ = nullptr;
    QAction *mnuAbout_ = nullptr;

    QPointer<fAbout> about_;
};
