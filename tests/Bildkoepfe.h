#pragma once

// Hostile pictures for the tests and benchmarks of the picture loaders:
// headers of a few bytes that claim pictures far beyond the size limit.

#include <QByteArray>

// A BMP header of 54 bytes claiming a picture of the given size, 24 bits.
inline QByteArray BmpKopf(quint32 breite, quint32 hoehe)
{
    QByteArray kopf(54, '\0');
    const auto setze = [&kopf](int stelle, quint32 wert, int bytes) {
        for (int i = 0; i < bytes; ++i)
            kopf[stelle + i] = char((wert >> (8 * i)) & 0xff);
    };
    kopf[0] = 'B';
    kopf[1] = 'M';
    setze(2, 54, 4);
    setze(10, 54, 4);
    setze(14, 40, 4);
    setze(18, breite, 4);
    setze(22, hoehe, 4);
    setze(26, 1, 2);
    setze(28, 24, 2);
    return kopf;
}

// The JPEG with the size in its frame header (SOF0) replaced: what a
// hostile file of a few hundred bytes claims. Empty without such a header.
inline QByteArray MitKopfgroesse(QByteArray jpeg, int breite, int hoehe)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xff\xc0", 2));
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(hoehe >> 8);
    jpeg[sof + 6] = char(hoehe & 0xff);
    jpeg[sof + 7] = char(breite >> 8);
    jpeg[sof + 8] = char(breite & 0xff);
    return jpeg;
}
