#pragma once

// The main window's commands "Speichern", "Öffnen" and "Neue
// Nutzungseinheit": the dialogs, the title and the work page around the
// copies between the page and the project record (project/Projektbefehle.h).
//
// The program owns one TProjektdaten and the current project name (the full
// path of the file last saved or opened, empty at start) and passes both in.
// A failed file operation ends the command at once and is shown in the
// program's error box; what has been done before it stays done.

#include "project/Dateibindung.h"
#include "project/Dateiwahl.h"
#include "project/Projektdatei.h"
#include "project/TProjektdaten.h"

#include <QString>

#include <optional>

class TForm1;

// Binds the project record to the window's page, as the program and its
// tests need it: a reset of the page empties the record and frees the
// file it belonged to, and every edit field is capped at what its slot of
// a project file holds.
void ProjektAnbinden(TForm1 &form, TProjektdaten &daten, Dateibindung &bindung);

// Handler of the menu item "Speichern". The dialog proposes Projektname,
// or vorschlag while the project has no file yet. A chosen file that exists
// and is not the bound one is replaced only if the user agrees; "Nein"
// shows the dialog again on that name, where the user picks another or
// cancels. True when the file was written; it is then the bound file.
bool Speichern1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                     const Dateiwahl &wahl = Dateiwahl::dialoge(), const Dateiaufrufe &aufrufe = {},
                     const QString &vorschlag = {});

// Handler of "Neue Nutzungseinheit": the next unit of the same building,
// started from the one shown. The object data and every answer stay; the
// area, and with a measured value also n50, are emptied, and the results
// follow as for a user's change. The unit has no file yet: the title is the
// start caption, Projektname is empty and vorschlag becomes an unused name
// beside the previous file (NaechsterDateiname); the bond to the file is
// loosened. The cursor stands in Objektbezeichnung with its text selected.
void NeueNutzungseinheit1Click(TForm1 &form, QString &Projektname, Dateibindung &bindung, QString &vorschlag);

// Handler of the menu item "Öffnen": asks for a file, the dialog starting
// in ordner, and opens it. True when a project was read.
bool ffnen1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                 const Dateiwahl &wahl = Dateiwahl::dialoge(), const QString &ordner = {});

// What "Öffnen" does once its dialog has answered, also for a project named
// on the command line: reads the file at pfad (none: the dialog was
// cancelled), sets the title, loads the record onto the page and shows the
// work page. Where the stored results differ from what the unit gives when
// entered by hand, the hints name both values. A failure is shown in the
// error box and ends it there; with dateiNennen (no dialog showed the file:
// the command line, the desktop) the message names the file. A project read
// binds its file; a file that could be opened but not read loosens the
// bond. True when a project was read.
bool GewaehlteDateiOeffnen(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                           const std::optional<QString> &pfad, bool dateiNennen = false);
