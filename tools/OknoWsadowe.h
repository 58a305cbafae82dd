#pragma once

#include "Obliczenia.h"

#include <array>
#include <string>

namespace ampelor {

// A window without a screen: five text boxes held as strings, and a message box that is
// recorded and closed at once, as if the user had pressed OK.
class OknoWsadowe final : public OknoObliczen {
  public:
    std::string tekst(Pole pole) const override { return pola_[indeks(pole)]; }
    void ustawTekst(Pole pole, std::string_view tekst) override { pola_[indeks(pole)] = tekst; }
    void pokazBlad(std::string_view tekst, std::string_view /*tytul*/) override
    {
        komunikat_ = tekst;
    }

    // The state of a new window with the two voltages typed: results "-" and no message.
    void otworz(std::string_view uo, std::string_view uomax)
    {
        ustawTekst(Pole::txUo, uo);
        ustawTekst(Pole::txUomax, uomax);
        for (Pole wynik : {Pole::txR1, Pole::txPr, Pole::txR2})
            ustawTekst(wynik, "-");
        komunikat_.clear();
    }

    const std::string &pole(Pole pole) const { return pola_[indeks(pole)]; }
    const std::string &komunikat() const { return komunikat_; }

  private:
    static std::size_t indeks(Pole pole) { return static_cast<std::size_t>(pole); }

    std::array<std::string, 5> pola_;
    std::string komunikat_;
};

} // namespace ampelor
