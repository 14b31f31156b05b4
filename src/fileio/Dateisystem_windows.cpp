#include "fileio/Dateisystem.h"

#include "fileio/Windowsfehler.h"

#include <QDir>

#include <windows.h>

#include <cerrno>

namespace {

const wchar_t *Breit(const QString &name)
{
    return reinterpret_cast<const wchar_t *>(name.utf16());
}

}  // namespace

Dateiangaben DateiangabenLesen(const QString &pfad)
{
    Dateiangaben angaben;
    // No access asked: only what the file is, even while another program
    // holds it open; FILE_FLAG_BACKUP_SEMANTICS opens folders too.
    HANDLE datei =
        CreateFileW(Breit(QDir::toNativeSeparators(pfad)), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (datei == INVALID_HANDLE_VALUE) {
        angaben.fehler = ErrnoAusWindowsfehler(GetLastError());
        return angaben;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(datei) != FILE_TYPE_DISK || !GetFileInformationByHandle(datei, &info)) {
        angaben.art = Dateiangaben::Art::Andere;
    } else {
        angaben.art =
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Dateiangaben::Art::Ordner : Dateiangaben::Art::Datei;
        angaben.groesse = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        angaben.geraet = info.dwVolumeSerialNumber;
        angaben.nummer = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    }
    CloseHandle(datei);
    return angaben;
}

int OrdnerAnlegen(const QString &ordner, QString &stelle)
{
    // The drive or the share stands; the folders below it are made one by
    // one.
    const QString pfad = QDir::cleanPath(QDir(ordner).absolutePath());
    const qsizetype wurzel = pfad.startsWith(QLatin1String("//"))
        ? pfad.indexOf(QLatin1Char('/'), pfad.indexOf(QLatin1Char('/'), 2) + 1)
        : pfad.indexOf(QLatin1Char('/'));
    if (wurzel < 0)
        return 0;
    for (qsizetype ende = wurzel + 1; ende <= pfad.size(); ++ende) {
        if (ende < pfad.size() && pfad[ende] != QLatin1Char('/'))
            continue;
        stelle = pfad.left(ende);
        const DWORD attribute = GetFileAttributesW(Breit(QDir::toNativeSeparators(stelle)));
        if (attribute != INVALID_FILE_ATTRIBUTES) {
            if (!(attribute & FILE_ATTRIBUTE_DIRECTORY))
                return ENOTDIR;
            continue;
        }
        const int fehler = ErrnoAusWindowsfehler(GetLastError());
        if (fehler != ENOENT)
            return fehler;
        if (!CreateDirectoryW(Breit(QDir::toNativeSeparators(stelle)), nullptr)
            && GetLastError() != ERROR_ALREADY_EXISTS)
            return ErrnoAusWindowsfehler(GetLastError());
    }
    stelle.clear();
    return 0;
}

QString OrdnerDenEsNichtGibt()
{
    // Below the null device.
    return QStringLiteral("//./NUL/luvanto");
}
