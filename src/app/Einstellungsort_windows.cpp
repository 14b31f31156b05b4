#include "app/Einstellungsort.h"

#include <QSettings>
#include <QStandardPaths>

void EinstellungsortWaehlen()
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}
