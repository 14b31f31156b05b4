#include "building/Gebaeudebefehle.h"

#include "building/Einheit.h"
#include "building/Gebaeudecsv.h"
#include "building/Nachrechnung.h"
#include "building/Sammelpdf.h"
#include "fileio/Dateiname.h"
#include "fileio/Dateisystem.h"
#include "fileio/Systemfehler.h"
#include "logo/Logodatei.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <optional>

namespace {

void Melden(const QString &text)
{
    std::fprintf(stderr, "luvanto: %s\n", text.toLocal8Bit().constData());
}

// A named file that is no project by its name or its length is not read:
// "Öffnen" takes the first 1109 bytes of any longer file, so a CSV table
// given by mistake would be recomputed as a project.
std::optional<QString> KeinProjekt(const QString &pfad)
{
    const Dateiangaben angaben = DateiangabenLesen(pfad);
    if (angaben.art != Dateiangaben::Art::Datei)
        return std::nullopt;  // reading it says why
    if (!pfad.endsWith(QStringLiteral(".lkz"), Qt::CaseInsensitive))
        return QStringLiteral("der Name endet nicht auf .lkz");
    if (std::size_t(angaben.groesse) != TProjektdaten::Groesse)
        return QStringLiteral("falsche Länge (%1 Bytes statt %2)").arg(angaben.groesse).arg(TProjektdaten::Groesse);
    return std::nullopt;
}

Einheit Lesen(const QString &pfad, Nachrechnung &nachrechnung)
{
    const std::optional<QString> grund = KeinProjekt(pfad);
    if (!grund)
        return EinheitLesen(pfad, nachrechnung);
    Einheit einheit;
    einheit.pfad = QFileInfo(pfad).absoluteFilePath();
    einheit.datei = QFileInfo(pfad).fileName();
    einheit.fehler = *grund;
    einheit.pruefung = QStringLiteral("keine Projektdatei: ") + *grund;
    return einheit;
}

// The files the paths name, a folder standing for its project files. A
// folder without any is said on standard error: leer is set.
QStringList Dateien(const QStringList &pfade, bool &leer)
{
    QStringList dateien;
    for (const QString &pfad : pfade) {
        if (!QFileInfo(pfad).isDir()) {
            dateien.append(pfad);
            continue;
        }
        const QStringList darin = Projektdateien(pfad);
        if (darin.isEmpty()) {
            Melden(QStringLiteral("Im Ordner „%1“ liegt keine Projektdatei (.lkz).")
                       .arg(QDir::toNativeSeparators(NameZumZeigen(pfad))));
            leer = true;
        }
        dateien += darin;
    }
    return dateien;
}

}  // namespace

// Each line is written as its unit is read, so memory stays the same for
// any number of files.
int PruefenAusgeben(const QStringList &pfade, std::FILE *ausgabe)
{
    int fehlernummer = 0;
    const auto schreiben = [ausgabe, &fehlernummer](const QByteArray &text) {
        if (fehlernummer == 0
            && std::fwrite(text.constData(), 1, std::size_t(text.size()), ausgabe) != std::size_t(text.size()))
            fehlernummer = errno ? errno : EIO;
    };
    bool leer = false;
    const QStringList dateien = Dateien(pfade, leer);
    int code = leer ? 1 : 0;
    schreiben(CsvKopf(false));
    Nachrechnung nachrechnung;
    for (const QString &datei : dateien) {
        const Einheit einheit = Lesen(datei, nachrechnung);
        schreiben(CsvZeile(einheit));
        if (!einheit.projekt() || einheit.weichtAb())
            code = 1;
    }
    if (std::fflush(ausgabe) != 0 && fehlernummer == 0)
        fehlernummer = errno ? errno : EIO;
    if (fehlernummer != 0) {
        Melden(QStringLiteral("Die Tabelle konnte nicht vollständig ausgegeben werden: %1.")
                   .arg(Systemgrund(fehlernummer)));
        return 1;
    }
    return code;
}

int SammelPdfAusgeben(const QStringList &pfade, const QString &ziel)
{
    bool leer = false;
    const QStringList dateien = Dateien(pfade, leer);
    if (dateien.isEmpty())
        return 1;  // an overview of nothing is not written
    std::vector<Einheit> einheiten;
    Nachrechnung nachrechnung;
    for (const QString &datei : dateien)
        einheiten.push_back(Lesen(datei, nachrechnung));
    // The logo that the program last loaded, as Logo.bmp in the working
    // folder; the blank logo of a fresh start where there is none.
    QImage logo = LeeresLogo();
    const QString logoname = QString::fromLatin1(Logoname);
    if (QFileInfo::exists(logoname)) {
        const Logoergebnis gelesen = LogoLesen(logoname);
        if (gelesen.ok())
            logo = gelesen.bild;
        else
            Melden(logoname + QStringLiteral(": ") + gelesen.fehler);
    }
    if (const std::optional<QString> fehler = SammelPdfSchreiben(ziel, einheiten, logo, QDate::currentDate())) {
        Melden(*fehler);
        return 1;
    }
    for (const Einheit &e : einheiten) {
        if (!e.projekt() || e.weichtAb())
            Melden(QDir::toNativeSeparators(e.pfad) + QStringLiteral(": ") + e.pruefung);
    }
    return leer ? 1 : Pruefcode(einheiten);
}
