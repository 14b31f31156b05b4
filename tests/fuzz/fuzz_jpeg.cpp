// Any byte string through the JPEG decoder: it either refuses with a German
// text or hands out a picture within the program's picture limit.
#include "fileio/Bildgrenze.h"
#include "fileio/JpegBild.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t laenge)
{
    const JpegErgebnis ergebnis =
        JpegLesen(QByteArray::fromRawData(reinterpret_cast<const char *>(daten), qsizetype(laenge)));
    if (ergebnis.ok() == ergebnis.bild.isNull())
        std::abort();
    if (ergebnis.ok() && !Bildgroessenfehler(ergebnis.bild.width(), ergebnis.bild.height()).isEmpty())
        std::abort();
    if (!ergebnis.ok() && ergebnis.fehler.contains(QLatin1String("JPEG file")))
        std::abort();
    return 0;
}
