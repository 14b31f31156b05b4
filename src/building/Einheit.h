#pragma once

// One project file of a building's folder, read by the rules of "Öffnen"
// and recomputed: a row of the overview, of its CSV file and of the
// command line's table. A row shows the unit as "Öffnen" shows it, stored
// results included, and its check names every value that the recomputation
// gives otherwise, so no view of the unit holds a value that another does
// not name.

#include "project/TProjektdaten.h"

#include <QString>
#include <QStringList>

#include <vector>

struct Einheit {
    QString pfad;  // absolute
    QString datei;  // file name
    QString fehler;  // why the file is no project; empty for a project
    TProjektdaten gespeichert;
    TProjektdaten nachgerechnet;
    bool mitBerechnung = false;  // the unit's answers lead to a calculation, whose results show
    QString urteil;  // the verdict line as the opened unit shows it
    QString pruefung;  // "stimmt", "weicht ab: …" or "keine Projektdatei: …"
    QString hinweise;
    // What the sums below a table add up, read once with the file.
    double flaeche = 0, qvRL = 0, qvNL = 0;
    bool massnahme = false;

    bool projekt() const { return fehler.isEmpty(); }
    bool weichtAb() const { return projekt() && pruefung != QLatin1String("stimmt"); }
    // A measure is needed: the verdict asks for one.
    bool mitMassnahme() const { return projekt() && massnahme; }
};

class Nachrechnung;

// Reads and recomputes the file at pfad.
Einheit EinheitLesen(const QString &pfad, Nachrechnung &nachrechnung);

// The .lkz files directly in ordner, sorted by name with numbers in order
// ("WE 2" before "WE 10"); special files of that name included, hidden
// files not.
QStringList Projektdateien(const QString &ordner);

// What names are sorted by, as people read them: case and accents fold
// away ("Büro" beside "Buro"), numbers go by their value.
QString Sortierschluessel(const QString &name);

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
    Datei,
    Objektbezeichnung,
    Gebaeudetyp,
    Gebaeudelage,
    Flaeche,
    N50,
    Waermeschutz,
    QvFS,
    QvInf,
    QvRL,
    QvNL,
    Urteil,
    Pruefung,
    Hinweise,
};
inline constexpr int Spaltenzahl = 14;

// Whether a column holds numbers, set to the right.
bool Zahlenspalte(Spalte spalte);

// The text of one cell.
QString Zelle(const Einheit &einheit, Spalte spalte);

// "12 Nutzungseinheiten · 7 mit Maßnahme · 1 weicht ab · 1 keine Projektdatei".
QString Summenzeile(const std::vector<Einheit> &einheiten);

// What a central system is sized from: "12 Nutzungseinheiten · Fläche
// 845,0 m² · Σ q_v,RL 1 043,2 m³/h · Σ q_v,NL 1 490,4 m³/h", the sums of the
// units whose results show.
QString Summen(const std::vector<Einheit> &einheiten);
