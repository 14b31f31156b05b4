#include "workings/Rechenwegtext.h"

#include "engine/Antworttexte.h"
#include "engine/Dezimaltext.h"
#include "engine/Erklaerung.h"
#include "engine/Rechenweg.h"
#include "engine/Urteilstexte.h"
#include "windowkit/Version.h"

namespace {

using W = Rechenweg;
using Art = Rechenwegzeile::Art;

const QString M3h = QStringLiteral(" m³/h");
const QString KeineRegel = QString::fromUtf8(Erklaerung::KeineRegel);
const QString AusFruehererBerechnung = QString::fromUtf8(Erklaerung::AusFruehererBerechnung);

QString Zitat(const std::string &text)
{
    return QString::fromStdString(Erklaerung::Zitat(text));
}

QString Text(const std::string &text)
{
    return QString::fromStdString(text).trimmed();
}

// Up to four decimals, without trailing zeros: 0,3; 143,6; 96,9046.
QString Zahl(double wert)
{
    return QString::fromStdString(Erklaerung::Zahl(wert));
}

// The value a coefficient keeps when this run's rule did not match.
QString Beibehalten(const QString &wert, bool nieBestimmt)
{
    return QStringLiteral(": nicht neu bestimmt, weiter gilt ") + wert
        + (nieBestimmt ? QStringLiteral(" (in noch keiner Berechnung bestimmt)") : AusFruehererBerechnung);
}

// A radio group's choice by its index; none reads "keine Antwort".
template<std::size_t N>
QString Auswahl(const std::array<const char *, N> &texte, int index)
{
    return QString::fromUtf8(index >= 0 && index < int(N) ? texte[std::size_t(index)] : Antworttexte::KeineAntwort);
}

QString Anforderung(int index)
{
    return Auswahl(Antworttexte::Anforderungen, index);
}

QString JaNein(int index)
{
    return Auswahl(Antworttexte::JaNein, index);
}

class Zeilen {
public:
    void gruppe(const QString &titel) { z.push_back({Art::Gruppe, titel, {}}); }
    void eintrag(const QString &was, const QString &wert) { z.push_back({Art::Eintrag, was, wert}); }
    void hinweis(const QString &text) { z.push_back({Art::Hinweis, text, {}}); }
    void urteil(const QString &was, const char *text)
    {
        if (*text)
            eintrag(was, QString::fromUtf8(text));
    }

