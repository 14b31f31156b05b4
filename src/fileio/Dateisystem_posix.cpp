#include "fileio/Dateisystem.h"

#include "fileio/Dateiname.h"

#include <QDir>

#include <sys/stat.h>

#include <cerrno>

Dateiangaben DateiangabenLesen(const QString &pfad)
{
    Dateiangaben angaben;
    struct stat st { };
    if (::stat(NameAlsBytes(pfad).constData(), &st) != 0) {
        angaben.fehler = errno;
        return angaben;
    }
    angaben.art = S_ISREG(st.st_mode) ? Dateiangaben::Art::Datei
        : S_ISDIR(st.st_mode)         ? Dateiangaben::Art::Ordner
                                      : Dateiangaben::Art::Andere;
    angaben.groesse = st.st_size;
    angaben.geraet = st.st_dev;
    angaben.nummer = st.st_ino;
    return angaben;
}

int OrdnerAnlegen(const QString &ordner, QString &stelle)
{
    const QByteArray pfad = NameAlsBytes(QDir::cleanPath(QDir(ordner).absolutePath()));
    for (qsizetype ende = 1; ende <= pfad.size(); ++ende) {
        if (ende < pfad.size() && pfad[ende] != '/')
            continue;
        const QByteArray teil = pfad.left(ende);
        stelle = NameAusBytes(teil);
        struct stat st { };
        if (::stat(teil.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return ENOTDIR;
            continue;
        }
        if (errno != ENOENT)
            return errno;
        if (::mkdir(teil.constData(), 0777) != 0 && errno != EEXIST)
            return errno;
    }
    stelle.clear();
    return 0;
}

QString OrdnerDenEsNichtGibt()
{
    // Below a device.
    return QStringLiteral("/dev/null/luvanto");
}
