#include "fileio/Dateisperre.h"

#include "fileio/Dateiname.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool Sperren(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

}  // namespace

void Dateisperre::freigeben()
{
    if (griff != -1)
        ::close(int(griff));
    griff = -1;
}

Dateisperre Dateisperre::anlegen(const QString &pfad, const QByteArray &inhalt, int &fehlernummer)
{
    const QByteArray ziel = NameAlsBytes(pfad);
    const QByteArray neu = ziel + ".neu";
    const int fd = ::open(neu.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        fehlernummer = errno;
        return {};
    }
    const bool gelungen = Sperren(fd) && ::write(fd, inhalt.constData(), std::size_t(inhalt.size())) == inhalt.size()
        && ::rename(neu.constData(), ziel.constData()) == 0;
    if (!gelungen) {
        fehlernummer = errno;
        ::unlink(neu.constData());
        ::close(fd);
        return {};
    }
    return Dateisperre(fd);
}

Dateisperre Dateisperre::uebernehmen(const QString &pfad)
{
    const QByteArray name = NameAlsBytes(pfad);
    int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return {};
    Dateisperre sperre(fd);
    struct stat offen { };
    struct stat jetzt { };
    // Between opening and locking, its holder may have removed the file
    // and another program made a new one of that name.
    if (::fstat(fd, &offen) != 0 || !S_ISREG(offen.st_mode) || !Sperren(fd) || ::lstat(name.constData(), &jetzt) != 0
        || jetzt.st_dev != offen.st_dev || jetzt.st_ino != offen.st_ino)
        return {};
    return sperre;
}

qsizetype Dateisperre::vomAnfangLesen(char *ziel, qsizetype anzahl) const
{
    const ssize_t gelesen = ::pread(int(griff), ziel, std::size_t(anzahl), 0);
    return gelesen > 0 ? qsizetype(gelesen) : 0;
}
