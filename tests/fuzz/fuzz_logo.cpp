// Any byte string as a logo file: the first byte chooses the extension
// (.bmp, .png, .jpg), the rest is the file. A loaded logo is always a 24-bit
// bitmap within the picture limit; a refusal always says something.
#include "Fuzzdatei.h"

#include "fileio/Bildgrenze.h"
#include "logo/Logodatei.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication anwendung(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t laenge)
{
    if (laenge == 0)
        return 0;
    static const QString namen[] = {QStringLiteral("logo.bmp"), QStringLiteral("logo.png"), QStringLiteral("logo.jpg")};
    const QString pfad = FuzzdateiSchreiben(namen[daten[0] % 3], daten + 1, laenge - 1);
    const Logoergebnis ergebnis = LogoLesen(pfad);
    if (ergebnis.ok()) {
        if (ergebnis.bild.depth() != 24 || !Bildgroessenfehler(ergebnis.bild.width(), ergebnis.bild.height()).isEmpty())
            std::abort();
    } else if (ergebnis.fehler.isEmpty() || !ergebnis.bild.isNull()) {
        std::abort();
    }
    return 0;
}
