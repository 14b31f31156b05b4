#pragma once

// Reading a logo picture from a file and writing the logo as a bitmap file.
//
// The picture format follows the file name's extension, in any case: ".bmp"
// for Windows bitmaps, ".png", and ".jpg"/".jpeg", decoded by libjpeg. Every
// loaded picture becomes a 24-bit bitmap, transparent parts on white, so the
// logo is always a bitmap that the report can print and that can be written
// as "Logo.bmp". Failures come back as German message texts, with the
// operating system's reason where a file could not be opened or created.
//
// Reading is bounded: only regular files are read (a FIFO or a device is
// refused at once), files beyond the picture limit's file size are refused
// before a byte is read, and every format's size is read from its header and
// checked against the one picture limit (fileio/Bildgrenze.h) before any
// pixel is allocated. Writing replaces "Logo.bmp" the way project files are
// replaced (fileio/SicheresSchreiben.h): a failure leaves the old file.

#include "fileio/SicheresSchreiben.h"
#include "fileio/Systemfehler.h"

#include <QImage>
#include <QString>

#include <optional>

struct Logoergebnis {
    QImage bild;
    QString fehler;  // empty when the picture was read

    bool ok() const { return fehler.isEmpty(); }
};

// The file in the working directory that holds the logo last loaded.
inline constexpr char Logoname[] = "Logo.bmp";

// The logo at every start: 600 × 150 pixels, 24 bits, all white.
QImage LeeresLogo();

Logoergebnis LogoLesen(const QString &dateiname);

// Writes the logo as a BMP file; an existing file is replaced. Tests pass
// failing calls in aufrufe.
std::optional<QString> LogoSchreiben(const QImage &logo, const QString &dateiname, const Dateiaufrufe &aufrufe = {});
