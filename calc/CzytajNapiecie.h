#pragma once

#include <string_view>

namespace ampelor {

// Reads the number at the start of a text box's text as typed: leading spaces and tabs are
// skipped, then an optional sign, digits and at most one '.' (the only decimal point, whatever
// the locale). The first character that cannot continue the number ends it, and a text that
// does not start with a number reads as 0. The result is rounded to single precision, so a
// reading beyond its range becomes infinite.
float CzytajNapiecie(std::string_view tekst);

// The same reading, always through from_chars: the reference that CzytajNapiecie's fast path
// for short numbers is checked against.
float CzytajNapiecieWzorcowo(std::string_view tekst);

} // namespace ampelor
