#pragma once

#include <QImage>
#include <QString>

class QByteArray;

// Decodes JPEG pictures with libjpeg. libjpeg's own error handler would end
// the process; this one turns every error, and a file that ends too early,
// into an error text, so a damaged picture never takes the program down.
struct JpegErgebnis {
    QImage bild;
    QString fehler;  // empty when the picture was decoded

    bool ok() const { return fehler.isEmpty(); }
};

JpegErgebnis JpegLesen(const QByteArray &daten);

// Reads a JPEG picture from a file or a Qt resource (":/…").
JpegErgebnis JpegDateiLesen(const QString &pfad);
