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

}  // namespace

void Dateibindung::binden(const QString &pfad)
{
    gebunden = QFileInfo(pfad).canonicalFilePath();
    gehalten = Inhalt(pfad);
}

void Dateibindung::wiederherstellen(const QString &datei, const QByteArray &inhalt)
{
    gebunden = datei;
    gehalten = datei.isEmpty() ? QByteArray() : inhalt;
}

void Dateibindung::loesen()
{
    gebunden.clear();
    gehalten.clear();
}

bool Dateibindung::ohneFrage(const QString &pfad) const
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return true;
    return !gebunden.isEmpty() && info.canonicalFilePath() == gebunden && Inhalt(pfad) == gehalten;
}

bool Dateibindung::fremdGeaendert(const QString &pfad) const
{
    const QFileInfo info(pfad);
    return info.exists() && !gebunden.isEmpty() && info.canonicalFilePath() == gebunden && Inhalt(pfad) != gehalten;
}
