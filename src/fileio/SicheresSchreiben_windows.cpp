#include "fileio/SicheresSchreiben.h"

#include "fileio/Windowsfehler.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

#include <algorithm>
#include <cerrno>

namespace {

using Schritt = Schreibfehler::Schritt;

const QString Vorsilbe = QStringLiteral(".luvanto-");

const wchar_t *Breit(const QString &name)
{
    return reinterpret_cast<const wchar_t *>(name.utf16());
}

Schreibfehler Fehler(Schritt schritt)
{
    return Schreibfehler{schritt, ErrnoAusWindowsfehler(GetLastError())};
}

// A name that NeueDateiDaneben gives: the prefix and a 32-bit number in
// base 36.
bool IstTemporaererName(const QString &name)
{
    if (name.size() <= Vorsilbe.size() || name.size() > Vorsilbe.size() + 7 || !name.startsWith(Vorsilbe))
        return false;
    for (qsizetype i = Vorsilbe.size(); i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

// Removes the temporary files that a save ended by a crash left in the
// folder. A running save holds its file open without letting others delete
// it, and the system closes the handle when the process ends, however it
// ends; a file written to within the last minute may be one that its writer
// has just closed to put it in the target's place.
void LiegengebliebeneEntfernen(const QString &ordner)
{
    WIN32_FIND_DATAW fund;
    const QString muster = ordner + QLatin1Char('\\') + Vorsilbe + QLatin1Char('*');
    HANDLE suche = FindFirstFileW(Breit(muster), &fund);
    if (suche == INVALID_HANDLE_VALUE)
        return;
    FILETIME jetzt;
    GetSystemTimeAsFileTime(&jetzt);
    const auto zahl = [](const FILETIME &zeit) { return (quint64(zeit.dwHighDateTime) << 32) | zeit.dwLowDateTime; };
    const quint64 grenze = zahl(jetzt) - 60ULL * 10'000'000ULL;  // in units of 100 ns
    do {
        const QString name = QString::fromWCharArray(fund.cFileName);
        if (!IstTemporaererName(name)
            || (fund.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            continue;
        if (zahl(fund.ftLastWriteTime) < grenze)
            DeleteFileW(Breit(ordner + QLatin1Char('\\') + name));
    } while (FindNextFileW(suche, &fund));
    FindClose(suche);
}

// Creates a new, empty, hidden file in the folder of ziel under a short name
// that nobody else uses; others may read it while it is written, but
// neither write nor delete it.
HANDLE NeueDateiDaneben(const QString &ziel, QString &name)
{
    const QString ordner = QFileInfo(ziel).absolutePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
    LiegengebliebeneEntfernen(ordner);
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = ordner + QLatin1Char('\\') + Vorsilbe + QString::number(QRandomGenerator::global()->generate(), 36);
        HANDLE datei = CreateFileW(Breit(name), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (datei != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return datei;
    }
    return INVALID_HANDLE_VALUE;
}

// Writing, flushing and closing; the handle is closed on every way out.
std::optional<Schreibfehler> FuellenUndSchliessen(HANDLE datei, const char *daten, std::size_t laenge,
                                                  Schreibaufruf schreiben)
{
    std::optional<Schreibfehler> fehler;
    std::size_t geschrieben = 0;
    while (!fehler && geschrieben < laenge) {
        const unsigned long stueck = static_cast<unsigned long>(std::min<std::size_t>(laenge - geschrieben, 1u << 20));
        unsigned long n = 0;
        if (!schreiben(datei, daten + geschrieben, stueck, &n, nullptr))
            fehler = Fehler(Schritt::Schreiben);
        else if (n == 0)
            fehler = Schreibfehler{Schritt::Schreiben, ENOSPC};
        geschrieben += n;
    }
    if (!fehler && !FlushFileBuffers(datei))
        fehler = Fehler(Schritt::Schliessen);
    if (!CloseHandle(datei) && !fehler)
        fehler = Fehler(Schritt::Schliessen);
    return fehler;
}

// Puts the new file in the target's place. ReplaceFileW keeps what belongs
// to the target (its attributes, its security, its identity for programs
// that watch it); MoveFileExW serves a new target and file systems that
// cannot replace.
bool Ersetzen(const QString &neu, const QString &ziel, bool vorhanden)
{
    if (vorhanden && ReplaceFileW(Breit(ziel), Breit(neu), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    if (vorhanden) {
        // ReplaceFileW reports a target held open by another program; so
        // does MoveFileExW, which is tried for all other reasons.
        const DWORD grund = GetLastError();
        if (grund == ERROR_SHARING_VIOLATION || grund == ERROR_LOCK_VIOLATION
            || grund == ERROR_UNABLE_TO_REMOVE_REPLACED) {
            SetLastError(ERROR_SHARING_VIOLATION);
            return false;
        }
    }
    return MoveFileExW(Breit(neu), Breit(ziel), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

Dateiaufrufe::Dateiaufrufe()
    : schreiben([](void *datei, const void *puffer, unsigned long anzahl, unsigned long *geschrieben, void *) {
        return int(WriteFile(datei, puffer, anzahl, geschrieben, nullptr));
    })
{
}

std::optional<Schreibfehler> SicherSchreiben(const QString &pfad, const char *daten, std::size_t laenge,
                                             const Dateiaufrufe &aufrufe)
{
    const QString ziel = QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    const DWORD attribute = GetFileAttributesW(Breit(ziel));
    const bool vorhanden = attribute != INVALID_FILE_ATTRIBUTES;
    if (!vorhanden && GetLastError() != ERROR_FILE_NOT_FOUND)
        return Fehler(Schritt::Erstellen);
    if (vorhanden && (attribute & FILE_ATTRIBUTE_DIRECTORY))
        return Schreibfehler{Schritt::Erstellen, EISDIR};
    if (vorhanden && (attribute & FILE_ATTRIBUTE_READONLY))
        return Schreibfehler{Schritt::Erstellen, EACCES};
    if (vorhanden) {
        // A file that another program holds open for writing, or without
        // letting others write, is reported before anything is written.
        HANDLE probe = CreateFileW(Breit(ziel), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        if (probe == INVALID_HANDLE_VALUE)
            return Fehler(Schritt::Erstellen);
        CloseHandle(probe);
    }

    QString neu;
    HANDLE datei = NeueDateiDaneben(ziel, neu);
    if (datei == INVALID_HANDLE_VALUE)
        return Fehler(Schritt::Erstellen);
    std::optional<Schreibfehler> fehler = FuellenUndSchliessen(datei, daten, laenge, aufrufe.schreiben);
    if (!fehler && !Ersetzen(neu, ziel, vorhanden))
        fehler = Fehler(Schritt::Schliessen);
    // The target keeps its own attributes; a new one is not hidden.
    if (fehler)
        DeleteFileW(Breit(neu));
    else
        SetFileAttributesW(Breit(ziel),
                           vorhanden ? attribute : GetFileAttributesW(Breit(ziel)) & ~FILE_ATTRIBUTE_HIDDEN);
    return fehler;
}
