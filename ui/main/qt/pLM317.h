#pragma once

#include "Obliczenia.h"
#include "Uruchamiacz.h"
#include "ZOpisu.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <map>
#include <memory>

class QAction;
class QLineEdit;
class fAbout;

// The main window, built from its shared description: the schematic, the voltage and result
// boxes, the calculate button and the menu. It holds the calculation fields and is the window
// the calculation writes to.
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
    void changeEvent(QEvent *zdarzenie) override;

  private:
    void plcOblicz_Click();
    void mnuJedno_Click();
    void mnuWielo_Click();
    void mnuKoniec_Click();
    void mnuAbout_Click();

    void utworzKontrolki();
    QWidget *utworzKontrolke(const ampelor::opis::Kontrolka &opis, QWidget *rodzic);
    void utworzMenu();
    void polaczSygnaly();
    void ustawTryb(ampelor::Tryb_t tryb);

    QLineEdit *pole(ampelor::Pole pole) const;
    QAction *polecenie(std::uint16_t id) const { return polecenia_.at(id); }

    ampelor::StanObliczen stan_;
    std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz_;
    double skala_ = 1;
    std::unique_ptr<KontrolkiOkna> kontrolki_;
    std::map<std::uint16_t, QAction *> polecenia_; // the menu's commands by identifier

    QPointer<fAbout> about_;
};