    std::vector<Rechenwegzeile> z;
};

// A decimal field: its text, the number, and what a negative number becomes.
QString Gelesen(const W::Zahlfeld &feld, const QString &name, const QString &einheit)
{
    QString wert = name + QStringLiteral(" = ") + Zahl(feld.gelesen) + einheit;
    if (!(feld.gelesen >= 0.0))
        wert += QStringLiteral("; negativ, gerechnet wird mit ") + name + QStringLiteral(" = 0") + einheit;
    if (Text(feld.text).isEmpty())
        wert = QStringLiteral("leer, also ") + wert;
    return wert;
}

void Eingaben(Zeilen &z, const W &w)
{
    z.gruppe(QStringLiteral("Eingaben, wie gelesen"));
    z.eintrag(QStringLiteral("Gebäudetyp"), Zitat(w.gebaeudetyp));
    z.eintrag(QStringLiteral("Gebäudelage"), Zitat(w.lage));
    z.eintrag(QStringLiteral("Neubau ?"), Zitat(w.neubau));
    if (w.waermeschutz != W::Waermeschutz::Neubau)
        z.eintrag(QStringLiteral("Baujahr ") + Zitat(w.baujahrText),
                  QString::number(w.baujahr)
                      + (Text(w.baujahrText).isEmpty() ? QStringLiteral(" (leer zählt als 0)") : QString()));
    if (w.waermeschutz != W::Waermeschutz::Neubau && w.waermeschutz != W::Waermeschutz::AbBaujahr1995)
        z.eintrag(QStringLiteral("Sanierung mind. nach WSVO 1995 ?"), Zitat(w.sanierung));
    z.eintrag(QStringLiteral("Fläche Nutzungseinheit ") + Zitat(w.flaeche.text),
              Gelesen(w.flaeche, QStringLiteral("A_NE"), QStringLiteral(" m²")));

    const QString messwert = QStringLiteral("Messwert Luftdichtheit vorhanden ? ") + Zitat(w.messwert);
    if (w.luftdichtheit == W::Luftdichtheit::Messwert) {
        z.eintrag(messwert,
                  w.messwert == Antworttexte::Ja ? QStringLiteral("Messwert: n50 und n werden aus den Feldern gelesen")
                                                 : QStringLiteral("nicht »nein«, also Messwert: n50 und n werden aus "
                                                                  "den Feldern gelesen"));
        z.eintrag(QStringLiteral("n50 ") + Zitat(w.n50.text),
                  Gelesen(w.n50, QStringLiteral("n50"), QStringLiteral(" 1/h")));
        z.eintrag(QStringLiteral("Druckexponent n ") + Zitat(w.exponent.text),
                  Gelesen(w.exponent, QStringLiteral("n"), QString()));
        return;
    }
    z.eintrag(messwert, QStringLiteral("kein Messwert: Vorgabewerte"));
    const QString kategorie = QStringLiteral("Vorgabewert Auslegungsluftwechsel ") + Zitat(w.kategorie);
    const QString n50 = QStringLiteral("n50 = ") + Zahl(w.nachher.n50) + QStringLiteral(" 1/h");
    if (w.luftdichtheit == W::Luftdichtheit::Vorgabe)
        z.eintrag(kategorie, n50 + QStringLiteral(", eingetragen als ") + Zitat(w.n50Eingetragen));
    else
        z.eintrag(kategorie,
                  QStringLiteral("die Kategorie") + KeineRegel + Beibehalten(n50, false)
                      + QStringLiteral(", eingetragen als ") + Zitat(w.n50Eingetragen));
    z.eintrag(QStringLiteral("Druckexponent n"),
              QStringLiteral("ohne Messwert n = 2/3 = ")
                  + QString::fromStdString(ZahlZuText(w.nachher.Druckexponent, 15))
                  + QStringLiteral("; eingetragen als ") + Zitat(w.exponentEingetragen)
                  + QStringLiteral(", gerechnet wird mit 2/3, nicht mit 0,667"));
}

void Beiwerte(Zeilen &z, const W &w)
{
    z.gruppe(QStringLiteral("Beiwerte"));
    const QString qualitaet = QStringLiteral("„") + Text(w.qualitaet) + QStringLiteral("“");
    const QString fWS = QStringLiteral("f_WS = ") + Zahl(w.nachher.fWS);
    const QString baujahr = QStringLiteral("Baujahr ") + QString::number(w.baujahr);
    QString regel;
    switch (w.waermeschutz) {
    case W::Waermeschutz::Neubau: regel = QStringLiteral("Neubau"); break;
    case W::Waermeschutz::AbBaujahr1995: regel = baujahr + QStringLiteral(", nach 1994 gebaut"); break;
    case W::Waermeschutz::Saniert: regel = baujahr + QStringLiteral(" bis 1994, saniert mind. nach WSVO 1995"); break;
    case W::Waermeschutz::Unsaniert: regel = baujahr + QStringLiteral(" bis 1994, nicht saniert nach WSVO 1995"); break;
    case W::Waermeschutz::KeineRegel:
        regel = baujahr + QStringLiteral(" bis 1994, Sanierung ") + Zitat(w.sanierung) + KeineRegel;
        break;
    }
    if (w.fwsGesetzt)
        z.eintrag(QStringLiteral("Wärmeschutz"),
                  regel + QStringLiteral(" → Qualität ") + qualitaet + QStringLiteral(", ") + fWS);
    else
        z.eintrag(QStringLiteral("Wärmeschutz"),
                  regel + QStringLiteral(": Qualität und f_WS nicht neu bestimmt, weiter gilt ") + qualitaet
                      + QStringLiteral(", ") + fWS
                      + (w.nachher.fWS == 0.0 ? QStringLiteral(" (in noch keiner Berechnung bestimmt)")
                                              : AusFruehererBerechnung));

    const QString faktor = Zahl(w.nachher.Infiltrationsfaktor);
    if (w.infiltrationGesetzt)
        z.eintrag(QStringLiteral("Infiltrationsfaktor"),
                  QStringLiteral("Gebäudetyp ") + Zitat(w.gebaeudetyp) + QStringLiteral(" → ") + faktor);
    else
        z.eintrag(QStringLiteral("Infiltrationsfaktor"),
                  QStringLiteral("Gebäudetyp ") + Zitat(w.gebaeudetyp) + KeineRegel
                      + Beibehalten(faktor, w.nachher.Infiltrationsfaktor == 0.0));

    const QString druck = QString::number(w.nachher.Druckdifferenz);
    if (w.druckGesetzt) {
        z.eintrag(QStringLiteral("Druckdifferenz"),
                  Zitat(w.lage) + QStringLiteral(" und ") + Zitat(w.gebaeudetyp) + QStringLiteral(" → ") + druck);
    } else {
        const QString ursache = !w.lageBekannt ? QStringLiteral("Gebäudelage ") + Zitat(w.lage)
                                               : QStringLiteral("Gebäudetyp ") + Zitat(w.gebaeudetyp);
        z.eintrag(QStringLiteral("Druckdifferenz"),
                  ursache + KeineRegel + Beibehalten(druck, w.nachher.Druckdifferenz == 0));
    }
}

void Formeln(Zeilen &z, const W &w)
{
    const QString A = Zahl(w.nachher.A_NE);
    z.gruppe(QStringLiteral("Formeln, Volumenströme in m³/h"));
    z.eintrag(QStringLiteral("Grundsumme"), QStringLiteral("1,15 × max(A_NE; 30) − 0,001 × max(A_NE²; 900) + 20"));
    z.eintrag(QString(),
              QStringLiteral("= 1,15 × max(") + A + QStringLiteral("; 30) − 0,001 × max(") + Zahl(w.flaecheQuadrat)
                  + QStringLiteral("; 900) + 20 = ") + Zahl(w.linear) + QStringLiteral(" − ") + Zahl(-w.quadratisch)
                  + QStringLiteral(" + 20 = ") + Zahl(w.grundsumme));
    const QString grund = Zahl(w.grundsumme);
    z.eintrag(QStringLiteral("q_v,FS Feuchteschutz"),
              QStringLiteral("f_WS × Grundsumme = ") + Zahl(w.nachher.fWS) + QStringLiteral(" × ") + grund
                  + QStringLiteral(" = ") + Zahl(w.qFS) + M3h);
    z.eintrag(QStringLiteral("q_v,RL reduzierte Lüftung"),
              QStringLiteral("0,7 × Grundsumme = 0,7 × ") + grund + QStringLiteral(" = ") + Zahl(w.qRL) + M3h);
    z.eintrag(QStringLiteral("q_v,NL Nennlüftung"), QStringLiteral("Grundsumme = ") + Zahl(w.qNL) + M3h);
    z.eintrag(QStringLiteral("q_v,ML Mindestluftwechsel"),
              QStringLiteral("0,5 × A_NE × 2,5 = 0,5 × ") + A + QStringLiteral(" × 2,5 = ") + Zahl(w.qML) + M3h
                  + QStringLiteral(" (nach DIN 4108-2, nicht angezeigt)"));
    const QString n =
        w.luftdichtheit == W::Luftdichtheit::Messwert ? Zahl(w.nachher.Druckexponent) : QStringLiteral("(2/3)");
    z.eintrag(QStringLiteral("Druckterm"),
              QStringLiteral("(Druckdifferenz / 50)^n = (") + QString::number(w.nachher.Druckdifferenz)
                  + QStringLiteral(" / 50)^") + n + QStringLiteral(" = ") + Zahl(w.druckterm)
                  + (w.nachher.Druckexponent == 0.0 ? QStringLiteral(" (Exponent 0 gibt 1)") : QString()));
    z.eintrag(QStringLiteral("q_v,Inf Infiltration"),
              QStringLiteral("Infiltrationsfaktor × A_NE × 2,5 × n50 × (Druckdifferenz / 50)^n"));
    z.eintrag(QString(),
              QStringLiteral("= ") + Zahl(w.nachher.Infiltrationsfaktor) + QStringLiteral(" × ") + A
                  + QStringLiteral(" × 2,5 × ") + Zahl(w.nachher.n50) + QStringLiteral(" × ") + Zahl(w.druckterm)
                  + QStringLiteral(" = ") + Zahl(w.qInf) + M3h);
}

QString Vergleich(const QString &links, double a, const char *zeichen, const QString &rechts, double b)
{
    const auto [x, y] = Unterscheidbar(a, b);
    return links + u' ' + x + u' ' + QString::fromUtf8(zeichen) + u' ' + rechts + u' ' + y;
}

// The rounded results of the run; what the page shows are they, unless the
// page holds stored results (seitenwert names them then).
void Urteil(Zeilen &z, const W &w, const QString &seitenwert = QStringLiteral("Angezeigt (gerundet)"))
{
    z.eintrag(seitenwert,
              QStringLiteral("q_v,FS ") + QString::fromStdString(ZahlZuText(w.qFS, 1)) + QStringLiteral(" · q_v,Inf ")
                  + QString::fromStdString(ZahlZuText(w.qInf, 1)) + QStringLiteral(" · q_v,RL ")
                  + QString::fromStdString(ZahlZuText(w.qRL, 1)) + QStringLiteral(" · q_v,NL ")
                  + QString::fromStdString(ZahlZuText(w.qNL, 1)) + M3h
                  + QStringLiteral("; verglichen wird ungerundet"));
    if (!w.bewertet) {
        z.eintrag(QStringLiteral("Infiltration"),
                  QStringLiteral("q_v,Inf = ") + Zahl(w.qInf)
                      + QStringLiteral(", nicht größer als 0: kein Urteil (Fläche, n50, "
                                       "Infiltrationsfaktor oder Druckdifferenz ist 0)"));
        return;
    }
    if (w.massnahmeNoetig)
        z.eintrag(QStringLiteral("Feuchteschutz"),
                  Vergleich(QStringLiteral("q_v,Inf"), w.qInf, "<", QStringLiteral("q_v,FS"), w.qFS)
                      + QStringLiteral(" → Maßnahme erforderlich"));
    else
        z.eintrag(QStringLiteral("Feuchteschutz"),
                  Vergleich(QStringLiteral("q_v,Inf"), w.qInf, "≥", QStringLiteral("q_v,FS"), w.qFS)
                      + QStringLiteral(" → keine zusätzliche Maßnahme"));
    z.eintrag(
        QStringLiteral("Nennlüftung"),
        Vergleich(QStringLiteral("q_v,NL"), w.qNL, w.nennlueftung ? ">" : "≤", QStringLiteral("q_v,Inf"), w.qInf)
            + (w.nennlueftung ? QStringLiteral(" → Hinweis auf die Nennlüftung") : QStringLiteral(" → kein Hinweis")));
    z.eintrag(
        QStringLiteral("Reduzierte Lüftung"),
        Vergleich(QStringLiteral("q_v,RL"), w.qRL, w.reduzierteLueftung ? ">" : "≤", QStringLiteral("q_v,Inf"), w.qInf)
            + (w.reduzierteLueftung ? QStringLiteral(" → Hinweis auf Nenn- und reduzierte Lüftung")
                                    : QStringLiteral(" → kein Hinweis")));
    if (w.anforderungen > 0)
        z.eintrag(QStringLiteral("Schall, Hygiene, Effizienz"),
                  Anforderung(w.anforderungen)
                      + QStringLiteral(" → ventilatorgestützte Lüftung erforderlich, "
                                       "gleich wie die Volumenströme ausfallen"));
    else
        z.eintrag(QStringLiteral("Schall, Hygiene, Effizienz"),
                  Anforderung(w.anforderungen) + QStringLiteral(" → keine erhöhten Anforderungen"));
    z.urteil(QStringLiteral("Urteil"), w.urteil);
    z.urteil(QStringLiteral("Kommentar"), w.kommentar1);
    z.urteil(QStringLiteral("Kommentar"), w.kommentar2);
}

void Berechnung(Zeilen &z, const W &w)
{
    Eingaben(z, w);
    Beiwerte(z, w);
    Formeln(z, w);
}

void Fragen(Zeilen &z, const W &w)
{
    z.eintrag(QStringLiteral("Gibt es fensterlose Räume ?"), JaNein(w.fensterlos));
    z.eintrag(QStringLiteral("Weitere Anforderungen an Nutzungseinheit ?"), JaNein(w.weitere));
}

void Verfahren(Zeilen &z)
{
    z.gruppe(QStringLiteral("Verfahren"));
    z.eintrag(QStringLiteral("Norm"),
              QStringLiteral("DIN 1946-6 (Ausgabe Mai 2009), Kapitel 4.2: Notwendigkeit "
                             "lüftungstechnischer Maßnahmen"));
    z.eintrag(QStringLiteral("Programm"), QStringLiteral("Luvanto Lüftungskonzept, ") + Versionstext);
}

}  // namespace

