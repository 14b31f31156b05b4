#pragma once

// The command line and the text that the program writes for it, as the
// system hands them over.
//
// POSIX (Konsole_posix.cpp): arguments are bytes, taken byte for byte, so
// that a file name that is no UTF-8 still names its file
// (fileio/Dateiname.h); text goes out in the locale's encoding.
//
// Windows (Konsole_windows.cpp): arguments are UTF-16, read from the
// system's command line, not from the code-page bytes of argv; text goes
// out as UTF-8, with the console switched to UTF-8, and byte for byte: no
// "\r" is added to a "\n", so that `--pruefen` writes the same CSV as on
// Linux. The window program luvanto.exe has no console; its console twin
// luvanto.com (the same program, built for the console) is what cmd.exe and
// PowerShell start for "luvanto", and they wait for it and get its code.
// CMake builds one of the two files.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Called first in main().
void KonsoleEinrichten();

// The arguments, the program's name first.
QStringList Befehlszeilenargumente(int argc, char **argv);

// A text as the bytes to write to standard output or standard error.
QByteArray Konsolentext(const QString &text);

// The Qt platform on which a command paints its pages without a window:
// "offscreen" on POSIX, which finds the fonts through fontconfig. On
// Windows, Qt's offscreen platform looks for fonts only in a folder of
// Qt's own and paints every letter as a box; the Windows platform needs no
// display there and reaches the system's fonts. It reads them with
// FreeType, as on Linux: GDI's font engine rounds every advance to a whole
// pixel and describes the embedded font with too small an ascent and box
// (it asks for the font by its cell height, not its em), so that words
// would sit elsewhere than in the Linux program's PDF.
QByteArray PlattformOhneFenster();
