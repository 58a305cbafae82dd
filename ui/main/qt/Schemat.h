#pragma once

#include <QFrame>
#include <QSvgRenderer>

// A picture box that stretches a vector drawing to fill it, inside a single border, so the
// schematic stays crisp at any size and scale factor.
class Schemat : public QFrame {
    Q_OBJECT
  public:
    Schemat(const QString &plik, QWidget *parent = nullptr);

    bool wczytany() const { return renderer_.isValid(); }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QSvgRenderer renderer_;
};
