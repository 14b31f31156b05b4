#pragma once

// The Rechenweg on paper as data: A4 pages of text lines in tenths of a
// millimetre from the top-left corner of the printable area, drawn by the
// report's painter on the printer and into PDF files alike.
//
// Every page is headed with the title, the object data and the date, and
// closes with the footer of the report; a line of the Rechenweg whose text
// is wider than its column is wrapped at blanks, a word wider than the
// column is cut anywhere, and a number whose full form is wider than the
// column is written with a power of ten ("1,0 · 10³⁰⁸"), so that nothing
// runs past the margin. One page holds a usual
// calculation; more pages follow only when the lines need them, numbered
// "Seite 1 von 2".

#include "report/Bericht.h"
#include "workings/Rechenwegtext.h"

#include <QDate>

#include <vector>

Seitenliste RechenwegSeiten(const std::vector<Rechenwegzeile> &zeilen, const Berichtswerte &objekt, QDate datum);

// The title at the head of every page.
QString RechenwegTitel();

// The title of a printed or exported Rechenweg: "Rechenweg – " and the
// object name, or "Rechenweg" alone when the object has no name.
QString RechenwegDokumenttitel(const QString &objekt);
