#pragma once

// Replacing a file without ever destroying the one it replaces; used for
// project files, the recovery copies, PDFs and "Logo.bmp".
//
// The new content goes into a new hidden file ".luvanto-…" beside the
// target, is flushed to disk and only then put in the target's place in one
// step, so a failure at any point leaves the old file whole and removes the
// new one. A target that is a folder or no regular file is never written to.
// A temporary file that a crashed save left behind is removed by the next
// save into its folder; one that a running save still holds stays.
//
// How the system is reached differs: SicheresSchreiben_posix.cpp (write,
// fdatasync, rename; symbolic links followed, permissions kept, in place as
// a last resort where the folder refuses new files) and
// SicheresSchreiben_windows.cpp (UTF-16 names, FlushFileBuffers,
// ReplaceFileW or MoveFileExW with write-through; a file that another
// program holds open is reported, never half written). CMake builds one of
// them, and puts the matching fileio/Dateiaufrufe.h on the include path.

#include "fileio/Dateiaufrufe.h"

#include <QString>

#include <cstddef>
#include <optional>

struct Schreibfehler {
    enum class Schritt { Erstellen, Schreiben, Schliessen };
    Schritt schritt;
    // An errno value, on every system: ENOSPC when a write made no
    // progress, ETXTBSY when another program holds the file.
    int fehlernummer;
};

// Writes laenge bytes as the only content of the file at pfad, replacing any
// file of that name without a question. Nothing on success.
std::optional<Schreibfehler> SicherSchreiben(const QString &pfad, const char *daten, std::size_t laenge,
                                             const Dateiaufrufe &aufrufe = {});
