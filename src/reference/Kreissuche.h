#pragma once

// The entries of the list of wind-strong districts, read from the list's
// own four column texts, and the search over them: case and umlauts are
// folded (ä as a, ß as ss, and "ae", "oe", "ue" as a, o, u, so that
// "Muenster" finds Münster), hyphens, brackets and semicolons count as
// blanks, and the words "Landkreis", "Kreis" and "Stadt" of a query are
// ignored. An entry matches when every remaining word of the query begins
// a word of its district or its seat: "Hof" finds Hof, not Sonthofen.
//
// Districts formed after the list's edition (the reforms in Saxony 2008
// and Mecklenburg-Western Pomerania 2011 among them) are found by their
// name of today, with the former districts they were formed from and the
// class the list gives each: listed is wind-strong, not listed wind-poor.
// A search that finds nothing says nothing about the wind: the word may be
// a town, whose district the user has to look up.

#include <QString>
#include <QStringList>

#include <vector>

struct Kreis {
    QString name;  // as listed, with "; Stadt" where it is a town of its own
    QString sitz;
};

struct Vorgaenger {
    QString name;  // as the list writes it, or as the district was called
    QString teil;  // which part of it, when only a part went over
    bool windstark;  // the list names it
    QString sitz;  // as listed; empty when not listed
};

struct Kreisreform {
    QString name;  // today's district
    int jahr;
    std::vector<Vorgaenger> vorgaenger;
};

struct Suchergebnis {
    std::vector<Kreis> kreise;  // in the list's order
    std::vector<Kreisreform> reformen;

    bool leer() const { return kreise.empty() && reformen.empty(); }
};

// The 183 entries in the list's order.
const std::vector<Kreis> &Windkreise();

// The districts of today that the list knows under former names.
const std::vector<Kreisreform> &Kreisreformen();

// The text in the form the search compares: folded, words separated by
// single blanks.
QString Suchform(const QString &text);

// The entries and reforms that match the query; every entry and no reform
// for an empty query.
Suchergebnis Kreissuche(const QString &anfrage);
