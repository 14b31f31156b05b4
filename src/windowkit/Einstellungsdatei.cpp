#include "windowkit/Einstellungsdatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

// Settings are a few kilobytes.
constexpr off_t Hoechstgroesse = off_t(1) << 20;

// A folder that cannot exist: reading there finds nothing, writing fails.
const QString Nirgends = QStringLiteral("/dev/null/luvanto");

} // namespace

QStringList Einstellungsdateien()
{
    // As QSettings names them on Unix.
    QString organisation = QCoreApplication::organizationName();
    if (organisation.isEmpty())
        organisation = QStringLiteral("Unknown Organization");
    const QDir ordner(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return {ordner.filePath(organisation + QLatin1Char('/') + QCoreApplication::applicationName()
                            + QStringLiteral(".conf")),
            ordner.filePath(organisation + QStringLiteral(".conf"))};
}

std::optional<QString> EinstellungsdateiPruefen()
{
    for (const QString &datei : Einstellungsdateien()) {
        struct stat st {};
        // A link is followed, as QSettings follows it; a missing file is fine.
        if (::stat(QFile::encodeName(datei).constData(), &st) != 0)
            continue;
        QString grund;
        if (!S_ISREG(st.st_mode))
            grund = QStringLiteral("ist keine gewöhnliche Datei");
        else if (st.st_size > Hoechstgroesse)
            grund = QStringLiteral("ist mit %1 Bytes zu groß").arg(st.st_size);
        else
            continue;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Nirgends);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Nirgends);
        return QStringLiteral("Die Einstellungsdatei „%1“ %2 und wird nicht gelesen; „Zuletzt verwendet“ "
                              "und die zuletzt gewählten Ordner werden bis zum Ende des Programms nicht gemerkt.")
            .arg(QDir::toNativeSeparators(datei), grund);
    }
    return std::nullopt;
}
