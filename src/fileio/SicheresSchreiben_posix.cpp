#include "fileio/SicheresSchreiben.h"

#include "fileio/Dateiname.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <tuple>

namespace {

using Schritt = Schreibfehler::Schritt;

// The file that a save really replaces: the target of a symbolic link, also
// of one that points to a file not yet there.
QString Ziel(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (!info.isSymLink())
        return pfad;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

constexpr char Vorsilbe[] = ".luvanto-";

// A name that NeueDateiDaneben gives: the prefix and a 32-bit number in
// base 36.
bool IstTemporaererName(const char *name)
{
    const std::size_t laenge = std::strlen(name);
    const std::size_t vorsilbe = sizeof Vorsilbe - 1;
    if (laenge <= vorsilbe || laenge > vorsilbe + 7 || std::strncmp(name, Vorsilbe, vorsilbe) != 0)
        return false;
    for (const char *c = name + vorsilbe; *c; ++c)
        if (!((*c >= '0' && *c <= '9') || (*c >= 'a' && *c <= 'z')))
            return false;
    return true;
}

// Removes the temporary files that a save ended by a crash left in the
// folder. A running save holds a lock on its file until the file has taken
// the target's place, and the kernel lets go of it when the process ends,
// however it ends; a file younger than a minute may be one that its writer
// has created and not yet locked.
void LiegengebliebeneEntfernen(const QByteArray &ordner)
{
    DIR *verzeichnis = ::opendir(ordner.constData());
    if (!verzeichnis)
        return;
    const std::time_t grenze = std::time(nullptr) - 60;
    while (const dirent *eintrag = ::readdir(verzeichnis)) {
        if (!IstTemporaererName(eintrag->d_name))
            continue;
        const QByteArray name = ordner + '/' + eintrag->d_name;
        const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info { };
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < grenze
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(name.constData());
        ::close(fd);
    }
    ::closedir(verzeichnis);
}

// Creates a new, empty file in the folder of ziel under a short name that
// nobody else uses (short, so that a target name at the file system's limit
// still leaves room for it), and locks it through a second descriptor,
// sperre, that stays open until the file has taken the target's place; -1
// with errno on failure.
int NeueDateiDaneben(const QString &ziel, const Dateiaufrufe &aufrufe, QByteArray &name, int &sperre)
{
    const QByteArray ordner = OrdnerAlsBytes(ziel);
    LiegengebliebeneEntfernen(ordner);
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = ordner + '/' + Vorsilbe + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = aufrufe.oeffnen(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0) {
            sperre = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
            if (sperre >= 0)
                ::flock(sperre, LOCK_EX | LOCK_NB);
        }
        return fd;
    }
    return -1;
}

// Writes all bytes; a write that makes no progress counts as a full disk.
std::optional<Schreibfehler> AllesSchreiben(int fd, const char *daten, std::size_t laenge, Schreibaufruf schreiben)
{
    std::size_t geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t n = schreiben(fd, daten + geschrieben, laenge - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Schreibfehler{Schritt::Schreiben, errno};
        if (n == 0)
            return Schreibfehler{Schritt::Schreiben, ENOSPC};
        geschrieben += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

// Writing, cutting, flushing and closing; fd is closed on every way out.
std::optional<Schreibfehler> FuellenUndSchliessen(int fd, const char *daten, std::size_t laenge,
                                                  Schreibaufruf schreiben)
{
    std::optional<Schreibfehler> fehler = AllesSchreiben(fd, daten, laenge, schreiben);
    if (!fehler && ::ftruncate(fd, off_t(laenge)) != 0)
        fehler = Schreibfehler{Schritt::Schreiben, errno};
    if (!fehler && ::fdatasync(fd) != 0)
        fehler = Schreibfehler{Schritt::Schliessen, errno};
    if (::close(fd) != 0 && !fehler)
        fehler = Schreibfehler{Schritt::Schliessen, errno};
    return fehler;
}

// The last resort: the existing file is overwritten from its start and cut
// to the new length. The blocks for the new length are reserved before the
// first byte is written; where the disk has no room for them the file keeps
// its content and length.
std::optional<Schreibfehler> AnOrtUndStelle(const QByteArray &zielName, const char *daten, std::size_t laenge,
                                            const Dateiaufrufe &aufrufe)
{
    const int fd = aufrufe.oeffnen(zielName.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0)
        return Schreibfehler{Schritt::Erstellen, errno};
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Schreibfehler{Schritt::Erstellen, EACCES};
    }
    if (laenge > 0) {
        int grund = 0;
        do
            grund = aufrufe.reservieren(fd, 0, off_t(laenge));
        while (grund == EINTR);
        if (grund != 0) {
            // A reservation that failed part way may have lengthened the
            // file; the reservation's reason is the one to report.
            struct stat danach { };
            if (::fstat(fd, &danach) == 0 && danach.st_size != info.st_size)
                std::ignore = ::ftruncate(fd, info.st_size);
            ::close(fd);
            return Schreibfehler{Schritt::Schreiben, grund};
        }
    }
    return FuellenUndSchliessen(fd, daten, laenge, aufrufe.schreiben);
}

}  // namespace

std::optional<Schreibfehler> SicherSchreiben(const QString &pfad, const char *daten, std::size_t laenge,
                                             const Dateiaufrufe &aufrufe)
{
    const QString ziel = Ziel(pfad);
    const QByteArray zielName = NameAlsBytes(ziel);

    struct stat alt { };
    const bool vorhanden = ::stat(zielName.constData(), &alt) == 0;
    if (!vorhanden && errno != ENOENT)
        return Schreibfehler{Schritt::Erstellen, errno};
    if (vorhanden && S_ISDIR(alt.st_mode))
        return Schreibfehler{Schritt::Erstellen, EISDIR};
    if (vorhanden && !S_ISREG(alt.st_mode))
        return Schreibfehler{Schritt::Erstellen, EACCES};
    if (vorhanden && ::access(zielName.constData(), W_OK) != 0)
        return Schreibfehler{Schritt::Erstellen, errno};

    QByteArray neuName;
    int sperre = -1;
    const int fd = NeueDateiDaneben(ziel, aufrufe, neuName, sperre);
    if (fd < 0) {
        const int grund = errno;
        if (vorhanden && (grund == EACCES || grund == EPERM))
            return AnOrtUndStelle(zielName, daten, laenge, aufrufe);
        return Schreibfehler{Schritt::Erstellen, grund};
    }

    std::optional<Schreibfehler> fehler;
    if (vorhanden && ::fchmod(fd, alt.st_mode & 07777) != 0) {
        fehler = Schreibfehler{Schritt::Erstellen, errno};
        ::close(fd);
    } else {
        fehler = FuellenUndSchliessen(fd, daten, laenge, aufrufe.schreiben);
    }
    if (!fehler && ::rename(neuName.constData(), zielName.constData()) != 0)
        fehler = Schreibfehler{Schritt::Schliessen, errno};
    if (fehler)
        ::unlink(neuName.constData());
    if (sperre >= 0)
        ::close(sperre);
    return fehler;
}
