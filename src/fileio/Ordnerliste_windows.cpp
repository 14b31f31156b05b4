#include "fileio/Ordnerliste.h"

#include <QDir>

// Names are UTF-16 on this system: every name is one that Qt holds whole.
QStringList Ordnereintraege(const QString &ordner, const QString &endung)
{
    return QDir(ordner).entryList({QLatin1Char('*') + endung},
                                  QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
}
