#pragma once

// The recomputation of a unit from its project file: what a freshly started
// program shows when the unit is entered by hand, as far as the page lets a
// user enter it.
//
// It runs the engine and the question flow that the main window runs, on a
// page held in memory that starts as a freshly started program's, with
// engine values of its own that start at zero for every unit: the rules are
// the ones the user works with, never a copy, and a unit takes
// microseconds, not the milliseconds the widgets need to lay out its texts. The unit is entered in the order
// of the work page: the three questions, then, where the page shows them,
// building type, site, area, new building, year, renovation, measured value,
// n50, exponent and category (a category that the file holds cut short
// is chosen as the list item it begins, as "Öffnen" takes it); where increased requirements were ticked
// after the fields, that order too (see nachrechnen()). A question is clicked, a field is typed and a
// combo box is chosen only where its text differs from what the page holds,
// as a user would; each runs its handlers by the window's own rules.
//
// For a file saved in the ordinary way the recomputed results are the
// stored ones. They differ where the file was edited, or where a typed text
// matched no rule and a coefficient of an earlier run stayed in force.
// Each recomputation also gives the hints on its input that the main window
// would show (engine/Pruefhinweise.h), for the overview's column.

#include "engine/Pruefhinweise.h"
#include "project/TProjektdaten.h"
#include "report/Bericht.h"

#include <QString>
#include <QStringList>

#include <vector>

class Nachrechnung {
public:
    // The record with the recomputed results and verdict; the entered slots
    // are the file's.
    TProjektdaten nachrechnen(const TProjektdaten &gespeichert);

    // Whether the last recomputation ended in the question flow, without a
    // calculation: its results are hidden and only the verdict counts.
    bool nurUrteil() const { return ohneBerechnung; }

    // The hints on the input of the last recomputation.
    const std::vector<Pruefhinweis> &hinweise() const { return hinweisListe; }

    // What a unit opened from its file is told: the hints of its
    // recomputation, and where a stored result or verdict differs from the
    // recomputed one, a hint naming both.
    std::vector<Pruefhinweis> hinweiseBeimOeffnen(const TProjektdaten &gespeichert);

    // The unit as "Öffnen" shows it in a freshly started program, stored
    // results, hints and all, as the report prints it.
    Berichtswerte geoeffnet(const TProjektdaten &gespeichert);

private:
    TProjektdaten eingeben(const TProjektdaten &gespeichert, bool anforderungZuletzt);

    bool ohneBerechnung = false;
    std::vector<Pruefhinweis> hinweisListe;
};

// "stimmt" when every stored result and verdict text equals the recomputed
// one; otherwise "weicht ab: " and what differs, e.g.
// "weicht ab: q_v,Inf gespeichert 96,9, nachgerechnet 450,0". With
// nurUrteil only the verdict and its comments are compared.
QString Pruefung(const TProjektdaten &gespeichert, const TProjektdaten &nachgerechnet, bool nurUrteil = false);

// One hint per stored result or verdict text that differs from the
// recomputed one, naming both values.
std::vector<Pruefhinweis> Abweichungshinweise(const TProjektdaten &gespeichert, const TProjektdaten &nachgerechnet,
                                              bool nurUrteil);
