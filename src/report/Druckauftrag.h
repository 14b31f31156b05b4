#pragma once

// Pages on the application's printer: the checks and dialogs before a
// print, and the print itself as one document.
//
// The printer lives as long as the application and keeps what the print and
// printer set-up dialogs chose. With no printer installed the dialogs are not
// shown and the caller gets "Zur Zeit ist kein Standard-Drucker gewählt".
// The page is drawn in one go between beginning and ending the document; a
// failure never leaves a document open, so the next print can begin anew.

#include "report/Bericht.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

class QPrinter;
class QWidget;

// Makes sure the printer leads to a printer of the system: one that names
// none, or writes a PDF file, takes the system's default printer.
std::optional<QString> DruckerPruefen(QPrinter &drucker);

// The print dialog with the choices "pages" and "selection" and nothing
// else, the first page preset to 1. True when the user confirms; the choices
// then stay with the printer.
bool DruckdialogBestaetigt(QWidget *eltern, QPrinter &drucker);

// The printer set-up: printer, paper and orientation, without printing;
// the choices stay with the printer.
void DruckereinstellungZeigen(QWidget *eltern, QPrinter &drucker);

// Prints the pages as one document under the given title; logo is the
// picture for the pages' logo boxes. The logo is converted before the
// document begins: its conversion is the one step of a page that can fail.
std::optional<QString> SeitenDrucken(QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                                     const QString &titel);
