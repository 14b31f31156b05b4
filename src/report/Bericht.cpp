#include "report/Bericht.h"

#include "engine/Antworttexte.h"
#include "report/Seitenteile.h"
#include "report/Umbruch.h"

#include <algorithm>

namespace {

constexpr int LinkeSpalte = 150;
constexpr int RechteSpalte = LinkeSpalte + 1000;
constexpr int Titelhoehe = 60;
constexpr int Texthoehe = 40;
// The right margin as wide as the left one on A4 paper.
constexpr int RechterRand = 2100 - LinkeSpalte;
// The least room between a text and its neighbour on the right.
constexpr int Abstand = 20;

// A full assessment: no windowless rooms, or windowless rooms together with
// further requirements on the unit. No answer to the first question counts
// as neither.
bool VolleBewertung(const Berichtswerte &w)
{
    return w.RadioGroup1 == 1 || (w.RadioGroup1 == 0 && w.RadioGroup2 == 0);
}

QString JaNein(bool ja)
{
    return QString::fromUtf8(ja ? Antworttexte::Ja : Antworttexte::Nein);
}

class Seite {
public:
    void logo(int links, int unten, int breite, int hoehe)
    {
        elemente.push_back({Seitenelement::Art::Logo, links, unten, breite, hoehe, false, {}});
    }
    void zeile(int links, int unten, int hoehe, bool fett, const QString &text)
    {
        elemente.push_back(Textelement(links, unten, hoehe, fett, text));
    }
    void ueberschrift(int links, int unten, const QString &text) { zeile(links, unten, Texthoehe, true, text); }
    void wert(int links, int unten, const QString &text) { zeile(links, unten, Texthoehe, false, text); }

    std::vector<Seitenelement> elemente;
};

// The hints in the free room right of the logo, above the title, in type
// of at least 8 pt, as many lines as it holds; what does not fit is named
// by a last line and stands in the Rechenweg.
void Hinweisblock(Seite &s, const QStringList &hinweise)
{
    if (hinweise.isEmpty())
        return;
    constexpr int Links = 1000;
    constexpr int Oben = 200;
    constexpr int Ende = 660;
    // A character cell of 3.3 mm: 8.1 pt type.
    constexpr int Hoehe = 33;
    constexpr int Abstand = 37;
    const Textbreiten breiten(Hoehe, false);
    s.zeile(Links, Oben, Texthoehe, true, QStringLiteral("Hinweise zur Eingabe:"));
    QStringList zeilen;
    for (const QString &h : hinweise)
        zeilen += Umbrechen(QStringLiteral("– ") + h, RechterRand - Links, breiten);
    const int platz = (Ende - Oben - 50) / Abstand;
    if (zeilen.size() > platz) {
        zeilen = zeilen.mid(0, platz - 1);
        zeilen << QStringLiteral("… weitere Hinweise im Rechenweg des Programms");
    }
    int y = Oben + 50;
    for (const QString &zeile : zeilen) {
        s.zeile(Links, y, Hoehe, false, zeile);
        y += Abstand;
    }
}

}  // namespace

void RaeumeSetzen(std::vector<Seitenelement> &seite, int rechterRand)
{
    for (Seitenelement &e : seite) {
        if (e.art != Seitenelement::Art::Text)
            continue;
        int ende = rechterRand;
        for (const Seitenelement &n : seite) {
            const bool gleicheZeile = n.unten < e.unten + e.hoehe && e.unten < n.unten + n.hoehe;
            if (n.art == Seitenelement::Art::Text && gleicheZeile && n.links > e.links)
                ende = std::min(ende, n.links - Abstand);
        }
        e.breite = std::max(1, ende - e.links);
    }
}

QString Berichtstitel(const QString &objekt)
{
    return Dokumenttitel(QStringLiteral("Lüftungskonzept"), objekt);
}

