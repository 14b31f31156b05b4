#include "fileio/Lesedatei.h"

#include "fileio/Dateiname.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

Lesedatei::Lesedatei(const QString &pfad, Verknuepfung verknuepfung)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int folgen = verknuepfung == Verknuepfung::Folgen ? 0 : O_NOFOLLOW;
    const int fd = ::open(NameAlsBytes(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | folgen);
    if (fd < 0) {
        fehlernummer = errno;
        return;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fehlernummer = S_ISDIR(info.st_mode) ? EISDIR : EACCES;
        return;
    }
    systemgriff = fd;
    dateigroesse = info.st_size;
}

Lesedatei::~Lesedatei()
{
    schliessen();
}

qint64 Lesedatei::lesen(char *puffer, qint64 anzahl)
{
    for (;;) {
        const ssize_t n = ::read(int(systemgriff), puffer, std::size_t(anzahl));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

int Lesedatei::schliessen()
{
    if (systemgriff < 0)
        return 0;
    const int fd = int(systemgriff);
    systemgriff = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

bool OrdnerDerDateiVorhanden(const QString &pfad)
{
    struct stat info { };
    return ::stat(OrdnerAlsBytes(pfad).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}
