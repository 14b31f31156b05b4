#include "project/Sicherungskopie.h"

#include "fileio/Dateisystem.h"
#include "fileio/Lesedatei.h"
#include "fileio/SicheresSchreiben.h"
#include "fileio/Systemfehler.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr char Kennung[] = "LKZKOPIE";
constexpr quint8 Fassung = 1;
const QString Endung = QStringLiteral(".kopie");
const QString Sperrendung = QStringLiteral(".sperre");
// A copy holds a record, two names and a project file's bytes: far less.
constexpr qsizetype Hoechstgroesse = 1 << 20;

// stelle: the part of the folder's path that is no folder, for ENOTDIR.
QString Hinweis(const QString &ordner, int fehlernummer, const QString &stelle = {})
{
    QString grund;
    switch (fehlernummer) {
    case ENOTDIR:
        grund = stelle.isEmpty() || stelle == ordner
            ? QStringLiteral("das ist kein Ordner")
            : QStringLiteral("„%1“ ist kein Ordner").arg(QDir::toNativeSeparators(stelle));
        break;
    case ENOENT: grund = QStringLiteral("den Ordner gibt es nicht mehr"); break;
    default: grund = Systemgrund(fehlernummer);
    }
    return QStringLiteral("Nicht gespeicherte Eingaben können nicht gesichert werden: „%1“: %2. "
                          "Speichern Sie Ihre Arbeit.")
        .arg(QDir::toNativeSeparators(ordner), grund);
}

// The whole file, when it is a regular file that could be read to its end
// and is no larger than a copy can be; nothing otherwise.
std::optional<QByteArray> GanzLesen(const QString &pfad)
{
    Lesedatei datei(pfad, Lesedatei::Verknuepfung::NichtFolgen);
    if (datei.fehler() != 0)
        return std::nullopt;
    QByteArray bytes;
    char puffer[1 << 14];
    for (;;) {
        const qint64 n = datei.lesen(puffer, sizeof puffer);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        bytes.append(puffer, n);
        if (bytes.size() > Hoechstgroesse)
            return std::nullopt;
    }
}

}  // namespace

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
    if (strom.status() != QDataStream::Ok || stand.satz.size() != qsizetype(TProjektdaten::Groesse))
        return std::nullopt;
    stand.bindung.wiederherstellen(datei, inhalt);
    return stand;
}

bool SpaetereFassung(const QByteArray &bytes)
{
    const qsizetype laenge = sizeof Kennung - 1;
    return bytes.size() > laenge && bytes.startsWith(QByteArray(Kennung, laenge)) && quint8(bytes[laenge]) > Fassung;
}

QString Sicherungskopie::standardordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/ungespeichert");
}

Sicherungskopie::Sicherungskopie(const QString &o)
    : ordner(o)
    , name(QStringLiteral("%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QUuid::createUuid().toString(QUuid::Id128).left(8)))
{
    // Without its lock a copy would look left behind to every other
    // program: then there is none.
    QString stelle;
    sperren(stelle);
}

int Sicherungskopie::sperren(QString &stelle)
{
    int fehler = OrdnerAnlegen(ordner, stelle);
    if (fehler == 0)
        sperre = Sperrdatei::anlegen(QDir(ordner).filePath(name + Sperrendung), fehler);
    return fehler;
}

// The copy stays without its lock: a later program takes a missing lock as
// a free one.
Sicherungskopie::~Sicherungskopie()
{
    sperre.entfernen();
}

QString Sicherungskopie::datei() const
{
    return QDir(ordner).filePath(name + Endung);
}

// A folder that could not be used at start is tried again: the user may
// have mended it meanwhile.
std::optional<QString> Sicherungskopie::schreiben(const Eingabestand &stand)
{
    if (!sperre.gehalten()) {
        QString stelle;
        const int fehler = sperren(stelle);
        if (!sperre.gehalten())
            return Hinweis(ordner, fehler, stelle);
    }
    const QByteArray bytes = StandZuBytes(stand);
    if (const std::optional<Schreibfehler> fehler =
            SicherSchreiben(datei(), bytes.constData(), std::size_t(bytes.size())))
        return Hinweis(ordner, fehler->fehlernummer);
    return std::nullopt;
}

void Sicherungskopie::entfernen()
{
    QFile::remove(datei());
}

std::optional<Eingabestand> Sicherungskopie::hinterlassene()
{
    angebotsperre = {};
    angeboteneDatei.clear();
    angebotsrechner.clear();
    const QDir dir(ordner);
    // A program killed before it wrote a copy leaves its lock alone.
    for (const QFileInfo &sperrdatei : dir.entryInfoList({QLatin1Char('*') + Sperrendung}, QDir::Files)) {
        if (!dir.exists(sperrdatei.completeBaseName() + Endung))
            Sperrdatei::uebernehmen(sperrdatei.filePath()).entfernen();
    }
    for (const QFileInfo &kopie : dir.entryInfoList({QLatin1Char('*') + Endung}, QDir::Files, QDir::Time)) {
        const QString stamm = kopie.completeBaseName();
        if (stamm == name)
            continue;
        Sperrdatei fremd = Sperrdatei::uebernehmen(dir.filePath(stamm + Sperrendung));
        if (!fremd.gehalten())
            continue;  // its program still runs, or another one offers it
        const std::optional<QByteArray> bytes = GanzLesen(kopie.filePath());
        if (!bytes)
            continue;  // perhaps readable at a later start
        std::optional<Eingabestand> stand = StandAusBytes(*bytes);
        if (!stand) {
            if (!SpaetereFassung(*bytes)) {
                QFile::remove(kopie.filePath());
                fremd.entfernen();
            }
            continue;
        }
        angeboteneDatei = kopie.filePath();
        angebotsrechner = fremd.fremderRechner();
        angebotsperre = std::move(fremd);
        return stand;
    }
    return std::nullopt;
}

QString Sicherungskopie::angebotenVonRechner() const
{
    return angebotsrechner;
}

void Sicherungskopie::hinterlasseneEntfernen()
{
    if (!angeboteneDatei.isEmpty())
        QFile::remove(angeboteneDatei);
    angeboteneDatei.clear();
    angebotsrechner.clear();
    angebotsperre.entfernen();
}
