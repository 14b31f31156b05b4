#pragma once

// The program's command line: at most one project file, opened at start as
// "Öffnen" opens a chosen file; --pruefen and --pdf, which check the units
// of a building or write its collective PDF without a window; and the usual
// --help and --version. Nothing
// else reads it: main() reads it before the window system is reached and
// hands Qt only the program's name. The texts are German because Qt's
// German translations are loaded before it is read.

#include <QString>
#include <QStringList>

class Befehlszeile {
public:
    enum class Art {
        Starten,  // run the program, with pfad's project when one is named
        Pruefen,  // the table of the units in pfade on stdout
        SammelPdf,  // the collective PDF of the units in pfade into ziel
        Hilfe,  // print text on stdout, exit 0
        Version,  // print text on stdout, exit 0
        Fehler,  // print text on stderr, exit 2
    };

    // argumente as QCoreApplication::arguments() gives them, the program
    // first; a relative path is taken from the working directory.
    static Befehlszeile Lesen(const QStringList &argumente);

    Art art = Art::Starten;
    QString pfad;  // absolute path of the project to open; empty for none
    QStringList pfade;  // files and folders for Pruefen and SammelPdf
    QString ziel;  // the PDF file of SammelPdf
    QString text;  // what to print for Hilfe, Version and Fehler

    // 0 after help and version, 2 after a wrong call.
    int Rueckgabewert() const;
};
