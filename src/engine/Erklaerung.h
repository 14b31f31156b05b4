#pragma once

// The words that the hints and the Rechenweg share when they explain a
// run: numbers as a reader writes them, quoted input, and why a value was
// kept. Both read the engine's record; these helpers keep their wording one.

#include <string>

namespace Erklaerung {

// Up to `stellen` decimals, without trailing zeros: 0,3; 143,6; 96,9046.
std::string Zahl(double wert, int stellen = 4);

// Typed input as it stands, blanks included: »Windstark «.
std::string Zitat(const std::string &text);

// Follows a quoted input that no rule compares equal to.
inline constexpr const char *KeineRegel = " passt zu keiner Regel (Groß- und Kleinschreibung und Leerzeichen zählen)";

// Where a kept value comes from when an earlier run set it.
inline constexpr const char *AusFruehererBerechnung = " aus einer früheren Berechnung";

}  // namespace Erklaerung
