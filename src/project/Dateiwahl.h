#pragma once

#include <QString>

#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

// How the project commands ask the user for a file. The program uses the
// two real dialogs below; tests may answer with a path of their own.
struct Dateiwahl {
    // The path to save to, or nothing when the user cancels; vorschlag is
    // the file name the dialog proposes.
    std::function<std::optional<QString>(QWidget *eltern, const QString &vorschlag)> speichern;
    // The path to open, or nothing when the user cancels; the dialog
    // starts in ordner (none given: where Qt's dialog was last).
    std::function<std::optional<QString>(QWidget *eltern, const QString &ordner)> oeffnen;
    // Whether the existing file at pfad may be replaced; fremdGeaendert
    // when it is the project's own file and another program changed it
    // since it was opened or saved.
    std::function<bool(QWidget *eltern, const QString &pfad, bool fremdGeaendert)> ersetzen;

    static Dateiwahl dialoge();
};

// Both dialogs are Qt's own widgets, not the desktop's, with German labels
// and the filter "Datendateien-Luvanto (*.lkz)". They never change the
// process's working directory, which the logo file is addressed by. The
// chosen file need not exist. The save dialog itself asks nothing about an
// existing file (the command decides whether to ask); a vorschlag that is a
// folder opens it with no name proposed. The path it gives ends in ".lkz":
// see MitProjektendung.
void SpeicherdialogEinrichten(QFileDialog &dialog, const QString &vorschlag);
void OeffnendialogEinrichten(QFileDialog &dialog, const QString &ordner);

// pfad with ".lkz" appended unless it ends in it already, in any case. A dot
// elsewhere is part of the name: "WE 03 1.OG links" becomes
// "WE 03 1.OG links.lkz", so that the overview, "Öffnen" and --pruefen,
// which look for ".lkz", find the file.
QString MitProjektendung(const QString &pfad);

// The question „WE 1.lkz“ gibt es schon. Ersetzen? with "Ja" and "Nein",
// "Nein" the default; true for "Ja". For the project's own file that another
// program changed: „WE 1.lkz“ wurde seit dem Öffnen von einem anderen
// Programm geändert. Überschreiben?
bool ErsetzenFragen(QWidget *eltern, const QString &pfad, bool fremdGeaendert = false);
