#pragma once

// Draws the report page onto any paged paint device (the application's
// printer, or a PDF writer) whose painter is active.
//
// Positions are tenths of a millimetre from the top-left corner of the
// printable area, converted with the device's resolution; nothing depends on
// the paper size or the orientation, and whatever lies beyond the printable
// area is cut off. All text is in "Arial" (on Debian the metric
// twin Liberation Sans), its character cell of the item's height with its
// top-left corner at the item's point, on a white cell, so that a later line
// covers an earlier one. The logo is stretched into its box, whatever its
// pixel size, without smoothing.

#include "report/Bericht.h"

#include <QFont>
#include <QImage>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// The family name that the report asks for.
QString Berichtsschrift();

// The page's type at the given pixel size, as the painter sets it (no
// kerning, no hinting), so that widths measured for a layout are the widths
// drawn.
QFont Seitenschrift(int pixel, bool fett);

// The logo as the page draws it: 24-bit RGB. A null picture when the logo
// has no pixels or cannot be converted.
QImage Druckbild(const QImage &logo);

// Draws the page; bild is a picture from Druckbild().
void SeiteZeichnen(QPainter &maler, const std::vector<Seitenelement> &seite, const QImage &bild);

// Draws the pages one after the other, each on a new page of the device.
void SeitenZeichnen(QPainter &maler, QPagedPaintDevice &geraet, const Seitenliste &seiten, const QImage &bild);

// Whether any page has a logo box, which needs a picture from Druckbild().
bool HatLogo(const Seitenliste &seiten);
