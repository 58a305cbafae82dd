#pragma once

#include "Uruchamiacz.h"
#include "ZOpisu.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
namespace ampelor::opisFAbout {
struct Polecenie;
}

// The program's information window, built from its shared description: title, version, a
// one-line description and two links that start the web browser. The main window creates it on
// first use and shows it modally; OK only hides it, so the same box comes back next time, while
// a close through the window system destroys it and the next opening creates it afresh.
class fAbout : public QDialog {
    Q_OBJECT
  public:
    fAbout(QWidget *owner, ampelor::Uruchamiacz &uruchamiacz);
    ~fAbout() override;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void utworzKontrolki();
    QWidget *utworzKontrolke(const ampelor::opis::Kontrolka &opis);
    void polacz();

    void Label4_Click();
    void Label5_Click();
    void plcCloseAbout_Click();
    void uruchom(const ampelor::opisFAbout::Polecenie &polecenie);

    ampelor::Uruchamiacz &uruchamiacz_;
    std::unique_ptr<KontrolkiOkna> kontrolki_;
    QPushButton *plcCloseAbout_ = nullptr;
};
