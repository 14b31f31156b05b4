#pragma once

// The two ways onto paper that every window with pages shares, and the
// values of a unit's page that its report prints. They take the
// application's one printer, which keeps the choices of the dialogs for
// every later report. Failures reach the error display. The main window's
// print commands are the program's (app/Druckmenue.h).

#include "engine/Speicherblatt.h"
#include "report/Bericht.h"

class QImage;
class QPrinter;
class QWidget;

// The checks and the print dialog, then the pages as one job under the
// title; cancelling stops silently. True when the job went to the printer.
bool SeitenMitDialogDrucken(QWidget *eltern, QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                            const QString &titel);

// The PDF save dialog proposing vorschlag, then the pages as a PDF file.
void SeitenAlsPdfSpeichern(QWidget *eltern, const QString &vorschlag, const Seitenliste &seiten, const QImage &logo,
                           const QString &titel);

// The texts and radio indexes of the page that the report prints, as they
// stand, shown or hidden, with the page's hints on the input.
Berichtswerte BerichtswerteLesen(const Speicherblatt &seite);

// The preview of the pages on the paper of the application's printer,
// modal, opened at page width. It draws on a printer of its own: nothing in
// it changes the application's printer, and it writes no file. Its
// "Drucken …" goes the way of "Ergebnis drucken" on the application's
// printer, as a job with the given title, and closes the preview once the
// job is sent.
void DruckvorschauZeigen(QWidget *eltern, QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                         const QString &titel = QString());
