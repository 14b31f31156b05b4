#pragma once

// The menu commands "Ergebnis drucken", "Ergebnis als PDF speichern …",
// "Druckvorschau" and "Druckereinstellung" of the main window, and the two
// ways onto paper that every window with pages shares. They take the
// window, and the application's one printer, which keeps the choices of the
// dialogs for every later report; the report takes the logo window's
// current logo as well. Failures reach the error display.

#include "report/Bericht.h"

class QImage;
class QPrinter;
class QWidget;
class TForm1;

// The checks and the print dialog, then the pages as one job under the
// title; cancelling stops silently. True when the job went to the printer.
bool SeitenMitDialogDrucken(QWidget *eltern, QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                            const QString &titel);

// The PDF save dialog proposing vorschlag, then the pages as a PDF file.
void SeitenAlsPdfSpeichern(QWidget *eltern, const QString &vorschlag, const Seitenliste &seiten,
                           const QImage &logo, const QString &titel);

// The texts and radio indexes of the main window that the report prints, as
// they stand, shown or hidden.
Berichtswerte BerichtswerteLesen(const TForm1 &form);

// Print dialog, then one page with today's date; cancelling stops silently.
void Drucken1Click(TForm1 &form, const QImage &logo, QPrinter &drucker);

// "Ergebnis als PDF speichern …": the save dialog, proposing a name in the
// folder of the project file projektname, then the page as a PDF file.
void PdfSpeichern1Click(TForm1 &form, const QImage &logo, const QString &projektname);

// "Druckvorschau": the page as it would print on the application's printer,
// also where there is no printer at all.
void Druckvorschau1Click(TForm1 &form, const QImage &logo, QPrinter &drucker);

// The printer set-up (printer, paper, orientation) for the application's printer.
void Druckereinstellung1Click(TForm1 &form, QPrinter &drucker);
