#pragma once

// Copies of unsaved input in the user's data folder, so that nothing typed
// is lost when the program ends or crashes before it was saved.
//
// Every running program has one copy file of its own, "<name>.kopie", and
// holds the lock file "<name>.sperre" beside it from start to end, before
// the copy is first written (project/Sperrdatei.h). A copy whose lock no
// process holds was left by a program that ended or crashed, on this
// machine or another one sharing the folder: a program starting later may
// claim it by taking its lock, offer it, and then remove it. Two programs
// never offer the same copy, and a copy that a running program still
// writes is never offered. A copy is written through the shared safe
// writer, so it is always whole: the one before or the one after.
//
// Only a copy that was read completely and is no copy at all is removed
// unasked. One that cannot be opened or read now, or that a later version
// of the program wrote, stays for a later start or that version.

#include "project/Dateibindung.h"
#include "project/Sperrdatei.h"
#include "project/TProjektdaten.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The shown project apart from its file: the record as the page shows it,
// its name, the bond to its file, and what "Speichern" would propose.
struct Eingabestand {
    QByteArray satz;  // a project record, 1109 bytes
    QString Projektname;
    QString vorschlag;
    Dateibindung bindung;
    QDateTime zeit;  // when the copy was taken

    // satz as a project record, and the object's designation in it.
    TProjektdaten daten() const;
    QString objekt() const;
};

QByteArray StandZuBytes(const Eingabestand &stand);
// Nothing for bytes that are not a whole copy of this format; bytes after
// a whole copy are left for later versions and ignored.
std::optional<Eingabestand> StandAusBytes(const QByteArray &bytes);
// The bytes begin as a copy of a later format than this program writes.
bool SpaetereFassung(const QByteArray &bytes);

class Sicherungskopie {
public:
    // The folder of the copies: "ungespeichert" in the application's data
    // folder.
    static QString standardordner();

    // Takes the lock of this program's copy; creates the folder.
    explicit Sicherungskopie(const QString &ordner = standardordner());
    // Removes this program's lock and releases the claimed one; the copy
    // files stay.
    ~Sicherungskopie();
    Sicherungskopie(const Sicherungskopie &) = delete;
    Sicherungskopie &operator=(const Sicherungskopie &) = delete;

    // Nothing when the copy was written; otherwise why not, in German and
    // naming the folder. The copy before stays.
    std::optional<QString> schreiben(const Eingabestand &stand);
    void entfernen();
    QString datei() const;

    // The newest copy left by a program that has ended, claimed for this
    // one until it is taken (hinterlasseneEntfernen) or this one ends.
    // Copies read completely that are no copies are removed on the way. A
    // copy claimed before is given up first.
    std::optional<Eingabestand> hinterlassene();
    // The machine whose program left the copy offered, when it was another
    // one; empty otherwise.
    QString angebotenVonRechner() const;
    void hinterlasseneEntfernen();

private:
    // Creates the folder and takes this program's lock: 0, or errno, with
    // the part of the path that failed in stelle.
    int sperren(QString &stelle);

    QString ordner;
    QString name;
    Sperrdatei sperre;
    QString angeboteneDatei;
    Sperrdatei angebotsperre;
    QString angebotsrechner;
};
