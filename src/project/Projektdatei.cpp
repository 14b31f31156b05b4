#include "project/Projektdatei.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

using Art = Dateiergebnis::Art;
using Schritt = Dateiergebnis::Schritt;

bool ordnerVorhanden(const QString &pfad)
{
    return QFileInfo(QFileInfo(pfad).absolutePath()).isDir();
}

Dateiergebnis systemfehler(Schritt schritt, int code, const QString &pfad)
{
    return Dateiergebnis::ausSystemcode(schritt, code, ordnerVorhanden(pfad));
}

// The file that a save really replaces: the target of a symbolic link.
QString Ziel(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (info.isSymLink() && info.exists())
        return info.canonicalFilePath();
    return pfad;
}

// Creates a new, empty file in the folder of ziel under a name that nobody
// else uses; -1 with errno on failure.
int neueDateiDaneben(const QString &ziel, QByteArray &name)
{
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = QFile::encodeName(ziel) + '.'
               + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes all bytes; a write that makes no progress counts as a full disk.
Dateiergebnis allesSchreiben(int fd, const TProjektdaten::Bytes &bytes, Schreibaufruf schreiben,
                             const QString &pfad)
{
    std::size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = schreiben(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemfehler(Schritt::Schreiben, errno, pfad);
        if (n == 0)
            return {Art::ZuWenigSpeicherplatz, Schritt::Schreiben};
        geschrieben += static_cast<std::size_t>(n);
    }
    return {};
}

// Everything between creating the new file and its rename; fd is closed on
// every way out.
Dateiergebnis fuellenUndSchliessen(int fd, const struct stat *alt, const TProjektdaten &daten,
                                   Schreibaufruf schreiben, const QString &pfad)
{
    if (alt && ::fchmod(fd, alt->st_mode & 07777) != 0) {
        const int code = errno;
        ::close(fd);
        return systemfehler(Schritt::Erstellen, code, pfad);
    }
    Dateiergebnis ergebnis = allesSchreiben(fd, daten.bytes(), schreiben, pfad);
    if (ergebnis.gelungen() && ::fdatasync(fd) != 0)
        ergebnis = systemfehler(Schritt::Schliessen, errno, pfad);
    if (::close(fd) != 0 && ergebnis.gelungen())
        ergebnis = systemfehler(Schritt::Schliessen, errno, pfad);
    return ergebnis;
}

} // namespace

Dateiergebnis ProjektdateiSchreiben(const QString &pfad, const TProjektdaten &daten,
                                    Schreibaufruf schreiben)
{
    const QString ziel = Ziel(pfad);
    const QByteArray zielName = QFile::encodeName(ziel);

    struct stat alt {};
    const bool vorhanden = ::stat(zielName.constData(), &alt) == 0;
    if (!vorhanden && errno != ENOENT)
        return systemfehler(Schritt::Erstellen, errno, ziel);
    if (vorhanden && S_ISDIR(alt.st_mode))
        return {Art::ZugriffVerweigert, Schritt::Erstellen, EISDIR};
    if (vorhanden && ::access(zielName.constData(), W_OK) != 0)
        return systemfehler(Schritt::Erstellen, errno, ziel);

    QByteArray neuName;
    const int fd = neueDateiDaneben(ziel, neuName);
    if (fd < 0)
        return systemfehler(Schritt::Erstellen, errno, ziel);

    Dateiergebnis ergebnis = fuellenUndSchliessen(fd, vorhanden ? &alt : nullptr, daten, schreiben, ziel);
    if (ergebnis.gelungen() && ::rename(neuName.constData(), zielName.constData()) != 0)
        ergebnis = systemfehler(Schritt::Schliessen, errno, ziel);
    if (!ergebnis.gelungen())
        ::unlink(neuName.constData());
    return ergebnis;
}

Dateiergebnis ProjektdateiLesen(const QString &pfad, TProjektdaten &daten)
{
    const QByteArray name = QFile::encodeName(pfad);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemfehler(Schritt::Oeffnen, errno, pfad);

    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int code = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return systemfehler(Schritt::Oeffnen, code, pfad);
    }

    TProjektdaten::Bytes puffer{};
    std::size_t gelesen = 0;
    Dateiergebnis ergebnis;
    while (gelesen < puffer.size()) {
        const ssize_t n = ::read(fd, puffer.data() + gelesen, puffer.size() - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ergebnis = systemfehler(Schritt::Lesen, errno, pfad);
            break;
        }
        if (n == 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    std::copy_n(puffer.begin(), gelesen, daten.bytes().begin());

    if (::close(fd) != 0 && ergebnis.gelungen())
        ergebnis = systemfehler(Schritt::Schliessen, errno, pfad);
    if (ergebnis.gelungen() && gelesen < puffer.size())
        ergebnis = {Art::HinterDateiende, Schritt::Lesen};
    return ergebnis;
}
