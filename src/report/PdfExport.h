#pragma once

// Pages of the report layout as a PDF file, and Qt's print preview of the
// same pages, both drawn by the one painter of the printed page. Works on a
// machine without any printer.
//
// A PDF page is A4 portrait with the layout's origin at the page's top-left
// corner; the fonts are embedded. The file is written whole or not at all:
// the document is made in memory, written to a temporary file beside the
// target, flushed and renamed over it (fileio/SicheresSchreiben.h), so a
// failure keeps an existing file as it was. Failures come back as German
// messages for the window to show, naming the system's reason as a project
// file's do.

#include "report/Bericht.h"

#include <QDate>
#include <QImage>
#include <QPagedPaintDevice>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

// The creator entry of every PDF the program writes.
QString PdfErsteller();

// Writes the pages into the file at pfad with the given document title;
// logo is the picture for the pages' logo boxes. PdfVersion_A1b makes an
// archivable PDF/A-1b file.
std::optional<QString> PdfSchreiben(const QString &pfad, const Seitenliste &seiten, const QImage &logo,
                                    const QString &titel,
                                    QPagedPaintDevice::PdfVersion version = QPagedPaintDevice::PdfVersion_1_4);

// The proposed path "<anfang> <objekt> <JJJJ-MM-TT>.pdf", in the folder of
// the project file projektpfad, or in the home folder when there is none.
// Characters that file names on common file systems cannot hold become
// "_", and a long object name is shortened to keep the name within 255 bytes.
QString PdfVorschlag(const QString &anfang, const QString &objekt, QDate datum, const QString &projektpfad);

// The German save dialog for a PDF file proposing vorschlag; the chosen path
// (with ".pdf" added to a name typed without it), or nothing on cancel.
std::optional<QString> PdfSpeicherdialog(QWidget *eltern, const QString &vorschlag);
