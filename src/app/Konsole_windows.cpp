#include "app/Konsole.h"

#include <windows.h>

#include <shellapi.h>  // needs windows.h before it

#include <fcntl.h>
#include <io.h>

#include <cstdio>

void KonsoleEinrichten()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

QStringList Befehlszeilenargumente(int, char **)
{
    QStringList argumente;
    int anzahl = 0;
    wchar_t **liste = CommandLineToArgvW(GetCommandLineW(), &anzahl);
    for (int i = 0; liste && i < anzahl; ++i)
        argumente << QString::fromWCharArray(liste[i]);
    LocalFree(liste);
    return argumente;
}

QByteArray Konsolentext(const QString &text)
{
    return text.toUtf8();
}

QByteArray PlattformOhneFenster()
{
    return QByteArrayLiteral("windows:fontengine=freetype");
}
