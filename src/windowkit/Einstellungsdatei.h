#pragma once

// The file behind QSettings, looked at before anything reads it. QSettings
// opens its file and reads it whole, whatever it is: a FIFO there stops
// the start for good, deaf even to SIGTERM, and a link to /dev/zero eats
// the memory. Such a file, or one far larger than settings ever are, is
// left alone: QSettings is sent to a place where it finds nothing and can
// write nothing, so for this run the program remembers no recent files and
// no folders.

#include <QString>
#include <QStringList>

#include <optional>

// The files QSettings() reads for the user: the program's own and the
// organisation's, in the user's configuration folder.
QStringList Einstellungsdateien();

// Nothing when the files may be read; otherwise the German reason, naming
// the file, after QSettings has been turned away from them.
std::optional<QString> EinstellungsdateiPruefen();
