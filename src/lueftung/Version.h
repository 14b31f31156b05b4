#pragma once

#include <QString>

// The version caption of the start page, the about box and the report.
inline const QString Versionstext = QStringLiteral("Version 1.0.0.8");
