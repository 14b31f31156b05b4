#include "project/Projektdatei.h"

#include "fileio/Dateiname.h"

#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

using Art = Dateiergebnis::Art;
using Schritt = Dateiergebnis::Schritt;

bool ordnerVorhanden(const QString &pfad)
{
    struct stat info {};
    return ::stat(OrdnerAlsBytes(pfad).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

Dateiergebnis systemfehler(Schritt schritt, int code, const QString &pfad)
{
    return Dateiergebnis::ausSystemcode(schritt, code, ordnerVorhanden(pfad));
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

} // namespace

Dateiergebnis ProjektdateiSchreiben(const QString &pfad, const TProjektdaten &daten,
                                    const Dateiaufrufe &aufrufe)
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
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const QByteArray name = NameAlsBytes(pfad);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemfehler(Schritt::Oeffnen, errno, pfad);

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {Art::ZugriffVerweigert, Schritt::Oeffnen, S_ISDIR(info.st_mode) ? EISDIR : EACCES};
    }

    TProjektdaten::Bytes puffer{};
    std::size_t gelesen = 0;
    Dateiergebnis ergebnis;
    while (gelesen < puffer.size()) {
        const ssize_t n = ::read(fd, puffer.data() + gelesen, puffer.size() - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ergebnis = systemfehler(Schritt::Lesen, errno, pfad);
            break;
        }
        if (n == 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    std::copy_n(puffer.begin(), gelesen, daten.bytes().begin());

    if (::close(fd) != 0 && ergebnis.gelungen())
        ergebnis = systemfehler(Schritt::Schliessen, errno, pfad);
    if (ergebnis.gelungen() && gelesen < puffer.size())
        ergebnis = {Art::HinterDateiende, Schritt::Lesen};
    return ergebnis;
}
