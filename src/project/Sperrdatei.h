#pragma once

// A lock file that a program holds through an open file
// (fileio/Dateisperre.h): the system frees it when the holder ends,
// however it ends, also for a program on another machine that shares the
// folder. So a lock is judged only by whether a process holds it, never by
// what it says (a process number, a machine, or nothing at all) or by its
// age.
//
// Only regular files are opened, without following a link and without
// waiting: a lock file that is a FIFO or leads to a device counts as held.

#include "fileio/Dateisperre.h"

#include <QString>

#include <utility>

class Sperrdatei {
public:
    // Destroyed, it releases the lock; the file stays.
    Sperrdatei() = default;

    // A new lock at pfad, held from the moment it bears the name, naming
    // this program's process and machine as QLockFile does. On failure
    // none is held and fehlernummer holds errno.
    static Sperrdatei anlegen(const QString &pfad, int &fehlernummer);

    // The lock at pfad, when no process holds it; created when there is
    // none. None is held when another process holds it, or the file is no
    // regular file or cannot be opened.
    static Sperrdatei uebernehmen(const QString &pfad);

    bool gehalten() const { return sperre.gehalten(); }

    // The machine the file names, when it is not this one; empty when it
    // names this one or none.
    QString fremderRechner() const;

    // Removes the file while it is still held, then releases it.
    void entfernen();

private:
    Sperrdatei(Dateisperre sperre, QString pfad)
        : sperre(std::move(sperre))
        , pfad(std::move(pfad))
    {
    }

    Dateisperre sperre;
    QString pfad;
};
