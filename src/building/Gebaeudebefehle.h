#pragma once

// The command line's building commands, without a window: --pruefen writes
// the table of the units to standard output, --pdf the collective PDF.
// Both return 0 when every file is a project and agrees, otherwise 1;
// messages go to standard error. A named file whose name does not end in
// ".lkz" or whose length is not a project's is no project; a folder without
// project files, or output that could not be written whole, is said there
// and also gives 1.

#include <QString>
#include <QStringList>

#include <cstdio>

int PruefenAusgeben(const QStringList &pfade, std::FILE *ausgabe);
int SammelPdfAusgeben(const QStringList &pfade, const QString &ziel);
