#include "project/Dateibindung.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A project file is 1109 bytes; what lies beyond a little more is not ours
// to compare.
QByteArray Inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.read(4096) : QByteArray();
}

} // namespace

void Dateibindung::binden(const QString &pfad)
{
    datei = QFileInfo(pfad).canonicalFilePath();
    inhalt = Inhalt(pfad);
}

void Dateibindung::loesen()
{
    datei.clear();
    inhalt.clear();
}

bool Dateibindung::ohneFrage(const QString &pfad) const
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return true;
    return !datei.isEmpty() && info.canonicalFilePath() == datei && Inhalt(pfad) == inhalt;
}
