#pragma once

// One project file of a building's folder, read by the rules of "Öffnen"
// and recomputed: a row of the overview, of its CSV file and of the
// command line's table.

#include "project/TProjektdaten.h"

#include <QString>
#include <QStringList>

#include <vector>

struct Einheit {
    QString pfad;    // absolute
    QString datei;   // file name
    QString fehler;  // why the file is no project; empty for a project
    TProjektdaten gespeichert;
    TProjektdaten nachgerechnet;
    QString urteil;    // the recomputed verdict line as shown; empty when none is
    QString pruefung;  // "stimmt", "weicht ab: …" or "keine Projektdatei: …"
    QString hinweise;

    bool projekt() const { return fehler.isEmpty(); }
    bool weichtAb() const { return projekt() && pruefung != QLatin1String("stimmt"); }
    // A measure is needed: the recomputed verdict asks for one.
    bool mitMassnahme() const;
};

class Nachrechnung;

// Reads and recomputes the file at pfad.
Einheit EinheitLesen(const QString &pfad, Nachrechnung &nachrechnung);

// The .lkz files directly in ordner, sorted by name with numbers in order
// ("WE 2" before "WE 10"); special files of that name included, hidden
// files not.
QStringList Projektdateien(const QString &ordner);

// The project files that the command line names: a file stands for
// itself, a folder for its project files (Projektdateien).
QStringList DateienAusPfaden(const QStringList &pfade);

// Every file read and recomputed, in the given order.
std::vector<Einheit> EinheitenLesen(const QStringList &dateien);

// The command line's exit code: 0 when every file is a project and agrees,
// otherwise 1.
int Pruefcode(const std::vector<Einheit> &einheiten);

// The columns of the table, as its header and the CSV file name them.
QStringList Spaltennamen();
enum class Spalte {
    Datei, Objektbezeichnung, Gebaeudetyp, Gebaeudelage, Flaeche, N50, Waermeschutz,
    QvFS, QvInf, Urteil, Pruefung, Hinweise,
};
inline constexpr int Spaltenzahl = 12;

// The text of one cell.
QString Zelle(const Einheit &einheit, Spalte spalte);

// "12 Nutzungseinheiten · 7 mit Maßnahme · 1 weicht ab · 1 keine Projektdatei".
QString Summenzeile(const std::vector<Einheit> &einheiten);
