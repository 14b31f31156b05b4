#include "windowkit/Programmschrift.h"

QFont Programmschrift(int pixel, bool fett)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}
