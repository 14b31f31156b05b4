#pragma once

// Text lines of the printed pages broken to a width: widths measured in
// the report's type as the painter sets it, in tenths of a millimetre.

#include <QFontMetricsF>
#include <QStringList>

#include <optional>

// Widths of texts in the report's type at a character cell of the given
// height.
class Textbreiten {
public:
    Textbreiten(int hoehe, bool fett);
    double breite(const QString &text) const { return masse->horizontalAdvance(text) * faktor; }

private:
    double faktor = 1;
    std::optional<QFontMetricsF> masse;
};

// The text broken at blanks into lines no wider than breite; a word wider
// than a line is cut anywhere, and a number too long for a line is written
// with a power of ten ("1,0 · 10³⁰⁸").
QStringList Umbrechen(const QString &text, double breite, const Textbreiten &b);
