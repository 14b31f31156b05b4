#pragma once

// The entries of the list of wind-strong districts, read from the list's
// own four column texts, and the search over them: case and umlauts are
// folded (ä as a, ß as ss), hyphens, brackets and semicolons count as
// blanks, and the words "Landkreis", "Kreis" and "Stadt" of a query are
// ignored. An entry matches when every remaining word of the query is part
// of its district or its seat.

#include <QString>
#include <QStringList>

#include <vector>

struct Kreis {
    QString name;  // as listed, with "; Stadt" where it is a town of its own
    QString sitz;
};

// The 183 entries in the list's order.
const std::vector<Kreis> &Windkreise();

// The text in the form the search compares: folded, words separated by
// single blanks.
QString Suchform(const QString &text);

// The entries that match the query, in the list's order; all of them for
// an empty query.
std::vector<Kreis> Kreissuche(const QString &anfrage);
