#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QApplication;
class QWidget;

// What every start of the program sets up before its window: names, icon, and the
// toolkit's own texts in Polish.
void przygotujAplikacje(QApplication &aplikacja);

// Places a window centred on its screen, where the window system lets the program place its
// windows (Wayland leaves that to the compositor).
void wysrodkuj(QWidget &okno);

// Where the top left corner of a window's frame goes on a screen's available area: centred,
// with the whole frame on the area. A frame taller than the area hangs from the area's top, so
// that its title bar stays on the screen and the window can be moved; one wider than the area
// starts at the area's left.
QPoint polozenieRamki(QSize ramka, const QRect &obszar);