std::pair<QString, QString> Unterscheidbar(double a, double b)
{
    int stellen = 4;
    while (stellen < 17 && ZahlZuText(a, stellen) == ZahlZuText(b, stellen))
        ++stellen;
    if (stellen == 17)
        stellen = 4;
    return {QString::fromStdString(ZahlZuText(a, stellen)).trimmed(),
            QString::fromStdString(ZahlZuText(b, stellen)).trimmed()};
}

std::vector<Rechenwegzeile> RechenwegZeilen(const Rechenweg &w, const std::vector<Pruefhinweis> &hinweise)
{
    Zeilen z;
    const bool gerechnet = w.laeufe > 0;
    switch (w.urteilsgeber) {
    case W::Urteilsgeber::Keiner:
        z.gruppe(QStringLiteral("Ergebnis und Begründung"));
        z.hinweis(QStringLiteral("Noch keine Berechnung: beantworten Sie die Fragen der Arbeitsseite."));
        break;
    case W::Urteilsgeber::Zurueckgesetzt:
        z.gruppe(QStringLiteral("Ergebnis und Begründung"));
        z.hinweis(QStringLiteral("Neues Projekt: noch nichts berechnet. Die Berechnung erscheint, "
                                 "sobald die Fragen beantwortet und Eingaben gemacht sind."));
        break;
    case W::Urteilsgeber::WartetAufBerechnung:
        z.gruppe(QStringLiteral("Ergebnis und Begründung"));
        Fragen(z, w);
        z.hinweis(QStringLiteral("Noch kein Urteil: es erscheint mit der nächsten Änderung einer "
                                 "Eingabe, die neu berechnet."));
        break;
    case W::Urteilsgeber::FensterloseRaeume:
        z.gruppe(QStringLiteral("Ergebnis und Begründung"));
        Fragen(z, w);
        z.hinweis(QStringLiteral("Urteil ohne Berechnung: ")
                  + (w.fensterlos == 0 ? QStringLiteral("Die Nutzungseinheit hat fensterlose Räume. ") : QString())
                  + QStringLiteral("Bäder und Toilettenräume ohne Außenfenster werden nach "
                                   "DIN 18017-3 mit Ventilatoren gelüftet; diese dauernd wirksame "
                                   "Abluft genügt als lüftungstechnische Maßnahme, wenn die Lüftung "
                                   "zum Feuchteschutz bei Durchströmung aller Räume erreicht wird. "
                                   "Die Volumenströme nach DIN 1946-6 werden für dieses Urteil nicht "
                                   "herangezogen."));
        z.eintrag(QStringLiteral("Urteil"),
                  QString::fromUtf8(Urteilstexte::AusreichendZeile1) + u' '
                      + QString::fromUtf8(Urteilstexte::AusreichendZeile2));
        break;
    case W::Urteilsgeber::ErhoehteAnforderungen:
        if (gerechnet && w.mitBerechnung)
            Berechnung(z, w);
        z.gruppe(QStringLiteral("Ergebnis und Begründung"));
        if (gerechnet && w.mitBerechnung)
            Urteil(z, w);
        z.hinweis(QStringLiteral("Urteil der Frage »Anforderungen an Schall, Hygiene, Effizienz ?«: ")
                  + Anforderung(w.anforderungen)
                  + QStringLiteral(". Bei erhöhten Anforderungen ist eine ventilatorgestützte Lüftung "
                                   "erforderlich, gleich wie die Volumenströme ausfallen."));
        z.eintrag(QStringLiteral("Urteil"), QString::fromUtf8(Urteilstexte::ErhoehteAnforderungen));
        z.eintrag(QStringLiteral("Kommentar"), QString::fromUtf8(Urteilstexte::ErhoehteAnforderungenKommentar));
        break;
    case W::Urteilsgeber::Projektdatei:
    case W::Urteilsgeber::Wiederhergestellt: {
        const bool datei = w.urteilsgeber == W::Urteilsgeber::Projektdatei;
        z.gruppe(QStringLiteral("Herkunft"));
        z.hinweis(
            datei
                ? QStringLiteral("Ergebnisse und Urteil auf der Arbeitsseite stammen aus der geöffneten Projektdatei: "
                                 "gespeichert, nicht neu berechnet; angezeigt und gedruckt werden die gespeicherten "
                                 "Werte. Unten steht die Berechnung, die beim Öffnen mit den Eingaben der Datei lief; "
                                 "weicht sie ab, nennen die Hinweise beide Werte. Jede Änderung einer Eingabe rechnet "
                                 "neu.")
                : QStringLiteral("Ergebnisse und Urteil auf der Arbeitsseite sind die der wiederhergestellten, nicht "
                                 "gespeicherten Eingaben: übernommen, nicht neu berechnet; angezeigt und gedruckt "
                                 "werden die übernommenen Werte. Unten steht die Berechnung, die beim Wiederherstellen "
                                 "mit diesen Eingaben lief; jede Änderung einer Eingabe rechnet neu."));
        if (gerechnet && w.mitBerechnung) {
            Berechnung(z, w);
            z.gruppe(datei ? QStringLiteral("Ergebnis und Begründung der Berechnung beim Öffnen")
                           : QStringLiteral("Ergebnis und Begründung der Berechnung beim Wiederherstellen"));
            Urteil(z, w,
                   datei ? QStringLiteral("Berechnet beim Öffnen (gerundet)")
                         : QStringLiteral("Berechnet beim Wiederherstellen (gerundet)"));
        }
        break;
    }
    case W::Urteilsgeber::Berechnung:
        Berechnung(z, w);
        z.gruppe(QStringLiteral("Ergebnis und Begründung"));
        Urteil(z, w);
        break;
    }
    if (!hinweise.empty()) {
        z.gruppe(QStringLiteral("Hinweise"));
        for (const Pruefhinweis &h : hinweise)
            z.hinweis(QString::fromStdString(h.text));
    }
    Verfahren(z);
    return z.z;
}
