#include "fileio/Lesedatei.h"

#include "fileio/Windowsfehler.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <cerrno>

namespace {

QString Systemname(const QString &pfad)
{
    return QDir::toNativeSeparators(pfad);
}

}  // namespace

Lesedatei::Lesedatei(const QString &pfad, Verknuepfung verknuepfung)
{
    // Others may go on writing or deleting while the file is read, as a
    // POSIX system lets them.
    const QString name = Systemname(pfad);
    const DWORD folgen = verknuepfung == Verknuepfung::Folgen ? 0 : FILE_FLAG_OPEN_REPARSE_POINT;
    HANDLE datei = CreateFileW(reinterpret_cast<const wchar_t *>(name.utf16()), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | folgen, nullptr);
    if (datei == INVALID_HANDLE_VALUE) {
        fehlernummer = ErrnoAusWindowsfehler(GetLastError());
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(datei, &info) || GetFileType(datei) != FILE_TYPE_DISK
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        || (folgen && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))) {
        fehlernummer = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR : EACCES;
        CloseHandle(datei);
        return;
    }
    systemgriff = reinterpret_cast<std::intptr_t>(datei);
    dateigroesse = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

Lesedatei::~Lesedatei()
{
    schliessen();
}

qint64 Lesedatei::lesen(char *puffer, qint64 anzahl)
{
    DWORD gelesen = 0;
    const DWORD stueck = DWORD(std::min<qint64>(anzahl, 1 << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(systemgriff), puffer, stueck, &gelesen, nullptr)) {
        errno = ErrnoAusWindowsfehler(GetLastError());
        return -1;
    }
    return gelesen;
}

int Lesedatei::schliessen()
{
    if (systemgriff == -1)
        return 0;
    HANDLE datei = reinterpret_cast<HANDLE>(systemgriff);
    systemgriff = -1;
    return CloseHandle(datei) ? 0 : ErrnoAusWindowsfehler(GetLastError());
}

bool OrdnerDerDateiVorhanden(const QString &pfad)
{
    return QFileInfo(QFileInfo(pfad).absolutePath()).isDir();
}
