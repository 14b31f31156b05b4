#pragma once

// The fuzz input as a real file, since the code under test reads paths.
// One file per process in a folder of its own, rewritten for every input.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline QString FuzzdateiSchreiben(const QString &name, const std::uint8_t *daten, std::size_t laenge)
{
    static QTemporaryDir ordner;
    if (!ordner.isValid())
        std::abort();
    const QString pfad = ordner.filePath(name);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || datei.write(reinterpret_cast<const char *>(daten), qint64(laenge)) != qint64(laenge))
        std::abort();
    return pfad;
}
