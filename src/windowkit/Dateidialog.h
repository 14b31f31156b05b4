#pragma once

// The set-up that every file dialog of the program shares: Qt's own dialog,
// not the desktop's, with German labels, one name filter, and the process's
// working directory left alone. The callers add their titles, accept label
// and suffix.

#include <QString>

#include <optional>

class QFileDialog;

// Call after setAcceptMode(), which puts back the button box's own labels.
void DateidialogBeschriften(QFileDialog &dialog, const QString &filter);

// Runs the dialog; the chosen path, or nothing when the user cancels.
std::optional<QString> DateidialogZeigen(QFileDialog &dialog);
