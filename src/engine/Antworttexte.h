#pragma once

// The answer texts of the work page's lists and radio groups, as the rules
// compare them byte for byte. The form fills its lists from here, and the
// flow, the rules, the hints, the Rechenweg, the printed page and the files
// read them from here: one spelling for each answer.

#include <array>

namespace Antworttexte {

inline constexpr const char *Ja = "ja";
inline constexpr const char *Nein = "nein";
inline constexpr std::array<const char *, 2> JaNein = {Ja, Nein};
// What a radio group without a choice reads.
inline constexpr const char *KeineAntwort = "keine Antwort";

inline constexpr const char *EFH = "EFH als mehrgeschossige Nutzungseinheit";
inline constexpr const char *MFH = "MFH als eingeschossige Nutzungseinheit";
inline constexpr std::array<const char *, 2> Gebaeudetypen = {EFH, MFH};

inline constexpr const char *Windschwach = "windschwach";
inline constexpr const char *Windstark = "windstark";
inline constexpr std::array<const char *, 2> Gebaeudelagen = {Windschwach, Windstark};

// The default air-tightness categories, in the order of their list.
inline constexpr const char *KategorieVentilator = "ventilatorgestützte Lüftung";
inline constexpr const char *KategorieNeubau = "freie Lüftung Neubau";
inline constexpr const char *KategorieModernisierungMFH =
    "freie Lüftung bei Modernisierung in MFH als eingeschossige NE";
inline constexpr const char *KategorieModernisierungEFH =
    "freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE";
inline constexpr const char *KategorieBestand = "mittlerer Gebäudebestand";
inline constexpr std::array<const char *, 5> Kategorien = {
    KategorieVentilator, KategorieNeubau, KategorieModernisierungMFH, KategorieModernisierungEFH, KategorieBestand,
};

// The further requirements on the unit, by their index in their group.
inline constexpr const char *Schallschutz = "erhöhte Schallschutzanforderungen";
inline constexpr const char *Raumluftqualitaet = "erhöhte Anforderungen der Raumluftqualität";
inline constexpr const char *Energieeffizienz = "erhöhte Energieeffizienz";
inline constexpr std::array<const char *, 4> Anforderungen = {Nein, Schallschutz, Raumluftqualitaet, Energieeffizienz};

}  // namespace Antworttexte
