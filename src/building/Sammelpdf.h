#pragma once

// The collective PDF of a building: first the overview (the object data of
// the first unit, the date, the table of all units and the totals, on as
// many pages as it needs), then each unit's report page as "Ergebnis als
// PDF speichern" draws it, with the stored results that "Öffnen" shows, in
// the order of the table. One painter draws every page; the file is
// PDF/A-1b, for archiving.

#include "building/Einheit.h"
#include "report/Bericht.h"

#include <QDate>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

class Nachrechnung;

// The overview pages alone.
Seitenliste UebersichtSeiten(const std::vector<Einheit> &einheiten, QDate datum);

// Overview and report pages; files that are no project have no page.
Seitenliste SammelSeiten(const std::vector<Einheit> &einheiten, Nachrechnung &nachrechnung, QDate datum);

// Writes the collective PDF to pfad; a German message on failure.
std::optional<QString> SammelPdfSchreiben(const QString &pfad, const std::vector<Einheit> &einheiten,
                                          const QImage &logo, QDate datum);

// "Lüftungskonzept <Strasse, Nr.> <JJJJ-MM-TT>.pdf" in ordner.
QString SammelPdfVorschlag(const std::vector<Einheit> &einheiten, QDate datum, const QString &ordner);
