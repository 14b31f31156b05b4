#include "fileio/Systemfehler.h"

#include <cerrno>

QString Systemgrund(int fehlernummer, bool ordnerVorhanden)
{
    switch (fehlernummer) {
    case ENOENT:
        return ordnerVorhanden ? QStringLiteral("Datei nicht gefunden") : QStringLiteral("Ungültiger Dateiname");
    case ENOTDIR: return QStringLiteral("Ist kein Verzeichnis");
    case ENAMETOOLONG: return QStringLiteral("Dateiname zu lang");
    case EMFILE:
    case ENFILE: return QStringLiteral("Zu viele geöffnete Dateien");
    case EACCES:
    case EPERM: return QStringLiteral("Dateizugriff verweigert");
    case EISDIR: return QStringLiteral("Ist ein Verzeichnis");
    case ETXTBSY: return QStringLiteral("Die Datei wird von einem anderen Programm verwendet");
    case EROFS: return QStringLiteral("Dateisystem ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return QStringLiteral("Zu wenig Speicherplatz");
    case ELOOP: return QStringLiteral("Symbolische Verknüpfungen bilden eine Schleife");
    default: return QStringLiteral("E/A-Fehler %1").arg(fehlernummer);
    }
}
