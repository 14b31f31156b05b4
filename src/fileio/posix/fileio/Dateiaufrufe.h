#pragma once

// The system calls through which the safe writer reaches a POSIX system:
// the C library's write(), open() and posix_fallocate(); tests pass ones
// that fail.

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>

using Schreibaufruf = ssize_t (*)(int fd, const void *puffer, std::size_t anzahl);
using Oeffnungsaufruf = int (*)(const char *pfad, int flags, mode_t modus);
using Reservierungsaufruf = int (*)(int fd, off_t anfang, off_t laenge);

struct Dateiaufrufe {
    Dateiaufrufe() = default;
    // A write call alone: every other call is the real one.
    Dateiaufrufe(Schreibaufruf s)
        : schreiben(s)
    {
    }

    Schreibaufruf schreiben = ::write;
    Oeffnungsaufruf oeffnen = [](const char *pfad, int flags, mode_t modus) { return ::open(pfad, flags, modus); };
    Reservierungsaufruf reservieren = ::posix_fallocate;
};
