#pragma once

#include "Opis.h"

#include <QFont>

// The font a described control is drawn in. The face it was designed with comes first, so that
// it is used wherever it is installed; the free faces that stand in for it on Linux follow, at
// the same size and style, each with the Polish letters. Qt's text is Unicode, so the designed
// character set needs no counterpart: the stand-ins cover it.
QFont czcionka(const ampelor::opis::Czcionka &opis);
