#pragma once

// The controls of the main window that the recalculation reads or writes,
// under their designer names.
enum class Steuerelement {
    ComboBox1,  // Gebäudetyp
    ComboBox2,  // Gebäudelage
    ComboBox5,  // Messwert Luftdichtheit vorhanden ?
    ComboBox6,  // Vorgabewert Auslegungsluftwechsel
    ComboBox7,  // Neubau ?
    ComboBox8,  // Sanierung mind. nach WSVO 1995 ?
    Edit6,      // Fläche Nutzungseinheit
    Edit8,      // n50
    Edit10,     // Druckexponent n
    Edit11,     // Baujahr
    Label21,    // caption "Baujahr"
    Label26,    // Qualität Wärmeschutz
    Label27,    // qFS
    Label28,    // qInf
    Label29,    // caption of the renovation question
    Label31,    // verdict
    Label38,    // qRL
    Label39,    // qNL
    Label40,    // qML (never shown)
    Label49,    // first comment
    Label63,    // second comment
};
