#pragma once

// The report on the application's printer: the checks and dialogs before a
// print, and the print itself as one document of one page.
//
// The printer lives as long as the application and keeps what the print and
// page-setup dialogs chose. With no printer installed the dialogs are not
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

// Makes sure the printer leads to a printer (or to a chosen PDF file): a
// printer that names none takes the system's default printer.
std::optional<QString> DruckerPruefen(QPrinter &drucker);

// The print dialog with the choices "pages" and "selection" and nothing
// else, the first page preset to 1. True when the user confirms; the choices
// then stay with the printer.
bool DruckdialogBestaetigt(QWidget *eltern, QPrinter &drucker);

// The page-setup dialog; its choices stay with the printer.
void DruckereinstellungZeigen(QWidget *eltern, QPrinter &drucker);

// Prints the page as one document under the given title.
std::optional<QString> BerichtDrucken(QPrinter &drucker, const std::vector<Seitenelement> &seite,
                                      const QImage &logo, const QString &titel);
