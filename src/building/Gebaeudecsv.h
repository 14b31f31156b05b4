#pragma once

// The building's table for spreadsheets: one header line, one line per
// unit, ";" between fields, decimal commas as on screen, CRLF line ends,
// fields quoted as RFC 4180 says where they hold ";", a quote or a line
// break. A text from a project that begins as a formula would ("=", "+",
// "-", "@", a tab or a carriage return) gets a leading "'", so that no
// spreadsheet runs it; numbers such as "-12,0" stay numbers. UTF-8, with a
// byte-order mark for the file (so spreadsheet programs read the umlauts)
// and without one on standard output.

#include "building/Einheit.h"

#include <QByteArray>

#include <vector>

QByteArray GebaeudeCsv(const std::vector<Einheit> &einheiten, bool mitBom);

// The header line and one unit's line, for writing as the units are read.
QByteArray CsvKopf(bool mitBom);
QByteArray CsvZeile(const Einheit &einheit);
