#pragma once

// Replacing a file without ever destroying the one it replaces; used for
// project files and for "Logo.bmp".
//
// The new content goes into a new file beside the target, is flushed to disk
// and only then renamed over the target, so a failure at any point leaves
// the old file whole and removes the new one. A symbolic link is followed:
// the file it points to is replaced and the link stays. A replaced file
// keeps its permissions; a new one gets the usual ones of the process
// (umask). A target that is a folder, a FIFO, a device or a socket is never
// written to. Only where the folder refuses the new file (a folder the user
// may not write to, holding a file he may write) is the target written in
// place, as a last resort: the new length is reserved on the disk first, and
// where that fails the file stays untouched; only a failure of the disk
// itself part way can then leave it damaged.

#include <QString>

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <optional>

// The C library's write(), open() and posix_fallocate(); tests pass ones
// that fail.
using Schreibaufruf = ssize_t (*)(int fd, const void *puffer, std::size_t anzahl);
using Oeffnungsaufruf = int (*)(const char *pfad, int flags, mode_t modus);
using Reservierungsaufruf = int (*)(int fd, off_t anfang, off_t laenge);

struct Dateiaufrufe {
    Dateiaufrufe() = default;
    // A write call alone: every other call is the real one.
    Dateiaufrufe(Schreibaufruf s) : schreiben(s) {}

    Schreibaufruf schreiben = ::write;
    Oeffnungsaufruf oeffnen = [](const char *pfad, int flags, mode_t modus) { return ::open(pfad, flags, modus); };
    Reservierungsaufruf reservieren = ::posix_fallocate;
};

struct Schreibfehler {
    enum class Schritt { Erstellen, Schreiben, Schliessen };
    Schritt schritt;
    int fehlernummer;  // errno; ENOSPC when a write made no progress
};

// Writes laenge bytes as the only content of the file at pfad, replacing any
// file of that name without a question. Nothing on success.
std::optional<Schreibfehler> SicherSchreiben(const QString &pfad, const char *daten, std::size_t laenge,
                                             const Dateiaufrufe &aufrufe = {});
