#include "project/Sperrdatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace {

// Lock files are a few dozen bytes; more is not read.
constexpr int Hoechstens = 4096;

bool Sperren(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

} // namespace

Sperrdatei::~Sperrdatei()
{
    freigeben();
}

Sperrdatei::Sperrdatei(Sperrdatei &&anderes) noexcept
    : fd(std::exchange(anderes.fd, -1)), pfad(std::move(anderes.pfad))
{
}

Sperrdatei &Sperrdatei::operator=(Sperrdatei &&anderes) noexcept
{
    if (this != &anderes) {
        freigeben();
        fd = std::exchange(anderes.fd, -1);
        pfad = std::move(anderes.pfad);
    }
    return *this;
}

void Sperrdatei::freigeben()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Written under a name no program looks for, locked, and only then renamed:
// no other program can see the lock before it is held.
Sperrdatei Sperrdatei::Anlegen(const QString &pfad, int &fehlernummer)
{
    const QByteArray ziel = QFile::encodeName(pfad);
    const QByteArray neu = ziel + ".neu";
    const int fd = ::open(neu.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        fehlernummer = errno;
        return {};
    }
    const QByteArray inhalt = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                            + QCoreApplication::applicationName().toUtf8() + '\n'
                            + QSysInfo::machineHostName().toUtf8() + '\n';
    const bool gelungen = Sperren(fd) && ::write(fd, inhalt.constData(), std::size_t(inhalt.size())) == inhalt.size()
                       && ::rename(neu.constData(), ziel.constData()) == 0;
    if (!gelungen) {
        fehlernummer = errno;
        ::unlink(neu.constData());
        ::close(fd);
        return {};
    }
    return {fd, pfad};
}

Sperrdatei Sperrdatei::Uebernehmen(const QString &pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return {};
    Sperrdatei sperre(fd, pfad);
    struct stat offen {};
    struct stat jetzt {};
    // Between opening and locking, its holder may have removed the file
    // and another program made a new one of that name.
    if (::fstat(fd, &offen) != 0 || !S_ISREG(offen.st_mode) || !Sperren(fd)
        || ::lstat(name.constData(), &jetzt) != 0 || jetzt.st_dev != offen.st_dev || jetzt.st_ino != offen.st_ino)
        return {};
    return sperre;
}

QString Sperrdatei::fremderRechner() const
{
    if (fd < 0)
        return {};
    char puffer[Hoechstens];
    const ssize_t gelesen = ::pread(fd, puffer, sizeof puffer, 0);
    if (gelesen <= 0)
        return {};
    // QLockFile's lines: process number, program, machine. Anything else
    // names no machine.
    const QList<QByteArray> zeilen = QByteArray(puffer, gelesen).split('\n');
    static const QRegularExpression zahl(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression rechnername(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9.-]{0,252}$"));
    const QString rechner = QString::fromUtf8(zeilen.value(2));
    if (!zahl.match(QString::fromUtf8(zeilen.value(0))).hasMatch() || !rechnername.match(rechner).hasMatch()
        || rechner == QSysInfo::machineHostName())
        return {};
    return rechner;
}

void Sperrdatei::entfernen()
{
    if (fd >= 0)
        QFile::remove(pfad);
    freigeben();
}
