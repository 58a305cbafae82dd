#pragma once

#include <QLabel>

// A label that acts on a click, as the about box's links do. A click is a left-button press and
// release over the label; each press of a double click counts, so a double click is two clicks.
class EtykietaLacza : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void klik();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    bool wcisnieta_ = false;
};
