#include "fileio/Dateisperre.h"

#include "fileio/Windowsfehler.h"

#include <QDir>

#include <windows.h>

namespace {

// Every program opens a lock file sharing everything, and asks no right
// to delete it: others may open it for reading as usual (without sharing
// deletion) and test its lock, and its holder may rename and remove it by
// its name while it is open.
constexpr DWORD Teilen = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

const wchar_t *Breit(const QString &name)
{
    return reinterpret_cast<const wchar_t *>(name.utf16());
}

HANDLE Griff(std::intptr_t griff)
{
    return reinterpret_cast<HANDLE>(griff);
}

// The lock is on one byte far past any content: Windows' locks are
// mandatory, and one on the content would keep others from reading it.
bool Sperren(HANDLE datei)
{
    OVERLAPPED stelle{};
    stelle.OffsetHigh = 0x7fffffff;
    return LockFileEx(datei, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &stelle);
}

// A regular file on a disk, no folder and no link.
bool Gewoehnlich(HANDLE datei, BY_HANDLE_FILE_INFORMATION &info)
{
    return GetFileType(datei) == FILE_TYPE_DISK && GetFileInformationByHandle(datei, &info)
        && !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

}  // namespace

void Dateisperre::freigeben()
{
    if (griff != -1)
        CloseHandle(Griff(griff));
    griff = -1;
}

Dateisperre Dateisperre::anlegen(const QString &pfad, const QByteArray &inhalt, int &fehlernummer)
{
    const QString ziel = QDir::toNativeSeparators(pfad);
    const QString neu = ziel + QStringLiteral(".neu");
    HANDLE datei = CreateFileW(Breit(neu), GENERIC_READ | GENERIC_WRITE, Teilen, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (datei == INVALID_HANDLE_VALUE) {
        fehlernummer = ErrnoAusWindowsfehler(GetLastError());
        return {};
    }
    DWORD geschrieben = 0;
    const bool gelungen = Sperren(datei)
        && WriteFile(datei, inhalt.constData(), DWORD(inhalt.size()), &geschrieben, nullptr)
        && geschrieben == DWORD(inhalt.size()) && MoveFileExW(Breit(neu), Breit(ziel), MOVEFILE_REPLACE_EXISTING);
    if (!gelungen) {
        fehlernummer = ErrnoAusWindowsfehler(GetLastError());
        CloseHandle(datei);
        DeleteFileW(Breit(neu));
        return {};
    }
    return Dateisperre(reinterpret_cast<std::intptr_t>(datei));
}

Dateisperre Dateisperre::uebernehmen(const QString &pfad)
{
    const QString name = QDir::toNativeSeparators(pfad);
    HANDLE datei = CreateFileW(Breit(name), GENERIC_READ, Teilen, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (datei == INVALID_HANDLE_VALUE)
        return {};
    Dateisperre sperre(reinterpret_cast<std::intptr_t>(datei));
    BY_HANDLE_FILE_INFORMATION offen{};
    if (!Gewoehnlich(datei, offen) || !Sperren(datei))
        return {};
    // Between opening and locking, its holder may have removed the file
    // and another program made a new one of that name.
    HANDLE jetzt = CreateFileW(Breit(name), 0, Teilen, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (jetzt == INVALID_HANDLE_VALUE)
        return {};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool dieselbe = GetFileInformationByHandle(jetzt, &info)
        && info.dwVolumeSerialNumber == offen.dwVolumeSerialNumber && info.nFileIndexHigh == offen.nFileIndexHigh
        && info.nFileIndexLow == offen.nFileIndexLow;
    CloseHandle(jetzt);
    if (!dieselbe)
        return {};
    return sperre;
}

qsizetype Dateisperre::vomAnfangLesen(char *ziel, qsizetype anzahl) const
{
    OVERLAPPED anfang{};
    DWORD gelesen = 0;
    if (!ReadFile(Griff(griff), ziel, DWORD(anzahl), &gelesen, &anfang))
        gelesen = 0;
    return qsizetype(gelesen);
}
