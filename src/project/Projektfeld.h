#pragma once

// The 29 texts of a project, in the order in which they stand in the record
// and in a project file. The comment names the control each one mirrors.
enum class Projektfeld {
    Objektbezeichnung,  // Edit2
    StrasseNr,  // Edit1
    PlzOrt,  // Edit4
    Bearbeitungsdatum,  // datum (written, never read back)
    Bearbeiter,  // Edit7
    Firmenname,  // Edit3
    Firmenadresse,  // Edit9
    Gebaeudetyp,  // ComboBox1
    Gebaeudelage,  // ComboBox2
    FlaecheNE,  // Edit6
    LuftvolumenNE,  // Edit5
    Neubau,  // ComboBox7
    Baujahr,  // Edit11
    SanierungWSVO,  // ComboBox8
    FensterloseRaeume,  // RadioGroup1, index as text
    WeitereAnforderungen,  // RadioGroup2, index as text
    AnforderungenSHE,  // RadioGroup3, index as text
    MesswertVorhanden,  // ComboBox5
    MesswertN50,  // Edit8
    DruckexponentN,  // Edit10
    VorgabeKategorie,  // ComboBox6
    ErgebnisWS,  // Label26
    ErgebnisFS,  // Label27
    ErgebnisRL,  // Label38
    ErgebnisNL,  // Label39
    ErgebnisI,  // Label28
    Ergebnis,  // Label31
    Kommentar1,  // Label49
    Kommentar2,  // Label63
};
