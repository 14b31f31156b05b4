#pragma once

// The calculation shown step by step, as German lines for a craftsman: the
// engine's record of its last run (what it read, which rule chose each
// coefficient, the formulas with their numbers, the comparisons of the
// verdict) or the reason for a verdict that the question flow wrote without
// a calculation. The window "Rechenweg" shows these lines and its printed
// page lists the same lines; neither computes anything.
//
// Texts typed by the user appear between »« exactly as typed, blanks
// included; they are plain text wherever they are shown.

#include "engine/Pruefhinweise.h"

#include <QString>

#include <vector>

struct Rechenweg;

struct Rechenwegzeile {
    enum class Art {
        Gruppe,  // heading of a group: "Eingaben", "Beiwerte", …
        Eintrag,  // what (left) and how it came out (right)
        Hinweis,  // one text over the whole width
    };

    Art art = Art::Eintrag;
    QString was;
    QString wert;

    bool operator==(const Rechenwegzeile &) const = default;
};

// The hints on the input follow the verdict as a group "Hinweise", when
// there are any.
std::vector<Rechenwegzeile> RechenwegZeilen(const Rechenweg &weg, const std::vector<Pruefhinweis> &hinweise = {});

// The two values with as many decimals as it takes to tell them apart, at
// least four, with a decimal comma; equal values with four.
std::pair<QString, QString> Unterscheidbar(double a, double b);
