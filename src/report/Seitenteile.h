#pragma once

// What every printed page of the program shares, defined once for the
// report, the Rechenweg and the collective PDF: the footer with the
// program's version, the page numbers, the printed date, the labels of the
// object's and planner's lines, and the document's title.

#include "report/Bericht.h"

#include <QDate>
#include <QString>

// The fixed footer text, which the version caption follows.
QString Fusszeile();

// The footer at the foot of a page: the fixed text and the version caption.
Seitenelement Fusselement(const QString &version);

// "Seite n von N" at the foot of every page.
void Seitenzahlen(Seitenliste &seiten);

// The printed date: two-digit years on the single report, four where a
// longer document asks for them.
QString GedrucktesDatum(QDate datum, bool langesJahr);

// One line of the object's or the planner's data: its label and the value.
enum class Angabe { Objektbezeichnung, StrasseNr, PlzOrt, Bearbeiter, Firmenname, Firmenadresse, Datum };
QString Angabezeile(Angabe angabe, const QString &wert);

// "Lüftungskonzept – " and the object, or the kind alone without an object.
// A PDF queue names its files after it.
QString Dokumenttitel(const QString &art, const QString &objekt);
