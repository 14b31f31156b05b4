#pragma once

// Project files: one TProjektdaten, 1109 bytes, as the only content.
//
// Writing never destroys the file it replaces (fileio/SicheresSchreiben.h:
// a new file beside the target, flushed, renamed over it). Reading opens the
// file for reading only, so a read-only project opens, and reads only
// regular files: a FIFO, a device or a folder is refused at once, never
// waited on. Both report failures as values; nothing here shows a message.

#include "fileio/SicheresSchreiben.h"
#include "project/Dateiergebnis.h"
#include "project/TProjektdaten.h"

class QString;

// Writes the record as the file at pfad, replacing any file of that name
// without a question. A target that is not a regular file fails with
// ZugriffVerweigert; tests pass failing calls in aufrufe.
Dateiergebnis ProjektdateiSchreiben(const QString &pfad, const TProjektdaten &daten, const Dateiaufrufe &aufrufe = {});

// Reads the first 1109 bytes of the file at pfad into the record; bytes
// beyond them are ignored. A shorter file fails with HinterDateiende in step
// Lesen, and the bytes that it held stand over the record's previous content.
// A failure in step Oeffnen (missing file or folder, no permission, not a
// regular file) leaves the record as it was.
Dateiergebnis ProjektdateiLesen(const QString &pfad, TProjektdaten &daten);
