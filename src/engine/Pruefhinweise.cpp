#include "engine/Pruefhinweise.h"

#include "engine/Antworttexte.h"
#include "engine/Dezimaltext.h"
#include "engine/Erklaerung.h"
#include "engine/Speicherblatt.h"

#include <algorithm>
#include <cmath>

namespace {

using S = Steuerelement;
using W = Rechenweg;
using namespace Antworttexte;
using Erklaerung::Zahl;
using Erklaerung::Zitat;

// Where the base sum of the method stops rising, and where it turns
// negative: the vertex and the positive root of -0,001·A² + 1,15·A + 20.
constexpr double GroessteFlaeche = 575.0;
constexpr double Nullstelle = 1167.14;
constexpr double Knapp = 2.0;  // per cent between infiltration and moisture protection

bool Leer(const std::string &text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

// The kept value's origin: an earlier run, or none ever, so still 0.
std::string Herkunft(bool nieBestimmt)
{
    return nieBestimmt ? " (noch 0: in keiner Berechnung bestimmt)" : Erklaerung::AusFruehererBerechnung;
}

// The choice meant by a typed text that differs from it only in case or
// surrounding blanks ("Windstark", "ja "), or empty.
template<std::size_t N>
std::string Gemeint(const std::string &text, const std::array<const char *, N> &auswahl)
{
    const auto klein = [](std::string t) {
        t.erase(0, t.find_first_not_of(' '));
        t.erase(t.find_last_not_of(' ') + 1);
        for (char &c : t)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        return t;
    };
    for (const char *a : auswahl)
        if (klein(text) == klein(a))
            return std::string(" Gemeint ist wohl „") + a + "“.";
    return {};
}

std::string KeineRegel(const std::string &feld, const std::string &text)
{
    return feld + " " + Zitat(text) + Erklaerung::KeineRegel;
}

// The verdict of a second run with one input changed, on a copy of the page.
std::string UrteilMit(const Rechenweg &weg, const Arbeitsblatt &blatt, S feld, const std::string &text)
{
    Rechenzustand zustand = weg.vorher;
    zustand.weg = nullptr;
    Speicherblatt kopie(zustand, Speicherblatt::StandVon(blatt));
    kopie.setzeText(feld, text);
    const std::string infiltration = " (q_v,Inf " + kopie.text(S::Label28) + " m³/h)";
    if (!kopie.sichtbar(S::Label31) || Leer(kopie.text(S::Label31)))
        return "Mit " + text + " gäbe es kein Urteil" + infiltration + ".";
    return "Mit " + text + " lautete das Urteil: „" + kopie.text(S::Label31) + "“" + infiltration + ".";
}

// The two values with as many decimals as it takes to tell them apart.
std::pair<std::string, std::string> Unterscheidbar(double a, double b)
{
    int stellen = 1;
    while (stellen < 12 && ZahlZuText(a, stellen) == ZahlZuText(b, stellen))
        ++stellen;
    return {Zahl(a, stellen), Zahl(b, stellen)};
}

class Liste {
public:
    void add(std::string text, std::initializer_list<S> felder) { h.push_back({std::move(text), felder}); }
    std::vector<Pruefhinweis> h;
};

void Texte(Liste &l, const W &w)
{
    const Rechenzustand &z = w.nachher;
    if (!w.infiltrationGesetzt)
        l.add(KeineRegel("Gebäudetyp", w.gebaeudetyp) + ": weiter gelten Infiltrationsfaktor "
                  + Zahl(z.Infiltrationsfaktor) + Herkunft(z.Infiltrationsfaktor == 0.0) + " und Druckdifferenz "
                  + std::to_string(z.Druckdifferenz) + Herkunft(z.Druckdifferenz == 0) + "."
                  + Gemeint(w.gebaeudetyp, Gebaeudetypen),
              {S::ComboBox1});
    if (!w.lageBekannt)
        l.add(KeineRegel("Gebäudelage", w.lage) + ": weiter gilt Druckdifferenz " + std::to_string(z.Druckdifferenz)
                  + Herkunft(z.Druckdifferenz == 0) + "." + Gemeint(w.lage, Gebaeudelagen),
              {S::ComboBox2});
    if (w.neubau != Ja && w.neubau != Nein)
        l.add("Neubau ? " + Zitat(w.neubau)
                  + " ist weder „ja“ noch „nein“: gerechnet wird wie für ein bestehendes Gebäude, nach Baujahr."
                  + Gemeint(w.neubau, JaNein),
              {S::ComboBox7});
    if (w.waermeschutz == W::Waermeschutz::KeineRegel && !w.fwsGesetzt)
        l.add(KeineRegel("Sanierung mind. nach WSVO 1995 ?", w.sanierung) + ": weiter gelten Wärmeschutz „"
                  + w.qualitaet + "“ und f_WS " + Zahl(z.fWS) + Herkunft(z.fWS == 0.0) + "."
                  + Gemeint(w.sanierung, JaNein),
              {S::ComboBox8});
    if (w.messwert != Ja && w.messwert != Nein)
        l.add("Messwert Luftdichtheit vorhanden ? " + Zitat(w.messwert)
                  + " ist weder „ja“ noch „nein“: gerechnet wird mit n50 und Druckexponent n aus den Feldern, "
                    "die Seite zeigt aber den Vorgabewert Auslegungsluftwechsel."
                  + Gemeint(w.messwert, JaNein),
              {S::ComboBox5});
    if (w.luftdichtheit == W::Luftdichtheit::KeineKategorie)
        l.add(KeineRegel("Vorgabewert Auslegungsluftwechsel", w.kategorie) + ": weiter gilt n50 = " + Zahl(z.n50)
                  + " 1/h" + Herkunft(z.n50 == 0.0) + ".",
              {S::ComboBox6});
}

void Luftdichtheit(Liste &l, const W &w, const Arbeitsblatt &blatt)
{
    if (w.luftdichtheit != W::Luftdichtheit::Messwert)
        return;
    const Rechenzustand &z = w.nachher;
    if (z.n50 > 10.0)
        l.add("n50 = " + Zahl(z.n50)
                  + " 1/h ist ungewöhnlich hoch (über 10 1/h). Bitte die Einheit prüfen: "
                    "gefragt ist der Luftwechsel bei 50 Pa in 1/h, nicht q50 in m³/(h·m²) und nicht der "
                    "Volumenstrom in m³/h.",
              {S::Edit8});
    const double n = w.exponent.gelesen;
    if (z.Druckexponent == 0.0) {
        const std::string wie = Leer(w.exponent.text) ? "ist leer" : n < 0.0 ? "ist negativ" : "ist 0";
        l.add("Druckexponent n " + wie + ": gerechnet wird mit n = 0 (Druckterm 1). Üblich ist n = 0,667. "
                  + UrteilMit(w, blatt, S::Edit10, "0,667"),
              {S::Edit10});
    } else if (z.Druckexponent < 0.5 || z.Druckexponent > 1.0) {
        l.add("Druckexponent n = " + Zahl(z.Druckexponent)
                  + " liegt außerhalb von 0,5 bis 1, dem Bereich eines Strömungsexponenten. Üblich ist n = 0,667. "
                  + UrteilMit(w, blatt, S::Edit10, "0,667"),
              {S::Edit10});
    }
}

void Flaeche(Liste &l, const W &w)
{
    const double A = w.nachher.A_NE;
    if (A <= GroessteFlaeche)
        return;
    std::string text = "Fläche Nutzungseinheit " + Zahl(A)
        + " m²: über 575 m² steigt die Grundsumme des "
          "Verfahrens nicht mehr, über etwa 1167 m² wird sie negativ";
    if (A > Nullstelle)
        text += " (hier q_v,NL " + Zahl(w.qNL, 1) + " m³/h)";
    l.add(text + ". Ist die Fläche einer Nutzungseinheit gemeint, nicht die des ganzen Gebäudes?", {S::Edit6});
}

void Baujahr(Liste &l, const W &w, int jahr)
{
    if (w.waermeschutz == W::Waermeschutz::Neubau)
        return;
    if (Leer(w.baujahrText))
        l.add("Baujahr ist leer: es zählt als 0, also als gebaut vor 1995; den Wärmeschutz entscheidet die "
              "Frage „Sanierung mind. nach WSVO 1995 ?“.",
              {S::Edit11});
    else if (w.baujahr < 1800)
        l.add("Baujahr " + std::to_string(w.baujahr)
                  + " liegt vor 1800: bitte das Baujahr vierstellig eintragen. Gerechnet wird damit wie für ein "
                    "Gebäude vor 1995.",
              {S::Edit11});
    else if (w.baujahr > jahr)
        l.add("Baujahr " + std::to_string(w.baujahr) + " liegt nach " + std::to_string(jahr)
                  + ", in der Zukunft: bitte prüfen, oder „Neubau ?“ mit „ja“ beantworten.",
              {S::Edit11});
}

void Urteil(Liste &l, const W &w)
{
    const Rechenzustand &z = w.nachher;
    if (!w.bewertet) {
        std::vector<std::string> gruende;
        std::vector<S> felder;
        if (z.A_NE == 0.0) {
            gruende.push_back(Leer(w.flaeche.text) ? "die Fläche Nutzungseinheit leer ist"
                                                   : "die Fläche Nutzungseinheit 0 ist");
            felder.push_back(S::Edit6);
        }
        if (z.n50 == 0.0) {
            if (w.luftdichtheit == W::Luftdichtheit::Messwert) {
                gruende.push_back(Leer(w.n50.text) ? "n50 leer ist (n50 aus dem Messprotokoll, in 1/h)" : "n50 0 ist");
                felder.push_back(S::Edit8);
            } else {
                gruende.push_back("n50 0 ist: der Vorgabewert Auslegungsluftwechsel passte noch zu keiner Kategorie");
                felder.push_back(S::ComboBox6);
            }
        }
        if (z.Infiltrationsfaktor == 0.0) {
            gruende.push_back("der Gebäudetyp noch zu keiner Regel passte (Infiltrationsfaktor 0)");
            felder.push_back(S::ComboBox1);
        }
        if (z.Druckdifferenz == 0 && z.Druckexponent > 0.0) {
            gruende.push_back("Gebäudelage und Gebäudetyp noch zu keiner Regel passten (Druckdifferenz 0)");
            felder.push_back(S::ComboBox2);
        }
        std::string text = "Kein Urteil: die wirksame Lüftung durch Infiltration ist " + Zahl(w.qInf, 1) + " m³/h";
        for (std::size_t i = 0; i < gruende.size(); ++i)
            text += (i == 0 ? ", weil " : " und ") + gruende[i];
        Pruefhinweis h{text + ".", felder};
        l.h.push_back(h);
        return;
    }
    if (w.anforderungen > 0 || !(w.qFS > 0.0))
        return;
    const double abstand = std::fabs(w.qInf - w.qFS) / w.qFS * 100.0;
    if (abstand > Knapp)
        return;
    const auto [inf, fs] = Unterscheidbar(w.qInf, w.qFS);
    l.add("Knappes Ergebnis: wirksame Lüftung durch Infiltration " + inf
              + " m³/h und notwendige Lüftung zum "
                "Feuchteschutz "
              + fs + " m³/h liegen " + Zahl(abstand, 1) + " % auseinander (angezeigt " + Zahl(w.qInf, 1) + " und "
              + Zahl(w.qFS, 1) + "). Das Urteil folgt den ungerundeten Werten: "
              + (w.massnahmeNoetig ? "die Infiltration ist kleiner, eine Maßnahme ist erforderlich."
                                   : "die Infiltration ist nicht kleiner, keine zusätzliche Maßnahme."),
          {});
}

}  // namespace

std::vector<Pruefhinweis> Pruefhinweise(const Rechenweg &w, const Arbeitsblatt &blatt, int jahr)
{
    using G = W::Urteilsgeber;
    const bool gerechnet = w.urteilsgeber == G::Berechnung || w.urteilsgeber == G::ErhoehteAnforderungen
        || w.urteilsgeber == G::Projektdatei;
    if (w.laeufe == 0 || !gerechnet || !blatt.sichtbar(S::Panel2))
        return {};
    Liste l;
    Texte(l, w);
    Luftdichtheit(l, w, blatt);
    Flaeche(l, w);
    Baujahr(l, w, jahr);
    Urteil(l, w);
    return l.h;
}

std::string HinweiseZuFeld(const std::vector<Pruefhinweis> &hinweise, Steuerelement feld)
{
    std::string text;
    for (const Pruefhinweis &h : hinweise)
        if (std::find(h.felder.begin(), h.felder.end(), feld) != h.felder.end())
            text += (text.empty() ? "" : "\n") + h.text;
    return text;
}
