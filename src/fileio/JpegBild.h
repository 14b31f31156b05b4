#pragma once

#include <QImage>
#include <QString>

class QByteArray;

// Decodes JPEG pictures with libjpeg. libjpeg's own error handler would end
// the process; this one turns every error and every warning of damaged
// data (a file that ends too early, a bad code) into a German error text,
// so a damaged picture is refused whole, never shown half grey, and
// libjpeg's English texts never reach the user. Warnings that leave the
// picture whole, such as padding between segments, pass. The size in the header is checked against the
// program's picture limit (fileio/Bildgrenze.h) before any pixel is
// allocated. CMYK and YCCK pictures are converted to RGB, read as the
// inverted CMYK that Adobe's programs write.
struct JpegErgebnis {
    QImage bild;
    QString fehler;  // empty when the picture was decoded

    bool ok() const { return fehler.isEmpty(); }
};

JpegErgebnis JpegLesen(const QByteArray &daten);

// Reads a JPEG picture from a file or a Qt resource (":/…").
JpegErgebnis JpegDateiLesen(const QString &pfad);

// The German text for one of libjpeg's error or warning codes.
QString JpegFehlertext(int code);
