// Any byte string as a decimal text: read, written with 0 to 3 decimals and
// read back, as a whole number, with its points turned into commas.
#include "engine/Dezimaltext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t laenge)
{
    const std::string text(reinterpret_cast<const char *>(daten), laenge);
    const double wert = TextZuZahl(text);
    if (std::isnan(wert))
        std::abort();
    for (int stellen = 0; stellen <= 3; ++stellen) {
        const std::string geschrieben = ZahlZuText(wert, stellen);
        if (geschrieben.find('.') != std::string::npos)
            std::abort();
        // Written and read back, a value moves by at most half its last
        // decimal (and the rounding to 15 significant digits).
        if (std::isfinite(wert) && std::fabs(wert) < 1e12) {
            const double zurueck = TextZuZahl(geschrieben);
            if (std::fabs(zurueck - wert) > 0.5 * std::pow(10.0, -stellen) + 1e-9 * std::fabs(wert) + 1e-12)
                std::abort();
        }
    }
    (void)TextZuGanzzahl(text);
    if (KommaStattPunkt(text).find('.') != std::string::npos)
        std::abort();
    return 0;
}
