#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ampelor {

using Tryb_t = std::int16_t;
inline constexpr Tryb_t TrybJedno = 0; // a single fixed output voltage
inline constexpr Tryb_t TrybWielo = 1; // an output adjustable from Uo up to Uomax

// The calculation fields the main window holds for its whole life. Voltages are in volts and
// resistances in ohms, except Rsuma, which is in kilohms.
struct StanObliczen {
    Tryb_t Tryb = TrybJedno;
    float Uo = 0;
    float Uomax = 0;
    float R1 = 0;
    float Pr = 0;
    float R2 = 0;
    float Rsuma = 0; // ADJ-to-ground total of the last single-voltage design; zeruj keeps it
};

// The five text boxes the calculation reads and writes.
enum class Pole { txUo, txUomax, txR1, txPr, txR2 };

// All the calculation needs of a window: its five text boxes and a modal error box.
class OknoObliczen {
  public:
    virtual ~OknoObliczen() = default;
    virtual std::string tekst(Pole pole) const = 0;
    virtual void ustawTekst(Pole pole, std::string_view tekst) = 0;
    // Shows a modal message box with the critical-error icon and one OK button, and returns
    // only once the user has closed it.
    virtual void pokazBlad(std::string_view tekst, std::string_view tytul) = 0;
};

inline constexpr std::string_view TytulBledu = "Błąd!";
inline constexpr std::string_view BladZakresu =
    "Napięcie powinno zawierać się w zakresie 1.25V do 30V.";
inline constexpr std::string_view BladKolejnosci =
    "Napięcie maksymalne powinno być większe od minimalnego.";
inline constexpr std::string_view BladWaskiegoZakresu = "Zakres regulacji jest zbyt wąski.";

// The calculate command: reads both voltage boxes and either shows R1, Pr and R2 or reports
// the error and clears the window.
void plcOblicz_Click(StanObliczen &stan, OknoObliczen &okno);

// Writes the result fields into the three result boxes.
void Odswierz(const StanObliczen &stan, OknoObliczen &okno);

// Clears the boxes ("0" for the voltages, "-" for the results) and the voltage and result
// fields; the mode and Rsuma are kept.
void zeruj(StanObliczen &stan, OknoObliczen &okno);

} // namespace ampelor
