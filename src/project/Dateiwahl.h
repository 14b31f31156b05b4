#pragma once

#include <QString>

#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

// How the project commands ask the user for a file. The program uses the
// two real dialogs below; tests may answer with a path of their own.
struct Dateiwahl {
    // The path to save to, or nothing when the user cancels; vorschlag is
    // the file name the dialog proposes.
    std::function<std::optional<QString>(QWidget *eltern, const QString &vorschlag)> speichern;
    // The path to open, or nothing when the user cancels.
    std::function<std::optional<QString>(QWidget *eltern)> oeffnen;

    static Dateiwahl Dialoge();
};

// Both dialogs are Qt's own widgets, not the desktop's, with German labels
// and the filter "Datendateien-Luvanto (*.lkz)". They never change the
// process's working directory, which the logo file is addressed by. The
// chosen file need not exist. Saving replaces an existing file without a
// question and appends ".lkz" to a name typed without an extension.
void SpeicherdialogEinrichten(QFileDialog &dialog, const QString &vorschlag);
void OeffnendialogEinrichten(QFileDialog &dialog);
