#include "project/Dateiergebnis.h"

#include "fileio/Systemfehler.h"

#include <cerrno>

Dateiergebnis::Dateiergebnis(Art art, Schritt schritt, int systemcode)
    : ergebnisart(art)
    , ergebnisschritt(schritt)
    , systemnummer(systemcode)
{
}

Dateiergebnis Dateiergebnis::ausSystemcode(Schritt schritt, int systemcode, bool ordnerVorhanden)
{
    switch (systemcode) {
    case ENOENT: return {ordnerVorhanden ? Art::DateiNichtGefunden : Art::UngueltigerDateiname, schritt, systemcode};
    case ENOTDIR:
    case ENAMETOOLONG: return {Art::UngueltigerDateiname, schritt, systemcode};
    case EMFILE:
    case ENFILE: return {Art::ZuVieleDateien, schritt, systemcode};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case ENXIO:  // a socket, or a device without its driver
        return {Art::ZugriffVerweigert, schritt, systemcode};
    case ELOOP: return {Art::Verweisschleife, schritt, systemcode};
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return {Art::ZuWenigSpeicherplatz, schritt, systemcode};
    default: return {Art::Systemfehler, schritt, systemcode};
    }
}

int Dateiergebnis::code() const
{
    switch (ergebnisart) {
    case Art::Gelungen: return 0;
    case Art::DateiNichtGefunden: return 2;
    case Art::UngueltigerDateiname: return 3;
    case Art::ZuVieleDateien: return 4;
    case Art::ZugriffVerweigert: return 5;
    case Art::HinterDateiende: return 100;
    case Art::ZuWenigSpeicherplatz: return 101;
    case Art::Verweisschleife:
    case Art::Systemfehler: break;
    }
    return systemnummer;
}

QString Dateiergebnis::meldung() const
{
    switch (ergebnisart) {
    case Art::Gelungen: return {};
    case Art::DateiNichtGefunden: return Systemgrund(ENOENT, true);
    case Art::UngueltigerDateiname: return Systemgrund(ENOENT, false);
    case Art::ZuVieleDateien: return Systemgrund(EMFILE);
    case Art::ZugriffVerweigert: return Systemgrund(EACCES);
    case Art::HinterDateiende: return QStringLiteral("Versuch hinter dem Dateiende zu lesen");
    case Art::ZuWenigSpeicherplatz: return Systemgrund(ENOSPC);
    case Art::Verweisschleife: return Systemgrund(ELOOP);
    case Art::Systemfehler: break;
    }
    return Systemgrund(systemnummer);
}
