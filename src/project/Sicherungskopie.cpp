#include "project/Sicherungskopie.h"

#include "fileio/SicheresSchreiben.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <cstring>

namespace {

constexpr char Kennung[] = "LKZKOPIE";
constexpr quint8 Fassung = 1;
const QString Endung = QStringLiteral(".kopie");
const QString Sperrendung = QStringLiteral(".sperre");

// A lock whose holder may keep it for days: only a holder that no longer
// runs makes it stale, never its age.
std::unique_ptr<QLockFile> Sperren(const QString &pfad)
{
    auto sperre = std::make_unique<QLockFile>(pfad);
    sperre->setStaleLockTime(0);
    return sperre->tryLock(0) ? std::move(sperre) : nullptr;
}

} // namespace

TProjektdaten Eingabestand::daten() const
{
    TProjektdaten daten;
    std::memcpy(daten.bytes().data(), satz.constData(), std::min<std::size_t>(satz.size(), TProjektdaten::Groesse));
    return daten;
}

QString Eingabestand::objekt() const
{
    return daten().text(Projektfeld::Objektbezeichnung);
}

QByteArray StandZuBytes(const Eingabestand &stand)
{
    QByteArray bytes;
    QDataStream strom(&bytes, QIODevice::WriteOnly);
    strom.setVersion(QDataStream::Qt_6_0);
    strom.writeRawData(Kennung, sizeof Kennung - 1);
    strom << Fassung << stand.zeit << stand.Projektname << stand.vorschlag << stand.bindung.datei()
          << stand.bindung.inhalt() << stand.satz;
    return bytes;
}

std::optional<Eingabestand> StandAusBytes(const QByteArray &bytes)
{
    QDataStream strom(bytes);
    strom.setVersion(QDataStream::Qt_6_0);
    char kennung[sizeof Kennung - 1];
    quint8 fassung = 0;
    if (strom.readRawData(kennung, sizeof kennung) != int(sizeof kennung)
        || std::memcmp(kennung, Kennung, sizeof kennung) != 0)
        return std::nullopt;
    strom >> fassung;
    if (fassung != Fassung)
        return std::nullopt;
    Eingabestand stand;
    QString datei;
    QByteArray inhalt;
    strom >> stand.zeit >> stand.Projektname >> stand.vorschlag >> datei >> inhalt >> stand.satz;
    if (strom.status() != QDataStream::Ok || !strom.atEnd() || stand.satz.size() != qsizetype(TProjektdaten::Groesse))
        return std::nullopt;
    stand.bindung.wiederherstellen(datei, inhalt);
    return stand;
}

QString Sicherungskopie::Standardordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/ungespeichert");
}

Sicherungskopie::Sicherungskopie(const QString &o)
    : ordner(o)
    , name(QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(
          QUuid::createUuid().toString(QUuid::Id128).left(8)))
{
    // Without its lock a copy would look left behind to every other
    // program: then there is none.
    if (QDir().mkpath(ordner))
        sperre = Sperren(QDir(ordner).filePath(name + Sperrendung));
}

Sicherungskopie::~Sicherungskopie() = default;

QString Sicherungskopie::datei() const
{
    return QDir(ordner).filePath(name + Endung);
}

bool Sicherungskopie::schreiben(const Eingabestand &stand)
{
    if (!sperre)
        return false;
    const QByteArray bytes = StandZuBytes(stand);
    return !SicherSchreiben(datei(), bytes.constData(), std::size_t(bytes.size()));
}

void Sicherungskopie::entfernen()
{
    QFile::remove(datei());
}

std::optional<Eingabestand> Sicherungskopie::hinterlassene()
{
    angebotsperre.reset();
    angeboteneDatei.clear();
    const QDir dir(ordner);
    // A program killed before it wrote a copy leaves its lock alone: taking
    // it removes it.
    for (const QFileInfo &sperrdatei : dir.entryInfoList({QLatin1Char('*') + Sperrendung}, QDir::Files)) {
        if (!dir.exists(sperrdatei.completeBaseName() + Endung))
            Sperren(sperrdatei.filePath());
    }
    for (const QFileInfo &kopie : dir.entryInfoList({QLatin1Char('*') + Endung}, QDir::Files, QDir::Time)) {
        const QString stamm = kopie.completeBaseName();
        if (stamm == name)
            continue;
        std::unique_ptr<QLockFile> fremd = Sperren(dir.filePath(stamm + Sperrendung));
        if (!fremd)
            continue;  // its program still runs, or another one offers it
        QFile datei(kopie.filePath());
        std::optional<Eingabestand> stand;
        if (datei.open(QIODevice::ReadOnly))
            stand = StandAusBytes(datei.read(1 << 16));
        if (!stand) {
            datei.remove();
            continue;
        }
        angeboteneDatei = kopie.filePath();
        angebotsperre = std::move(fremd);
        return stand;
    }
    return std::nullopt;
}

void Sicherungskopie::hinterlasseneEntfernen()
{
    if (!angeboteneDatei.isEmpty())
        QFile::remove(angeboteneDatei);
    angeboteneDatei.clear();
    angebotsperre.reset();
}
