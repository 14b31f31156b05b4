#include "windowkit/Programmschrift.h"

#include <QStringList>

QFont Programmschrift(int pixel, bool fett)
{
    QFont schrift;
    schrift.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}
