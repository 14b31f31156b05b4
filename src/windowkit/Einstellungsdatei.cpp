#include "windowkit/Einstellungsdatei.h"

#include "fileio/Dateisystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Settings are a few kilobytes.
constexpr qint64 Hoechstgroesse = qint64(1) << 20;

}  // namespace

QStringList Einstellungsdateien()
{
    // As QSettings names them: ".ini" in the INI format (on Windows, see
    // app/Einstellungsort.h), ".conf" in the native format of Unix.
    QString organisation = QCoreApplication::organizationName();
    if (organisation.isEmpty())
        organisation = QStringLiteral("Unknown Organization");
    const QString endung =
        QSettings::defaultFormat() == QSettings::IniFormat ? QStringLiteral(".ini") : QStringLiteral(".conf");
    const QDir ordner(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return {ordner.filePath(organisation + QLatin1Char('/') + QCoreApplication::applicationName() + endung),
            ordner.filePath(organisation + endung)};
}

std::optional<QString> EinstellungsdateiPruefen()
{
    for (const QString &datei : Einstellungsdateien()) {
        // A link is followed, as QSettings follows it; a missing file is fine.
        const Dateiangaben angaben = DateiangabenLesen(datei);
        if (angaben.art == Dateiangaben::Art::Keine)
            continue;
        QString grund;
        if (angaben.art != Dateiangaben::Art::Datei)
            grund = QStringLiteral("ist keine gewöhnliche Datei");
        else if (angaben.groesse > Hoechstgroesse)
            grund = QStringLiteral("ist mit %1 Bytes zu groß").arg(angaben.groesse);
        else
            continue;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, OrdnerDenEsNichtGibt());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, OrdnerDenEsNichtGibt());
        return QStringLiteral("Die Einstellungsdatei „%1“ %2 und wird nicht gelesen; „Zuletzt verwendet“ "
                              "und die zuletzt gewählten Ordner werden bis zum Ende des Programms nicht gemerkt.")
            .arg(QDir::toNativeSeparators(datei), grund);
    }
    return std::nullopt;
}
