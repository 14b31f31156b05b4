#pragma once

// The menu commands "Speichern" and "Öffnen" and the copies between the main
// window and the project record.
//
// The program owns one TProjektdaten and the current project name (the full
// path of the file last saved or opened, empty at start) and passes both in.
// Saving copies every control into the record and writes it; opening reads a
// file into the record and sets the controls in a fixed order. The fixed
// order matters: setting edit fields and radio groups runs their handlers, so
// loading walks through the question flow and the recalculations, and the
// stored result and verdict texts, written last, are what stands at the end.
//
// A failed file operation ends the command at once and is shown in the
// program's error box; what has been done before it stays done.

#include "project/Dateibindung.h"
#include "project/Dateiwahl.h"
#include "project/Projektdatei.h"
#include "project/TProjektdaten.h"

#include <QDate>
#include <QLocale>
#include <QString>

class TForm1;

// Slots 1 to 29 from the window: texts of fields, combo boxes and labels,
// radio groups as their index ("-1" for none), the date in the short date
// format of the locale.
void ProjektSichern(const TForm1 &form, TProjektdaten &daten);

// The record into the window, slot by slot in the order of loading; the date
// is not read back. No recalculation follows; the engine's record of its way
// notes that the results and verdict on screen are the stored ones.
void ProjektLaden(TForm1 &form, const TProjektdaten &daten);

// Each edit field of the window takes no more characters than its slot of
// the record holds, so that a saved project keeps what the user sees. The
// combo boxes keep their own limit: the default category is longer than its
// slot and is recognised from its beginning when a project is opened.
void FeldlaengenBegrenzen(TForm1 &form);

// Handler of the menu item "Speichern". The dialog proposes Projektname,
// or vorschlag while the project has no file yet. A chosen file that exists
// and is not the bound one is replaced only if the user agrees; "Nein"
// shows the dialog again on that name, where the user picks another or
// cancels. True when the file was written; it is then the bound file.
bool Speichern1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                     const Dateiwahl &wahl = Dateiwahl::Dialoge(), const Dateiaufrufe &aufrufe = {},
                     const QString &vorschlag = {});

// What "Speichern" proposes for a unit without a file and without a
// proposal of its own: "<objekt>.lkz" in ordner, the object's name cleaned
// as for the PDF; ordner alone when the object has no name.
QString Objektvorschlag(const QString &objekt, const QString &ordner);

// Handler of "Neue Nutzungseinheit": the next unit of the same building,
// started from the one shown. The object data and every answer stay; the
// area, and with a measured value also n50, are emptied, and the results
// follow as for a user's change. The unit has no file yet: the title is the
// start caption, Projektname is empty and vorschlag becomes an unused name
// beside the previous file (NaechsterDateiname); the bond to the file is
// loosened. The cursor stands in Objektbezeichnung with its text selected.
void NeueNutzungseinheit1Click(TForm1 &form, QString &Projektname, Dateibindung &bindung, QString &vorschlag);

// An unused file name in the folder of pfad, derived from it: a number at
// the end of the name counts on ("WE 3.lkz" → "WE 4.lkz"), otherwise " 2",
// " 3", … is added ("Haus.lkz" → "Haus 2.lkz"). Empty for an empty pfad.
QString NaechsterDateiname(const QString &pfad);

// Handler of the menu item "Öffnen": asks for a file, the dialog starting
// in ordner, and opens it. True when a project was read.
bool ffnen1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                 const Dateiwahl &wahl = Dateiwahl::Dialoge(), const QString &ordner = {});

// What "Öffnen" does once its dialog has answered, also for a project named
// on the command line: reads the file at pfad (none: the dialog was
// cancelled), sets the title, loads the record into the window and shows
// the work page. A failure is shown in the error box and ends it there;
// with dateiNennen (no dialog showed the file: the command line, the
// desktop) the message names the file. A project read binds its file; a
// file that could be opened but not read loosens the bond. True when a
// project was read.
bool GewaehlteDateiOeffnen(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                           const std::optional<QString> &pfad, bool dateiNennen = false);

// The window title after saving or opening.
QString Fenstertitel(const QString &Projektname);

// A date in the locale's short format, its year always with four digits
// (01.01.2009 in German, where the locale's own format has two).
QString Datumstext(QDate datum, const QLocale &gebietsschema = QLocale::system());
