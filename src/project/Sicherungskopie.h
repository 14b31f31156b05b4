#pragma once

// Copies of unsaved input in the user's data folder, so that nothing typed
// is lost when the program ends or crashes before it was saved.
//
// Every running program has one copy file of its own, "<name>.kopie", and
// holds the lock file "<name>.sperre" beside it from start to end, before
// the copy is first written. A copy whose lock nobody holds was left by a
// program that ended or crashed: a program starting later may claim it by
// taking its lock, offer it, and then remove it. Two programs never offer
// the same copy, and a copy that a running program still writes is never
// offered. A copy is written through the shared safe writer, so it is
// always whole: the one before or the one after.

#include "project/Dateibindung.h"
#include "project/TProjektdaten.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

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
// Nothing for bytes that are not a whole copy of this format.
std::optional<Eingabestand> StandAusBytes(const QByteArray &bytes);

class Sicherungskopie {
public:
    // The folder of the copies: "ungespeichert" in the application's data
    // folder.
    static QString Standardordner();

    // Takes the lock of this program's copy; creates the folder.
    explicit Sicherungskopie(const QString &ordner = Standardordner());
    // Releases the locks; the copy file stays.
    ~Sicherungskopie();
    Sicherungskopie(const Sicherungskopie &) = delete;
    Sicherungskopie &operator=(const Sicherungskopie &) = delete;

    // False when the copy could not be written; the one before stays.
    bool schreiben(const Eingabestand &stand);
    void entfernen();
    QString datei() const;

    // The newest copy left by a program that has ended, claimed for this
    // one until it is taken (hinterlasseneEntfernen) or this one ends.
    // Copies that cannot be read are removed on the way. A copy claimed
    // before is given up first.
    std::optional<Eingabestand> hinterlassene();
    void hinterlasseneEntfernen();

private:
    QString ordner;
    QString name;
    std::unique_ptr<QLockFile> sperre;
    QString angeboteneDatei;
    std::unique_ptr<QLockFile> angebotsperre;
};
