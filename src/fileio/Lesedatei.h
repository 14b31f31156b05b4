#pragma once

// A file opened for reading, as the project file and the logo are read: by
// its name as the system holds it, only if it is a regular file, and never
// waiting for a writer (a FIFO). Errors are errno values on every system.
// Lesedatei_posix.cpp opens the bytes of the name (fileio/Dateiname.h),
// Lesedatei_windows.cpp its UTF-16 letters; CMake builds one of them.

#include <QString>

#include <cstdint>

class Lesedatei {
public:
    enum class Verknuepfung { Folgen, NichtFolgen };

    // NichtFolgen: a symbolic link at pfad is not opened (ELOOP).
    explicit Lesedatei(const QString &pfad, Verknuepfung verknuepfung = Verknuepfung::Folgen);
    ~Lesedatei();
    Lesedatei(const Lesedatei &) = delete;
    Lesedatei &operator=(const Lesedatei &) = delete;

    // 0 when open; else why not: EISDIR for a folder, EACCES for anything
    // else that is no regular file, or the system's reason.
    int fehler() const { return fehlernummer; }
    // The size when opened.
    qint64 groesse() const { return dateigroesse; }
    // Up to anzahl bytes; 0 at the end, -1 with errno set on failure.
    qint64 lesen(char *puffer, qint64 anzahl);
    // 0, or why closing failed; the destructor closes a file still open.
    int schliessen();

private:
    std::intptr_t systemgriff = -1;
    int fehlernummer = 0;
    qint64 dateigroesse = 0;
};

// Whether the folder that would hold the file at pfad exists.
bool OrdnerDerDateiVorhanden(const QString &pfad);
