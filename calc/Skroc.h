#pragma once

#include <string>

namespace ampelor {

// Cuts a value to two decimal places; the dropped digits are never rounded up.
float Zredukuj(float x);

// Writes a resistance in ohms as display text with its unit: " 560 Ohm", " 1.5 kOhm",
// " 1 MOhm". The text starts with a space (or a minus sign), uses '.' whatever the locale,
// and drops the 0 before the point of values below 1 (" .38 Ohm").
std::string Skroc(float wart);

// The same text through the C++ library's general formatting (to_chars): the reference that
// Skroc's integer fast path is checked against, and what it falls back to outside its range.
std::string SkrocWzorcowo(float wart);

} // namespace ampelor
