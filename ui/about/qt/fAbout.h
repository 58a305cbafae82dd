#pragma once

#include "Uruchamiacz.h"

#include <QDialog>

class EtykietaLacza;
class QPushButton;

// The program's information window: title, version, a one-line description and two links that
// start the web browser. The main window creates it on first use and shows it modally; OK only
// hides it, so the same box comes back next time, while a close through the window system
// destroys it and the next opening creates it afresh.
class fAbout : public QDialog {
    Q_OBJECT
  public:
    fAbout(QWidget *owner, ampelor::Uruchamiacz &uruchamiacz);

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void utworzKontrolki();
    void polacz();

    void Label4_Click();
    void Label5_Click();
    void plcCloseAbout_Click();
    void uruchom(const QString &wierszPolecen, ampelor::StylOkna styl);

    ampelor::Uruchamiacz &uruchamiacz_;
    EtykietaLacza *Label4_ = nullptr;
    EtykietaLacza *Label5_ = nullptr;
    QPushButton *plcCloseAbout_ = nullptr;
};
