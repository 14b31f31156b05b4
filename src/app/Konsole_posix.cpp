#include "app/Konsole.h"

#include "fileio/Dateiname.h"

void KonsoleEinrichten()
{
    // Standard output and error are what the terminal gave.
}

QStringList Befehlszeilenargumente(int argc, char **argv)
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << NameAusBytes(QByteArray(argv[i]));
    return argumente;
}

QByteArray Konsolentext(const QString &text)
{
    return text.toLocal8Bit();
}

QByteArray PlattformOhneFenster()
{
    return QByteArrayLiteral("offscreen");
}
