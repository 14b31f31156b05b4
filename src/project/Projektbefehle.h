#pragma once

// The copies between a unit's page and the project record, and the names
// that "Speichern" proposes and the title shows.
//
// Saving copies every control of the page into the record; opening sets the
// controls from the record in a fixed order. The fixed order matters:
// setting edit fields and radio groups runs their handlers, so loading walks
// through the question flow and the recalculations, and the stored result
// and verdict texts, written last, are what stands at the end. The menu
// commands that run these on the main window are the program's
// (app/Projektmenue.h).

#include "engine/Rechenweg.h"
#include "engine/Speicherblatt.h"
#include "project/TProjektdaten.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <utility>
#include <vector>

// Slots 1 to 29 from the page: texts of fields, combo boxes and labels,
// radio groups as their index ("-1" for none), the date in the short date
// format of the locale.
void ProjektSichern(const Speicherblatt &seite, TProjektdaten &daten);

// The record onto the page, slot by slot in the order of loading; the date
// is read back only with datumLesen (a copy of unsaved input, not a project
// file). No recalculation follows; the engine's record of its way notes
// that the results and verdict shown are the stored ones (geber).
void ProjektLaden(Speicherblatt &seite, const TProjektdaten &daten, bool datumLesen = false,
                  Rechenweg::Urteilsgeber geber = Rechenweg::Urteilsgeber::Projektdatei);

// The default category as its slot holds it. The slot holds 40 characters
// and two categories are longer: a text that is exactly the start of one of
// them is taken as that category, as the user picked it.
QString GespeicherteKategorie(const QString &gespeichert);

// What each edit field of the page keeps in a project file: no field takes
// more characters than its slot holds, so that a saved project keeps what
// the user sees. The combo boxes keep their own limit.
std::vector<std::pair<Steuerelement, int>> Feldlaengen();

// What "Speichern" proposes for a unit without a file and without a
// proposal of its own: "<objekt>.lkz" in ordner, the object's name cleaned
// as for the PDF; ordner alone when the object has no name.
QString Objektvorschlag(const QString &objekt, const QString &ordner);

// An unused file name in the folder of pfad, derived from it: a number at
// the end of the name counts on ("WE 3.lkz" → "WE 4.lkz"), otherwise " 2",
// " 3", … is added ("Haus.lkz" → "Haus 2.lkz"). Empty for an empty pfad.
QString NaechsterDateiname(const QString &pfad);

// The window title after saving or opening.
QString Fenstertitel(const QString &Projektname);

// A date in the locale's short format, its year always with four digits
// (01.01.2009 in German, where the locale's own format has two).
QString Datumstext(QDate datum, const QLocale &gebietsschema = QLocale::system());
