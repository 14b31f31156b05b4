#include "project/Projektdatei.h"

#include "fileio/Lesedatei.h"

#include <QString>

#include <algorithm>
#include <cerrno>

namespace {

using Art = Dateiergebnis::Art;
using Schritt = Dateiergebnis::Schritt;

Dateiergebnis systemfehler(Schritt schritt, int code, const QString &pfad)
{
    return Dateiergebnis::ausSystemcode(schritt, code, OrdnerDerDateiVorhanden(pfad));
}

Schritt AlsSchritt(Schreibfehler::Schritt schritt)
{
    switch (schritt) {
    case Schreibfehler::Schritt::Erstellen: return Schritt::Erstellen;
    case Schreibfehler::Schritt::Schreiben: return Schritt::Schreiben;
    case Schreibfehler::Schritt::Schliessen: break;
    }
    return Schritt::Schliessen;
}

}  // namespace

Dateiergebnis ProjektdateiSchreiben(const QString &pfad, const TProjektdaten &daten, const Dateiaufrufe &aufrufe)
{
    const auto &bytes = daten.bytes();
    const std::optional<Schreibfehler> fehler =
        SicherSchreiben(pfad, reinterpret_cast<const char *>(bytes.data()), bytes.size(), aufrufe);
    if (!fehler)
        return {};
    return systemfehler(AlsSchritt(fehler->schritt), fehler->fehlernummer, pfad);
}

Dateiergebnis ProjektdateiLesen(const QString &pfad, TProjektdaten &daten)
{
    Lesedatei datei(pfad);
    if (datei.fehler())
        return systemfehler(Schritt::Oeffnen, datei.fehler(), pfad);

    TProjektdaten::Bytes puffer{};
    std::size_t gelesen = 0;
    Dateiergebnis ergebnis;
    while (gelesen < puffer.size()) {
        const qint64 n =
            datei.lesen(reinterpret_cast<char *>(puffer.data()) + gelesen, qint64(puffer.size() - gelesen));
        if (n < 0) {
            ergebnis = systemfehler(Schritt::Lesen, errno, pfad);
            break;
        }
        if (n == 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    std::copy_n(puffer.begin(), gelesen, daten.bytes().begin());

    if (const int grund = datei.schliessen(); grund != 0 && ergebnis.gelungen())
        ergebnis = systemfehler(Schritt::Schliessen, grund, pfad);
    if (ergebnis.gelungen() && gelesen < puffer.size())
        ergebnis = {Art::HinterDateiende, Schritt::Lesen};
    return ergebnis;
}
