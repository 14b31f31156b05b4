#include "building/Sammelpdf.h"

#include "building/Nachrechnung.h"
#include "engine/Antworttexte.h"
#include "report/Berichtsmaler.h"
#include "report/PdfExport.h"
#include "report/Seitenteile.h"
#include "windowkit/Version.h"

#include <QDir>
#include <QFontMetricsF>

#include <algorithm>

namespace {

using F = Projektfeld;

constexpr int Links = 150;
constexpr int Rechts = 1950;
constexpr int Titelhoehe = 60;
constexpr int Texthoehe = 40;
constexpr int Tabellenhoehe = 28;
constexpr int Zeilenabstand = 42;
constexpr int TabelleErsteSeite = 1150;
constexpr int TabelleFolgeseite = 350;
constexpr int Tabellenende = 2650;

struct Tabellenspalte {
    const char *kopf;
    int links;
    int breite;
};

// The table on paper: fewer columns than on screen, the verdict as
// whether a measure is needed.
const Tabellenspalte Spalten[] = {
    {"Datei", 150, 300},        {"Objektbezeichnung", 460, 420}, {"Fläche m²", 890, 150}, {"n50 1/h", 1050, 120},
    {"q_v,FS m³/h", 1180, 170}, {"q_v,Inf m³/h", 1360, 170},     {"Maßnahme", 1540, 140}, {"Prüfung", 1690, 260},
};

// The text cut with "…" to the width, in the page's type at its height.
QString Gekuerzt(const QString &text, int breite, int hoehe)
{
    const QFont schrift = Seitenschrift(1000, false);
    const QFontMetricsF masse(schrift);
    const double faktor = hoehe / masse.height();
    return masse.elidedText(text, Qt::ElideRight, breite / faktor);
}

// A cell keeps to one line: control characters from a file become blanks.
QString Einzeilig(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

QStringList Tabellenzeile(const Einheit &e)
{
    if (!e.projekt())
        return {e.datei,   QString(), QString(), QString(),
                QString(), QString(), QString(), QStringLiteral("keine Projektdatei")};
    return {e.datei,
            Zelle(e, Spalte::Objektbezeichnung),
            Zelle(e, Spalte::Flaeche),
            Zelle(e, Spalte::N50),
            Zelle(e, Spalte::QvFS),
            Zelle(e, Spalte::QvInf),
            e.urteil.isEmpty() ? QString()
                               : QString::fromUtf8(e.mitMassnahme() ? Antworttexte::Ja : Antworttexte::Nein),
            e.weichtAb() ? QStringLiteral("weicht ab") : QStringLiteral("stimmt")};
}

const Einheit *ErsteEinheit(const std::vector<Einheit> &einheiten)
{
    const auto e = std::find_if(einheiten.begin(), einheiten.end(), [](const Einheit &x) { return x.projekt(); });
    return e == einheiten.end() ? nullptr : &*e;
}

}  // namespace

Seitenliste UebersichtSeiten(const std::vector<Einheit> &einheiten, QDate datum)
{
    Seitenliste seiten;
    std::vector<Seitenelement> seite;
    const auto kopf = [&](int unten) {
        for (const Tabellenspalte &s : Spalten)
            seite.push_back(Textelement(s.links, unten, Tabellenhoehe, true, QString::fromUtf8(s.kopf)));
    };

    seite.push_back(Textelement(Links, 200, Titelhoehe, true,
                                QStringLiteral("Lüftungskonzept nach DIN 1946-6 – Gebäudeübersicht")));
    const Einheit *erste = ErsteEinheit(einheiten);
    const auto wert = [&](F feld) { return erste ? Einzeilig(erste->gespeichert.text(feld)) : QString(); };
    seite.push_back(Textelement(Links, 350, Texthoehe, true, QStringLiteral("Objektdaten:")));
    seite.push_back(Textelement(Links, 400, Texthoehe, false, Angabezeile(Angabe::StrasseNr, wert(F::StrasseNr))));
    seite.push_back(Textelement(Links, 450, Texthoehe, false, Angabezeile(Angabe::PlzOrt, wert(F::PlzOrt))));
    seite.push_back(Textelement(1150, 350, Texthoehe, true, QStringLiteral("Bearbeiterdaten:")));
    seite.push_back(Textelement(1150, 400, Texthoehe, false, Angabezeile(Angabe::Bearbeiter, wert(F::Bearbeiter))));
    seite.push_back(Textelement(1150, 450, Texthoehe, false, Angabezeile(Angabe::Firmenname, wert(F::Firmenname))));
    seite.push_back(
        Textelement(1150, 500, Texthoehe, false, Angabezeile(Angabe::Firmenadresse, wert(F::Firmenadresse))));
    seite.push_back(
        Textelement(Links, 600, Texthoehe, false, Angabezeile(Angabe::Datum, GedrucktesDatum(datum, true))));
    seite.push_back(Textelement(Links, 750, Texthoehe, true, QStringLiteral("Zusammenfassung:")));
    seite.push_back(Textelement(Links, 800, Texthoehe, false, Summenzeile(einheiten)));
    seite.push_back(Textelement(Links, 850, Texthoehe, false, Summen(einheiten)));
    seite.push_back(Textelement(Links, 1050, Texthoehe, true, QStringLiteral("Nutzungseinheiten:")));
    int unten = TabelleErsteSeite;
    kopf(unten);
    const auto naechsteZeile = [&] {
        unten += Zeilenabstand;
        if (unten <= Tabellenende)
            return;
        seiten.push_back(std::move(seite));
        seite = {};
        seite.push_back(Textelement(Links, 200, Texthoehe, true, QStringLiteral("Gebäudeübersicht (Fortsetzung)")));
        unten = TabelleFolgeseite;
        kopf(unten);
        unten += Zeilenabstand;
    };
    for (const Einheit &e : einheiten) {
        naechsteZeile();
        const QStringList zellen = Tabellenzeile(e);
        for (std::size_t s = 0; s < std::size(Spalten); ++s)
            seite.push_back(
                Textelement(Spalten[s].links, unten, Tabellenhoehe, false,
                            Gekuerzt(Einzeilig(zellen[qsizetype(s)]), Spalten[s].breite - 10, Tabellenhoehe)));
    }
    // What the check found, in full, below the table: a unit's page shows
    // its stored values and names the recomputed ones the same way.
    for (const Einheit &e : einheiten) {
        if (!e.weichtAb())
            continue;
        naechsteZeile();
        seite.push_back(Textelement(
            Links, unten, Tabellenhoehe, false,
            Gekuerzt(Einzeilig(e.datei + QStringLiteral(": ") + e.pruefung), Rechts - Links, Tabellenhoehe)));
    }
    seiten.push_back(std::move(seite));

    // Every text keeps to its room, as on the report page.
    for (auto &s : seiten) {
        s.push_back(Fusselement(Versionstext));
        RaeumeSetzen(s, Rechts);
    }
    return seiten;
}

Seitenliste SammelSeiten(const std::vector<Einheit> &einheiten, Nachrechnung &nachrechnung, QDate datum)
{
    Seitenliste seiten = UebersichtSeiten(einheiten, datum);
    for (const Einheit &e : einheiten) {
        if (!e.projekt())
            continue;
        seiten.push_back(Berichtsseite(nachrechnung.geoeffnet(e.gespeichert), datum, true));
    }
    Seitenzahlen(seiten);
    return seiten;
}

std::optional<QString> SammelPdfSchreiben(const QString &pfad, const std::vector<Einheit> &einheiten,
                                          const QImage &logo, QDate datum)
{
    Nachrechnung nachrechnung;
    const Seitenliste seiten = SammelSeiten(einheiten, nachrechnung, datum);
    const Einheit *erste = ErsteEinheit(einheiten);
    const QString strasse = erste ? erste->gespeichert.text(F::StrasseNr) : QString();
    return PdfSchreiben(pfad, seiten, logo, Dokumenttitel(QStringLiteral("Lüftungskonzept"), strasse),
                        QPagedPaintDevice::PdfVersion_A1b);
}

QString SammelPdfVorschlag(const std::vector<Einheit> &einheiten, QDate datum, const QString &ordner)
{
    const Einheit *erste = ErsteEinheit(einheiten);
    const QString strasse = erste ? erste->gespeichert.text(F::StrasseNr) : QString();
    // The proposal goes beside the folder's project files: any name in it.
    return PdfVorschlag(QStringLiteral("Lüftungskonzept"), strasse, datum,
                        QDir(ordner).filePath(QStringLiteral("Gebäude.lkz")));
}
