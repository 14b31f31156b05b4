#pragma once

// The set-up that every file dialog of the program shares: Qt's own dialog,
// not the desktop's, with German labels, one name filter, and the process's
// working directory left alone, a title and the accept button's label. The
// callers add their suffix and options.

#include <QFileDialog>
#include <QString>

#include <optional>

void DateidialogBeschriften(QFileDialog &dialog, QFileDialog::AcceptMode modus, const QString &filter,
                            const QString &titel, const QString &knopf);

// Runs the dialog; the chosen path, or nothing when the user cancels.
std::optional<QString> DateidialogZeigen(QFileDialog &dialog);
