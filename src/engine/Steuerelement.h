#pragma once

// The controls of a unit's page that a project carries or that the
// recalculation and the question flow read or write, under the designer
// names of the main window's controls.
enum class Steuerelement {
    ComboBox1,  // Gebäudetyp
    ComboBox2,  // Gebäudelage
    ComboBox5,  // Messwert Luftdichtheit vorhanden ?
    ComboBox6,  // Vorgabewert Auslegungsluftwechsel
    ComboBox7,  // Neubau ?
    ComboBox8,  // Sanierung mind. nach WSVO 1995 ?
    Edit6,  // Fläche Nutzungseinheit
    Edit8,  // n50
    Edit10,  // Druckexponent n
    Edit11,  // Baujahr
    Label21,  // caption "Baujahr"
    Label26,  // Qualität Wärmeschutz
    Label27,  // qFS
    Label28,  // qInf
    Label29,  // caption of the renovation question
    Label31,  // verdict
    Label38,  // qRL
    Label39,  // qNL
    Label40,  // qML (never shown)
    Label49,  // first comment
    Label63,  // second comment
    // Only the question flow's.
    Edit5,  // Luftvolumen Nutzungseinheit
    Label19,  // caption of the default category
    Label50,  // windowless-room note, three lines
    Label57,
    Label58,
    Label62,  // subscript "50" of Label19
    // The object data, which no rule reads and no handler follows.
    Edit1,  // Straße, Nr.
    Edit2,  // Objektbezeichnung
    Edit3,  // Firmenname
    Edit4,  // PLZ, Ort
    Edit7,  // Bearbeiter
    Edit9,  // Firmenadresse
    datum,  // Bearbeitungsdatum, as yyyy-mm-dd
    Panel2,  // building data
    Panel3,  // air tightness
    Panel4,  // heat protection
    Panel5,  // results
    Panel11,  // the third question
    RadioGroup1,  // Gibt es fensterlose Räume ?
    RadioGroup2,  // Weitere Anforderungen an Nutzungseinheit ?
    RadioGroup3,  // Anforderungen an Schall, Hygiene, Effizienz ?
};

#include <cstddef>

inline constexpr std::size_t Steuerelementanzahl = std::size_t(Steuerelement::RadioGroup3) + 1;

// Whether the control shows a text: an edit field, a combo box or a label,
// not a panel or a radio group.
constexpr bool HatText(Steuerelement element)
{
    return element < Steuerelement::Panel2;
}

// The edit fields, whose change handler runs when code sets another text.
constexpr bool IstEingabefeld(Steuerelement element)
{
    switch (element) {
    case Steuerelement::Edit5:
    case Steuerelement::Edit6:
    case Steuerelement::Edit8:
    case Steuerelement::Edit10:
    case Steuerelement::Edit11: return true;
    default: return false;
    }
}
