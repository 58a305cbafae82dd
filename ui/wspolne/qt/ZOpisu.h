#pragma once

// What both Qt windows need to build their controls from the shared descriptions: texts,
// rectangles, alignment, the properties every control has, and its colours.

#include "Opis.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <map>
#include <span>
#include <string_view>

class QWidget;

QString zQString(std::string_view tekst);

// A rectangle in twips as pixels, each length scaled by skala beyond 15 twips to the pixel.
QRect zTwipow(const ampelor::opis::Prostokat &twipy, double skala = 1);

Qt::Alignment wPoziomie(ampelor::opis::Wyrownanie wyrownanie);

QColor zRgb(ampelor::opis::Rgb kolor);
ampelor::opis::Rgb doRgb(const QColor &kolor);

// The controls of one window, built by the window from its description in child order and
// kept here by their names.
class KontrolkiOkna {
  public:
    KontrolkiOkna(std::span<const ampelor::opis::Kontrolka> opisy, double skala);

    std::span<const ampelor::opis::Kontrolka> opisy() const { return opisy_; }

    // Takes a control built for its description and gives it what every control takes alike:
    // its name, place, tooltip, what a screen reader calls it, its font, whether it is shown,
    // and its colours. Controls are added in child order, so each frame is there before its
    // contents and the focus chain follows the tab order.
    void dodaj(QWidget &w, const ampelor::opis::Kontrolka &opis);
    // The frame the control sits in, or the window's client area when it sits in none.
    QWidget *kontener(const ampelor::opis::Kontrolka &opis, QWidget *obszar) const;
    QWidget *kontrolka(std::string_view nazwa) const;
    template <typename T> T *kontrolka(std::string_view nazwa) const
    {
        return qobject_cast<T *>(kontrolka(nazwa));
    }

    // Each label followed by the text box it names becomes that box's buddy: its access key
    // moves to the box, and screen readers speak it as the box's name.
    void polaczEtykiety() const;
    // Gives every control the colours its description fixes (see nadajKolory); called again
    // when the user's colour scheme changes.
    void nadajKolory() const;

  private:
    std::span<const ampelor::opis::Kontrolka> opisy_;
    double skala_;
    std::map<std::string_view, QWidget *> kontrolki_;
};

// Gives a control the background and text colours its description fixes, with the text kept
// readable on that background whatever the user's scheme: a fixed text colour stays where it
// reads (a link takes the palette's own link colour next), else it is drawn lighter or darker
// just enough to read; text in the scheme's colours takes the first of them that reads, else
// the best of them, black and white. A control with no fixed colour keeps the scheme's.
void nadajKolory(QWidget &w, const ampelor::opis::Kontrolka &opis);