std::vector<Seitenelement> Berichtsseite(const Berichtswerte &w, QDate druckdatum, bool langesJahr)
{
    const QString datum = GedrucktesDatum(druckdatum, langesJahr);
    const QString nein = QString::fromUtf8(Antworttexte::Nein);
    const bool voll = VolleBewertung(w);
    Seite s;

    s.logo(LinkeSpalte, 200, 750, 300);
    Hinweisblock(s, w.Hinweise);
    s.zeile(LinkeSpalte, 700, Titelhoehe, true,
            QStringLiteral("Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6 Kap. 4.2"));

    s.ueberschrift(LinkeSpalte, 800, QStringLiteral("Objektdaten:"));
    s.wert(LinkeSpalte, 850, Angabezeile(Angabe::Objektbezeichnung, w.Edit2));
    s.wert(LinkeSpalte, 900, Angabezeile(Angabe::StrasseNr, w.Edit1));
    s.wert(LinkeSpalte, 950, Angabezeile(Angabe::PlzOrt, w.Edit4));

    s.ueberschrift(RechteSpalte, 800, QStringLiteral("Bearbeiterdaten:"));
    s.wert(RechteSpalte, 850, Angabezeile(Angabe::Bearbeiter, w.Edit7));
    s.wert(RechteSpalte, 900, Angabezeile(Angabe::Firmenname, w.Edit3));
    s.wert(RechteSpalte, 950, Angabezeile(Angabe::Firmenadresse, w.Edit9));
    s.wert(RechteSpalte, 1000, QStringLiteral("Bearbeitungsdatum: ") + datum);

    if (voll) {
        s.ueberschrift(LinkeSpalte, 1050, QStringLiteral("Gebäudedaten:"));
        s.wert(LinkeSpalte, 1100, QStringLiteral("Gebäudetyp: ") + w.ComboBox1);
        s.wert(LinkeSpalte, 1150, QStringLiteral("Gebäudelage: ") + w.ComboBox2);
        s.wert(LinkeSpalte, 1200, QStringLiteral("Fläche Nutzungseinheit in m²: ") + w.Edit6);
    }
    s.wert(RechteSpalte, 1100, QStringLiteral("fensterloser Raum: ") + JaNein(w.RadioGroup1 == 0));
    s.wert(RechteSpalte, 1150, QStringLiteral("Anforderungen an die Nutzungseinheit: ") + JaNein(w.RadioGroup2 == 0));

    if (voll) {
        s.ueberschrift(LinkeSpalte, 1300, QStringLiteral("Wärmeschutz:"));
        s.wert(LinkeSpalte, 1350, QStringLiteral("Neubau: ") + w.ComboBox7);
        if (w.ComboBox7 == nein) {
            s.wert(LinkeSpalte, 1400, QStringLiteral("Baujahr: ") + w.Edit11);
            s.wert(LinkeSpalte, 1450, QStringLiteral("Sanierung nach WSVO: ") + w.ComboBox8);
        }

        s.ueberschrift(LinkeSpalte, 1550, QStringLiteral("Luftdichtheit:"));
        s.wert(LinkeSpalte, 1600, QStringLiteral("Messwert Luftdichtheit vorhanden: ") + w.ComboBox5);
        s.wert(LinkeSpalte, 1650, QStringLiteral("n50 in 1/h: ") + w.Edit8);
        s.wert(LinkeSpalte, 1700, QStringLiteral("Druckexponent n: ") + w.Edit10);
        if (w.ComboBox5 == nein)
            s.wert(LinkeSpalte, 1750, QStringLiteral("Vorgabewert Auslegungsluftwechsel: ") + w.ComboBox6);

        s.ueberschrift(LinkeSpalte, 1850, QStringLiteral("Ergebnisse:"));
        s.wert(LinkeSpalte, 1900, QStringLiteral("Qualität Wärmeschutz nach DIN 1946-6: ") + w.Label26);
        s.wert(LinkeSpalte, 1950, QStringLiteral("notwendige Lüftung zum Feuchteschutz in m³/h: ") + w.Label27);
        s.wert(LinkeSpalte, 2000, QStringLiteral("wirksame Lüftung zur Infiltration in m³/h: ") + w.Label28);
        s.wert(LinkeSpalte, 2050, QStringLiteral("reduzierte Lüftung in m³/h: ") + w.Label38);
        s.wert(LinkeSpalte, 2100, QStringLiteral("Nennlüftung in m³/h: ") + w.Label39);
    } else {
        s.ueberschrift(LinkeSpalte, 1300, QStringLiteral("Auslegung erfolgt nach DIN 18017-3"));
        s.ueberschrift(LinkeSpalte, 1350, QStringLiteral("Lüftung von Bädern und Toilettenräumen"));
        s.ueberschrift(LinkeSpalte, 1400, QStringLiteral("ohne Außenfenster, mit Ventilatoren"));
    }

    s.ueberschrift(LinkeSpalte, 2200, QStringLiteral("Zusätzliche Anforderungen:"));
    if (w.RadioGroup3 >= 1 && w.RadioGroup3 < int(Antworttexte::Anforderungen.size()))
        s.wert(LinkeSpalte, 2250, QString::fromUtf8(Antworttexte::Anforderungen[std::size_t(w.RadioGroup3)]));

    s.ueberschrift(LinkeSpalte, 2350, QStringLiteral("Zusammenfassung:"));
    s.wert(LinkeSpalte, 2400, w.Label31);
    s.wert(LinkeSpalte, 2450, w.Label49);
    s.wert(LinkeSpalte, 2500, w.Label63);

    s.wert(LinkeSpalte, 2650, Angabezeile(Angabe::Datum, datum));
    s.wert(RechteSpalte, 2650, QStringLiteral("Unterschrift:") + QString(23, QLatin1Char('_')));
    s.elemente.push_back(Fusselement(w.Label30));
    RaeumeSetzen(s.elemente, RechterRand);
    return s.elemente;
}

Seitenelement Textelement(int links, int unten, int hoehe, bool fett, const QString &text)
{
    return {Seitenelement::Art::Text, links, unten, 0, hoehe, fett, text};
}
