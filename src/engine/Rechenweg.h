#pragma once

// The way of one recalculation, for showing the calculation step by step:
// what the run read and the numbers it took from the texts, which rule chose
// each coefficient (or that none matched, so that the value of an earlier run
// stays in force), the terms of the formulas, and the comparisons of the
// verdict on the unrounded values.
//
// Berechnen fills it in during its own run when Rechenzustand::weg points to
// one; nothing outside the engine repeats a rule or a formula. A run entered
// again from inside a run (writing Edit8, Edit10 or a normalised decimal
// point starts one) records nothing: the record describes the outermost run,
// which finishes last with the same values.
//
// The question flow notes here who wrote the verdict that stands on screen:
// a run, or one of its handlers without a calculation (windowless rooms,
// increased requirements, the reset, an opened project).

#include "engine/Rechenzustand.h"

#include <string>

struct Rechenweg {
    // A decimal text and the number read from it, before clamping at 0.
    struct Zahlfeld {
        std::string text;
        double gelesen = 0.0;
    };

    // The row of the heat-protection rules that decided "hoch"/"niedrig".
    enum class Waermeschutz {
        Neubau,  // "Neubau ?" reads "ja"
        AbBaujahr1995,  // existing building, year after 1994
        Saniert,  // year up to 1994, renovation "ja"
        Unsaniert,  // year up to 1994, renovation "nein"
        KeineRegel,  // year up to 1994, renovation any other text
    };

    // Where n50 and the pressure exponent came from.
    enum class Luftdichtheit {
        Messwert,  // "Messwert … vorhanden ?" not "nein": read from the fields
        Vorgabe,  // "nein": n50 of the category, exponent exactly 2/3
        KeineKategorie,  // "nein", but the category matched none: n50 kept
    };

    // Who wrote the verdict that stands.
    enum class Urteilsgeber {
        Keiner,  // nothing yet
        Berechnung,  // the run below
        FensterloseRaeume,  // sufficiency verdict of the question flow
        WartetAufBerechnung,  // the flow emptied the verdict; the next run writes it
        ErhoehteAnforderungen,  // the flow, after the run below
        Zurueckgesetzt,  // new, empty project
        Projektdatei,  // the texts stored in the opened project file
        Wiederhergestellt,  // the texts of restored unsaved input
    };

    // --- bookkeeping ---
    int laeufe = 0;  // completed outermost runs
    int tiefe = 0;  // runs in progress; only the outermost records

    // --- inputs as read ---
    std::string gebaeudetyp;  // ComboBox1
    std::string lage;  // ComboBox2
    std::string neubau;  // ComboBox7
    std::string baujahrText;  // Edit11, read for an existing building only
    int baujahr = 0;
    std::string sanierung;  // ComboBox8, read for a year up to 1994 only
    std::string messwert;  // ComboBox5
    std::string kategorie;  // ComboBox6, read without a measured value only
    Zahlfeld flaeche;  // Edit6
    Zahlfeld n50;  // Edit8, read with a measured value only
    Zahlfeld exponent;  // Edit10, read with a measured value only

    // --- coefficients: the engine state before and after the run ---
    Rechenzustand vorher;
    Rechenzustand nachher;
    Waermeschutz waermeschutz = Waermeschutz::Neubau;
    std::string qualitaet;  // Label26 after the run
    bool fwsGesetzt = false;
    bool infiltrationGesetzt = false;
    bool druckGesetzt = false;
    bool lageBekannt = false;  // the exposure text is one that a pressure rule names
    Luftdichtheit luftdichtheit = Luftdichtheit::Messwert;
    std::string n50Eingetragen;  // written into Edit8 without a measured value
    std::string exponentEingetragen;  // written into Edit10 without a measured value

    // --- formulas, in m³/h where flows ---
    double flaecheQuadrat = 0.0;  // A_NE × A_NE
    double quadratisch = 0.0;  // max(A_NE², 900) × -0.001
    double linear = 0.0;  // max(A_NE, 30) × 1.15
    double grundsumme = 0.0;
    double qFS = 0.0, qRL = 0.0, qNL = 0.0, qML = 0.0;
    double druckterm = 0.0;
    double qInf = 0.0;

    // --- verdict, as the comparisons fell ---
    bool bewertet = false;  // qInf > 0
    bool massnahmeNoetig = false;  // qInf < qFS
    bool nennlueftung = false;  // qNL > qInf
    bool reduzierteLueftung = false;  // qRL > qInf
    int anforderungen = 0;  // selected index of RadioGroup3
    const char *urteil = "";  // the texts the run wrote
    const char *kommentar1 = "";
    const char *kommentar2 = "";

    // --- the question flow ---
    Urteilsgeber urteilsgeber = Urteilsgeber::Keiner;
    int fensterlos = -1;  // RadioGroup1 when the flow wrote the verdict
    int weitere = -1;  // RadioGroup2
    bool mitBerechnung = false;  // the calculation panels were shown
};
