#include "Kroje.h"

#include "ZOpisu.h"

#include <QStringList>

#include <string_view>

namespace {

// The designed faces and, for each, the free faces that stand in for it; the only such list.
QStringList zastepcy(std::string_view kroj)
{
    if (kroj == "Comic Sans MS")
        return {QStringLiteral("Comic Neue")};
    if (kroj == "MS Sans Serif" || kroj == "Arial")
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {};
}

} // namespace

QFont czcionka(const ampelor::opis::Czcionka &opis)
{
    QFont font;
    font.setFamilies(QStringList{zQString(opis.kroj)} + zastepcy(opis.kroj));
    font.setPointSizeF(opis.punkty);
    font.setWeight(QFont::Normal);
    font.setItalic(opis.kursywa);
    font.setUnderline(opis.podkreslenie);
    return font;
}
