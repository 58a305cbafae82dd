#include "ZOpisu.h"

#include "KoloryWindows.h"
#include "Kontrast.h"
#include "Kroje.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <cmath>
#include <vector>

using namespace ampelor::opis;

QString zQString(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

QRect zTwipow(const Prostokat &twipy, double skala)
{
    const auto px = [skala](int t) {
        return static_cast<int>(std::lround(t * skala / TwipyNaPiksel));
    };
    return {px(twipy.lewo), px(twipy.gora), px(twipy.szerokosc), px(twipy.wysokosc)};
}

Qt::Alignment wPoziomie(Wyrownanie wyrownanie)
{
    switch (wyrownanie) {
    case Wyrownanie::DoSrodka:
        return Qt::AlignHCenter;
    case Wyrownanie::DoPrawej:
        return Qt::AlignRight;
    case Wyrownanie::DoLewej:
        break;
    }
    return Qt::AlignLeft;
}

QColor zRgb(Rgb kolor)
{
    return {kolor.r, kolor.g, kolor.b};
}

Rgb doRgb(const QColor &kolor)
{
    const QColor rgb = kolor.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

namespace {

QColor zPalety(const Kolor &kolor, const QPalette &paleta, QPalette::ColorGroup grupa)
{
    if (const auto *systemowy = std::get_if<KolorSystemowy>(&kolor))
        return paleta.color(grupa, KoloryWindows::rola(*systemowy));
    return zRgb(std::get<Rgb>(kolor));
}

QColor tekstNaTle(const Kontrolka &opis, const QPalette &paleta, QPalette::ColorGroup grupa,
                  QPalette::ColorRole rolaTekstu, const QColor &tlo)
{
    if (opis.kolorTekstu && std::holds_alternative<Rgb>(*opis.kolorTekstu)) {
        const Rgb zaprojektowany = std::get<Rgb>(*opis.kolorTekstu);
        std::vector<Rgb> kandydaci{zaprojektowany};
        if (opis.lacze)
            kandydaci.push_back(doRgb(paleta.color(grupa, QPalette::Link)));
        if (const auto czytelny = pierwszyCzytelny(doRgb(tlo), kandydaci))
            return zRgb(*czytelny);
        return zRgb(dociagnijDoKontrastu(zaprojektowany, doRgb(tlo)));
    }
    const QColor wlasny = opis.kolorTekstu ? zPalety(*opis.kolorTekstu, paleta, grupa)
                                           : paleta.color(grupa, rolaTekstu);
    const std::array kandydaci{doRgb(wlasny), doRgb(paleta.color(grupa, QPalette::Text)),
                               doRgb(paleta.color(grupa, QPalette::WindowText)),
                               doRgb(paleta.color(grupa, QPalette::ButtonText))};
    return zRgb(kolorTekstuNaTle(doRgb(tlo), kandydaci));
}

} // namespace

void nadajKolory(QWidget &w, const Kontrolka &opis)
{
    if (!opis.tlo && !opis.kolorTekstu)
        return;
    w.setPalette(QPalette()); // back to the scheme's, as inherited, before deciding again
    QPalette paleta = w.palette();
    // Disabled text is meant to read faintly, and these controls are never disabled.
    for (const auto grupa : {QPalette::Active, QPalette::Inactive}) {
        const QColor tlo =
            opis.tlo ? zPalety(*opis.tlo, paleta, grupa) : paleta.color(grupa, w.backgroundRole());
        if (opis.tlo)
            paleta.setColor(grupa, w.backgroundRole(), tlo);
        paleta.setColor(grupa, w.foregroundRole(),
                        tekstNaTle(opis, paleta, grupa, w.foregroundRole(), tlo));
    }
    if (opis.tlo)
        paleta.setColor(QPalette::Disabled, w.backgroundRole(),
                        zPalety(*opis.tlo, paleta, QPalette::Disabled));
    w.setPalette(paleta);
}

KontrolkiOkna::KontrolkiOkna(std::span<const Kontrolka> opisy, double skala)
    : opisy_(opisy), skala_(skala)
{
}

void KontrolkiOkna::dodaj(QWidget &w, const Kontrolka &opis)
{
    w.setObjectName(zQString(opis.nazwa));
    w.setGeometry(zTwipow(opis.miejsce, skala_));
    w.setToolTip(zQString(opis.podpowiedz));
    if (!opis.nazwaDostepna.empty())
        w.setAccessibleName(zQString(opis.nazwaDostepna));
    // A picture has no text of its own: its tooltip is what it shows.
    if (opis.rodzaj == Rodzaj::Obraz)
        w.setAccessibleDescription(w.toolTip());
    if (opis.czcionka)
        w.setFont(czcionka(*opis.czcionka));
    if (!opis.widoczna)
        w.hide();
    ::nadajKolory(w, opis);
    kontrolki_[opis.nazwa] = &w;
}

QWidget *KontrolkiOkna::kontener(const Kontrolka &opis, QWidget *obszar) const
{
    return opis.rodzic.empty() ? obszar : kontrolka(opis.rodzic);
}

QWidget *KontrolkiOkna::kontrolka(std::string_view nazwa) const
{
    const auto znaleziona = kontrolki_.find(nazwa);
    return znaleziona == kontrolki_.end() ? nullptr : znaleziona->second;
}

void KontrolkiOkna::polaczEtykiety() const
{
    for (std::size_t i = 0; i + 1 < opisy_.size(); ++i) {
        const Kontrolka &etykieta = opisy_[i];
        const Kontrolka &pole = opisy_[i + 1];
        if (etykieta.rodzaj == Rodzaj::Etykieta && pole.rodzaj == Rodzaj::PoleTekstowe &&
            etykieta.rodzic == pole.rodzic)
            kontrolka<QLabel>(etykieta.nazwa)->setBuddy(kontrolka(pole.nazwa));
    }
}

void KontrolkiOkna::nadajKolory() const
{
    for (const Kontrolka &opis : opisy_)
        if (QWidget *w = kontrolka(opis.nazwa))
            ::nadajKolory(*w, opis);
}
