#pragma once

#include <string>
#include <string_view>

// German decimal texts, independent of the process locale.
//
// Reading: every "," counts as ".", leading blanks are skipped, and the
// longest leading part that forms a number is taken ("12 m²" is 12, "1,2,3"
// is 1.2, "abc" and "" are 0). An exponent beyond the range of a double
// gives 0. Nothing is ever reported.
//
// Writing: fixed point with the given decimals, rounded half away from zero
// on the value's 15 significant decimal digits (56.25 gives "56,3"), at least
// three characters, a decimal comma, no sign on a value that rounds to zero.
// Infinite or undefined values are written as UeberlaufText.

inline constexpr std::string_view UeberlaufText = "Überlauf";

double TextZuZahl(std::string_view text);
std::string ZahlZuText(double wert, int nachkommastellen);

// Leading blanks, optional sign, decimal digits; stops at the first other
// character. Empty or non-numeric texts give 0; values beyond the range of
// int are held at its limits.
int TextZuGanzzahl(std::string_view text);

// The text with every "." replaced by ",".
std::string KommaStattPunkt(std::string text);
