#pragma once

// Which file the project on screen belongs to: the one it was last saved to
// or opened from, with the bytes it held then. Saving onto that file again
// replaces it without a question; any other existing file (another unit's,
// or this one after another program changed it) is replaced only after the
// user agrees. "Neu", the start image, "Neue Nutzungseinheit" and every
// file that "Öffnen" reads loosen the bond.

#include <QByteArray>
#include <QString>

class Dateibindung {
public:
    // After a successful save or open of pfad.
    void binden(const QString &pfad);
    void loesen();

    // Whether saving to pfad may replace what is there without asking: the
    // file does not exist, or it is the bound file and holds what it held.
    bool ohneFrage(const QString &pfad) const;
    // Whether pfad is the bound file and holds other bytes than it did.
    bool fremdGeaendert(const QString &pfad) const;

    // The bond as it stands, to be put back later, also by another run of
    // the program: the file's canonical path (empty when loose) and the
    // bytes it held.
    const QString &datei() const { return gebunden; }
    const QByteArray &inhalt() const { return gehalten; }
    void wiederherstellen(const QString &datei, const QByteArray &inhalt);

private:
    QString gebunden;  // canonical path, empty when loose
    QByteArray gehalten;
};
