#pragma once

// A lock file held through an open handle: the system frees the lock when
// the holder ends, however it ends. Dateisperre_posix.cpp locks with
// flock(), which also holds against a program on another machine that
// shares the folder; Dateisperre_windows.cpp with LockFileEx() on a byte
// far past the content, the file opened so that others may read it, test
// the lock, and the holder may rename and remove it. CMake builds one of
// them.
//
// Only regular files are locked, opened without following a link and
// without waiting: a lock file that is a FIFO or leads to a device is
// never held.

#include <QByteArray>
#include <QString>

#include <cstdint>

class Dateisperre {
public:
    Dateisperre() = default;
    // Closes the file, which frees the lock.
    ~Dateisperre();
    Dateisperre(Dateisperre &&anderes) noexcept;
    Dateisperre &operator=(Dateisperre &&anderes) noexcept;
    Dateisperre(const Dateisperre &) = delete;
    Dateisperre &operator=(const Dateisperre &) = delete;

    // A new lock file at pfad with inhalt, held from the moment it bears
    // the name: written under pfad + ".neu", locked, and only then renamed.
    // On failure none is held and fehlernummer holds errno.
    static Dateisperre anlegen(const QString &pfad, const QByteArray &inhalt, int &fehlernummer);

    // The lock file at pfad, created when there is none, when no process
    // holds it and the name still leads to the file that was locked; none
    // is held otherwise.
    static Dateisperre uebernehmen(const QString &pfad);

    bool gehalten() const { return griff != -1; }

    // The file's first bytes, up to hoechstens; empty when none is held.
    QByteArray lesen(qsizetype hoechstens) const;

    void freigeben();

private:
    explicit Dateisperre(std::intptr_t griff)
        : griff(griff)
    {
    }

    // Reads up to anzahl bytes from the file's start; how many it read.
    qsizetype vomAnfangLesen(char *ziel, qsizetype anzahl) const;

    std::intptr_t griff = -1;
};
