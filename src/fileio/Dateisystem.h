#pragma once

// What the program asks of the file system besides reading and writing a
// file: what a name leads to, creating a folder with the folders above it,
// and a folder that cannot exist. Dateisystem_posix.cpp asks by the bytes
// of the name (fileio/Dateiname.h), Dateisystem_windows.cpp by its UTF-16
// letters; CMake builds one of them. Errors are errno values on every
// system.

#include <QString>

#include <cstdint>

struct Dateiangaben {
    enum class Art { Keine, Datei, Ordner, Andere };

    Art art = Art::Keine;  // Andere: a FIFO, a device, a socket
    int fehler = 0;  // why there is none, when art is Keine
    qint64 groesse = 0;
    // Which file it is: the same pair for every name that leads to it.
    std::uint64_t geraet = 0;
    std::uint64_t nummer = 0;
};

// What pfad leads to, through links.
Dateiangaben DateiangabenLesen(const QString &pfad);

// The folder and the ones above it; 0, or errno of the first that fails,
// with that one in stelle.
int OrdnerAnlegen(const QString &ordner, QString &stelle);

// A folder that can never exist, as no folder can be made there: reading
// in it finds nothing, writing fails.
QString OrdnerDenEsNichtGibt();
