#include "fileio/Ordnerliste.h"

#include "fileio/Dateiname.h"

#include <dirent.h>

QStringList Ordnereintraege(const QString &ordner, const QString &endung)
{
    QStringList namen;
    DIR *verzeichnis = ::opendir(NameAlsBytes(ordner).constData());
    if (!verzeichnis)
        return namen;
    while (const dirent *eintrag = ::readdir(verzeichnis)) {
        if (eintrag->d_name[0] == '.')
            continue;
        const QString name = NameAusBytes(QByteArray(eintrag->d_name));
        if (name.endsWith(endung, Qt::CaseInsensitive))
            namen.append(name);
    }
    ::closedir(verzeichnis);
    return namen;
}
