#include "building/Gebaeudebefehle.h"

#include "building/Einheit.h"
#include "building/Gebaeudecsv.h"
#include "building/Nachrechnung.h"
#include "building/Sammelpdf.h"
#include "logo/Logodatei.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

// Each line is written as its unit is read, so memory stays the same for
// any number of files.
int PruefenAusgeben(const QStringList &pfade, std::FILE *ausgabe)
{
    const auto schreiben = [ausgabe](const QByteArray &text) {
        std::fwrite(text.constData(), 1, std::size_t(text.size()), ausgabe);
    };
    schreiben(CsvKopf(false));
    Nachrechnung nachrechnung;
    int code = 0;
    for (const QString &datei : DateienAusPfaden(pfade)) {
        const Einheit einheit = EinheitLesen(datei, nachrechnung);
        schreiben(CsvZeile(einheit));
        if (!einheit.projekt() || einheit.weichtAb())
            code = 1;
    }
    std::fflush(ausgabe);
    return code;
}

int SammelPdfAusgeben(const QStringList &pfade, const QString &ziel)
{
    const std::vector<Einheit> einheiten = EinheitenLesen(DateienAusPfaden(pfade));
    // The logo that the program last loaded, as Logo.bmp in the working
    // folder; the blank logo of a fresh start where there is none.
    QImage logo = LeeresLogo();
    if (QFileInfo::exists(QStringLiteral("Logo.bmp"))) {
        const Logoergebnis gelesen = LogoLesen(QStringLiteral("Logo.bmp"));
        if (gelesen.ok())
            logo = gelesen.bild;
        else
            std::fprintf(stderr, "luvanto: Logo.bmp: %s\n", gelesen.fehler.toLocal8Bit().constData());
    }
    if (const std::optional<QString> fehler = SammelPdfSchreiben(ziel, einheiten, logo, QDate::currentDate())) {
        std::fprintf(stderr, "luvanto: %s\n", fehler->toLocal8Bit().constData());
        return 1;
    }
    for (const Einheit &e : einheiten) {
        if (!e.projekt() || e.weichtAb())
            std::fprintf(stderr, "luvanto: %s: %s\n", QDir::toNativeSeparators(e.pfad).toLocal8Bit().constData(),
                         e.pruefung.toLocal8Bit().constData());
    }
    return Pruefcode(einheiten);
}
