#pragma once

// Project files: one TProjektdaten, 1109 bytes, as the only content.
//
// Writing never destroys the file it replaces: the record goes into a new
// file beside the target, is flushed to disk and only then renamed over the
// target. On any failure the new file is removed and the old one stands as it
// was. Reading opens the file for reading only, so a read-only project opens.
// Both report failures as values; nothing here shows a message.

#include "project/Dateiergebnis.h"
#include "project/TProjektdaten.h"

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>

class QString;

// The C library's write(); tests pass one that fails part way.
using Schreibaufruf = ssize_t (*)(int fd, const void *puffer, std::size_t anzahl);

// Writes the record as the file at pfad, replacing any file of that name
// without a question. A symbolic link is followed; an existing file keeps its
// permissions, a new one gets the usual ones of the process (umask).
Dateiergebnis ProjektdateiSchreiben(const QString &pfad, const TProjektdaten &daten,
                                    Schreibaufruf schreiben = ::write);

// Reads the first 1109 bytes of the file at pfad into the record; bytes
// beyond them are ignored. A shorter file fails with HinterDateiende in step
// Lesen, and the bytes that it held stand over the record's previous content.
// A failure in step Oeffnen (missing file or folder, a folder, no permission)
// leaves the record as it was.
Dateiergebnis ProjektdateiLesen(const QString &pfad, TProjektdaten &daten);
