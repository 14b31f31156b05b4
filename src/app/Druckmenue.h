#pragma once

// The main window's commands "Ergebnis drucken", "Ergebnis als PDF
// speichern …", "Druckvorschau" and "Druckereinstellung": the report of the
// unit on the window's page (report/Drucken.h) with the logo window's
// current logo, on the application's one printer.

class QImage;
class QPrinter;
class QString;
class TForm1;

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
