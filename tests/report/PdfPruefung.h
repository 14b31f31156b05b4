#pragma once

// Reads back what a PDF page shows, for the report's tests: the words with
// their boxes through poppler's pdftotext, and the page as a picture through
// pdftoppm. Lengths are tenths of a millimetre from the page's top-left
// corner.

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

struct PdfWort {
    QString text;
    double links = 0;
    double oben = 0;
    double rechts = 0;
    double unten = 0;
};

struct PdfSeite {
    double breite = 0;
    double hoehe = 0;
    std::vector<PdfWort> woerter;
};

// Every page of the file; an empty list when pdftotext fails.
std::vector<PdfSeite> PdfLesen(const QString &pdf);

// A line of text: the words that follow the first one on its baseline with
// no more than a word gap between them, joined by single blanks.
struct PdfZeile {
    QString text;
    double links = 0;
    double oben = 0;
    double rechts = 0;
};

// Which edge of a word's box a line is found by. Ghostscript writes fonts
// with another ascent than Qt, so in a PDF that went through it only the
// bottom of the character cell, not its top, is where Qt put it.
enum class Kante { Oben, Unten };

// The line whose first word starts within toleranz of (links, hoehe), where
// hoehe is the top or the bottom edge of the word's box.
std::optional<PdfZeile> ZeileBei(const PdfSeite &seite, double links, double hoehe, double toleranz,
                                 Kante kante = Kante::Oben);

// The first page rendered at the given resolution; a null picture on failure.
QImage PdfBild(const QString &pdf, int dpi);

// True when both pictures have the same size and no colour channel differs
// by more than abstand (renderers leave faint seams in stretched pictures).
bool FastGleich(const QImage &a, const QImage &b, int abstand);

// The smallest rectangle of pixels that are close to the colour, in pixels.
QRect Farbflaeche(const QImage &bild, QRgb farbe, int abstand);

// The title in the document information; empty when it has none.
QString PdfTitel(const QString &pdf);
