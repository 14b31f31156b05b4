#include "engine/Berechnen.h"

#include "engine/Dezimaltext.h"
#include "engine/Urteilstexte.h"

#include <algorithm>
#include <cmath>

namespace {

using S = Steuerelement;
using namespace Urteilstexte;

constexpr const char *EFH = "EFH als mehrgeschossige Nutzungseinheit";
constexpr const char *MFH = "MFH als eingeschossige Nutzungseinheit";

bool liest(const Rechenblatt &blatt, S element, const char *erwartet)
{
    return blatt.text(element) == erwartet;
}

void Waermeschutz(Rechenblatt &blatt, Rechenzustand &zustand)
{
    const bool baujahrZeigen = !liest(blatt, S::ComboBox7, "ja");
    for (S element : {S::Edit11, S::Label21, S::Label29, S::ComboBox8})
        blatt.setzeSichtbar(element, baujahrZeigen);
    if (!baujahrZeigen) {
        blatt.setzeText(S::Label26, "hoch");
        zustand.fWS = 0.3;
        return;
    }
    const int baujahr = TextZuGanzzahl(blatt.text(S::Edit11));
    if (baujahr > 1994) {
        blatt.setzeSichtbar(S::Label29, false);
        blatt.setzeSichtbar(S::ComboBox8, false);
        blatt.setzeText(S::Label26, "hoch");
        zustand.fWS = 0.3;
    } else {
        if (liest(blatt, S::ComboBox8, "ja"))
            blatt.setzeText(S::Label26, "hoch");
        if (liest(blatt, S::ComboBox8, "nein"))
            blatt.setzeText(S::Label26, "niedrig");
    }
}

void Druckdifferenz(const Rechenblatt &blatt, Rechenzustand &zustand)
{
    struct Regel {
        const char *lage;
        const char *typ;
        int wert;
    };
    static constexpr Regel regeln[] = {
        {"windschwach", EFH, 5},
        {"windstark", EFH, 7},
        {"windschwach", MFH, 2},
        {"windstark", MFH, 4},
    };
    const std::string lage = blatt.text(S::ComboBox2);
    const std::string typ = blatt.text(S::ComboBox1);
    for (const Regel &r : regeln)
        if (lage == r.lage && typ == r.typ)
            zustand.Druckdifferenz = r.wert;
}

void VorgabeLuftdichtheit(const Rechenblatt &blatt, Rechenzustand &zustand)
{
    struct Kategorie {
        const char *text;
        double n50;
    };
    static constexpr Kategorie kategorien[] = {
        {"mittlerer Gebäudebestand", 4.5},
        {"ventilatorgestützte Lüftung", 1.0},
        {"freie Lüftung Neubau", 1.5},
        {"freie Lüftung bei Modernisierung in MFH als eingeschossige NE", 1.5},
        {"freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE", 2.0},
    };
    const std::string kategorie = blatt.text(S::ComboBox6);
    for (const Kategorie &k : kategorien)
        if (liest(blatt, S::ComboBox5, "nein") && kategorie == k.text)
            zustand.n50 = k.n50;
}

void Messwerte(Rechenblatt &blatt, Rechenzustand &zustand)
{
    if (!liest(blatt, S::ComboBox5, "nein")) {
        zustand.n50 = TextZuZahl(blatt.text(S::Edit8));
        zustand.Druckexponent = TextZuZahl(blatt.text(S::Edit10));
    } else {
        blatt.setzeText(S::Edit8, ZahlZuText(zustand.n50, 1));
        zustand.Druckexponent = 2.0 / 3.0;
        blatt.setzeText(S::Edit10, ZahlZuText(zustand.Druckexponent, 3));
    }
    zustand.A_NE = TextZuZahl(blatt.text(S::Edit6));
    for (double *wert : {&zustand.n50, &zustand.Druckexponent, &zustand.A_NE})
        if (!(*wert >= 0.0))
            *wert = 0.0;
}

double Grundsumme(double A)
{
    const double quadratisch = std::max(A * A, 900.0) * -0.001;
    const double linear = std::max(A, 30.0) * 1.15;
    return linear + quadratisch + 20.0;
}

void ErgebnisZeigen(Rechenblatt &blatt, S label, double wert, bool zeigen = true)
{
    blatt.setzeText(label, ZahlZuText(wert, 1));
    if (zeigen)
        blatt.setzeSichtbar(label, true);
}

} // namespace

void Berechnen(Rechenblatt &blatt, Rechenzustand &zustand)
{
    blatt.setzeSichtbar(S::Label49, false);
    blatt.setzeSichtbar(S::Label31, false);

    Waermeschutz(blatt, zustand);
    blatt.setzeSichtbar(S::Label26, true);

    if (blatt.sichtbar(S::ComboBox8)) {
        if (liest(blatt, S::ComboBox8, "ja"))
            zustand.fWS = 0.3;
        if (liest(blatt, S::ComboBox8, "nein"))
            zustand.fWS = 0.4;
    }

    if (liest(blatt, S::ComboBox1, EFH))
        zustand.Infiltrationsfaktor = 0.5;
    if (liest(blatt, S::ComboBox1, MFH))
        zustand.Infiltrationsfaktor = 0.5;

    Druckdifferenz(blatt, zustand);
    VorgabeLuftdichtheit(blatt, zustand);
    Messwerte(blatt, zustand);

    const double A = zustand.A_NE;
    const double qFS = Grundsumme(A) * zustand.fWS;
    const double qRL = Grundsumme(A) * 0.7;
    const double qNL = Grundsumme(A);
    const double qML = 0.5 * A * 2.5;
    const double druckterm = std::pow(zustand.Druckdifferenz / 50.0, zustand.Druckexponent);
    const double qInf = druckterm * (zustand.Infiltrationsfaktor * A * 2.5 * zustand.n50);

    ErgebnisZeigen(blatt, S::Label27, qFS);
    ErgebnisZeigen(blatt, S::Label28, qInf);
    ErgebnisZeigen(blatt, S::Label38, qRL);
    ErgebnisZeigen(blatt, S::Label39, qNL);
    ErgebnisZeigen(blatt, S::Label40, qML, false);

    blatt.setzeText(S::Label49, "");
    blatt.setzeText(S::Label31, "");
    blatt.setzeText(S::Label63, "");

    if (qInf > 0.0) {
        if (qInf < qFS) {
            blatt.setzeText(S::Label31, MassnahmeErforderlich);
        } else {
            blatt.setzeText(S::Label31, KeineMassnahme);
            blatt.setzeText(S::Label63, FensterOeffnen);
        }
        if (qNL > qInf)
            blatt.setzeText(S::Label49, NennlueftungSichern);
        if (qRL > qInf)
            blatt.setzeText(S::Label49, NennUndReduziertSichern);
        if (blatt.radioGroup3Index() > 0) {
            blatt.setzeText(S::Label31, ErhoehteAnforderungen);
            blatt.setzeText(S::Label63, ErhoehteAnforderungenKommentar);
            blatt.setzeText(S::Label49, "");
        }
        for (S label : {S::Label31, S::Label49, S::Label63})
            blatt.setzeSichtbar(label, true);
    }

    for (S feld : {S::Edit6, S::Edit8, S::Edit10})
        blatt.setzeText(feld, KommaStattPunkt(blatt.text(feld)));
}
