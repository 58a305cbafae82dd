#pragma once

class QApplication;
class QWidget;

// What every start of the program sets up before its window: names, icon, and the
// toolkit's own texts in Polish.
void przygotujAplikacje(QApplication &aplikacja);

// Places a window centred on its screen.
void wysrodkuj(QWidget &okno);
