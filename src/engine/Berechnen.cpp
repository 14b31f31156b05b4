#include "engine/Berechnen.h"

#include "engine/Antworttexte.h"
#include "engine/Dezimaltext.h"
#include "engine/Rechenweg.h"
#include "engine/Urteilstexte.h"

#include <algorithm>
#include <cmath>

namespace {

using S = Steuerelement;
using W = Rechenweg;
using namespace Urteilstexte;

using namespace Antworttexte;

// The record of the outermost run, or null: runs entered from inside a run
// and runs without a record write nothing.
class Aufzeichnung {
public:
    explicit Aufzeichnung(Rechenweg *weg)
        : weg(weg)
        , aussen(weg && weg->tiefe++ == 0)
    {
    }
    ~Aufzeichnung()
    {
        if (weg)
            --weg->tiefe;
    }
    Rechenweg *operator->() const { return weg; }
    explicit operator bool() const { return aussen; }

private:
    Rechenweg *weg;
    bool aussen;
};

void Waermeschutz(Rechenblatt &blatt, Rechenzustand &zustand, const Aufzeichnung &weg)
{
    const std::string neubau = blatt.text(S::ComboBox7);
    if (weg)
        weg->neubau = neubau;
    const bool baujahrZeigen = neubau != Ja;
    for (S element : {S::Edit11, S::Label21, S::Label29, S::ComboBox8})
        blatt.setzeSichtbar(element, baujahrZeigen);
    if (!baujahrZeigen) {
        blatt.setzeText(S::Label26, "hoch");
        zustand.fWS = 0.3;
        if (weg) {
            weg->waermeschutz = W::Waermeschutz::Neubau;
            weg->fwsGesetzt = true;
        }
        return;
    }
    const std::string baujahrText = blatt.text(S::Edit11);
    const int baujahr = TextZuGanzzahl(baujahrText);
    if (weg) {
        weg->baujahrText = baujahrText;
        weg->baujahr = baujahr;
    }
    if (baujahr > 1994) {
        blatt.setzeSichtbar(S::Label29, false);
        blatt.setzeSichtbar(S::ComboBox8, false);
        blatt.setzeText(S::Label26, "hoch");
        zustand.fWS = 0.3;
        if (weg) {
            weg->waermeschutz = W::Waermeschutz::AbBaujahr1995;
            weg->fwsGesetzt = true;
        }
    } else {
        const std::string sanierung = blatt.text(S::ComboBox8);
        if (weg) {
            weg->sanierung = sanierung;
            weg->waermeschutz = W::Waermeschutz::KeineRegel;
        }
        if (sanierung == Ja) {
            blatt.setzeText(S::Label26, "hoch");
            if (weg)
                weg->waermeschutz = W::Waermeschutz::Saniert;
        }
        if (sanierung == Nein) {
            blatt.setzeText(S::Label26, "niedrig");
            if (weg)
                weg->waermeschutz = W::Waermeschutz::Unsaniert;
        }
    }
}

void Druckdifferenz(const Rechenblatt &blatt, const std::string &typ, Rechenzustand &zustand, const Aufzeichnung &weg)
{
    struct Regel {
        const char *lage;
        const char *typ;
        int wert;
    };
    static constexpr Regel regeln[] = {
        {Windschwach, EFH, 5},
        {Windstark, EFH, 7},
        {Windschwach, MFH, 2},
        {Windstark, MFH, 4},
    };
    const std::string lage = blatt.text(S::ComboBox2);
    for (const Regel &r : regeln) {
        if (lage == r.lage && typ == r.typ) {
            zustand.Druckdifferenz = r.wert;
            if (weg)
                weg->druckGesetzt = true;
        }
        if (weg && lage == r.lage)
            weg->lageBekannt = true;
    }
    if (weg) {
        weg->lage = lage;
        weg->gebaeudetyp = typ;
    }
}

void VorgabeLuftdichtheit(const Rechenblatt &blatt, bool ohneMesswert, Rechenzustand &zustand, const Aufzeichnung &weg)
{
    struct Kategorie {
        const char *text;
        double n50;
    };
    static constexpr Kategorie kategorien[] = {
        {KategorieBestand, 4.5},           {KategorieVentilator, 1.0},        {KategorieNeubau, 1.5},
        {KategorieModernisierungMFH, 1.5}, {KategorieModernisierungEFH, 2.0},
    };
    const std::string kategorie = blatt.text(S::ComboBox6);
    for (const Kategorie &k : kategorien)
        if (ohneMesswert && kategorie == k.text) {
            zustand.n50 = k.n50;
            if (weg)
                weg->luftdichtheit = W::Luftdichtheit::Vorgabe;
        }
    if (weg)
        weg->kategorie = kategorie;
}

void Messwerte(Rechenblatt &blatt, bool ohneMesswert, Rechenzustand &zustand, const Aufzeichnung &weg)
{
    if (!ohneMesswert) {
        const std::string n50 = blatt.text(S::Edit8);
        const std::string exponent = blatt.text(S::Edit10);
        zustand.n50 = TextZuZahl(n50);
        zustand.Druckexponent = TextZuZahl(exponent);
        if (weg) {
            weg->luftdichtheit = W::Luftdichtheit::Messwert;
            weg->n50.text = n50;
            weg->n50.gelesen = zustand.n50;
            weg->exponent.text = exponent;
            weg->exponent.gelesen = zustand.Druckexponent;
        }
    } else {
        const std::string n50 = ZahlZuText(zustand.n50, 1);
        blatt.setzeText(S::Edit8, n50);
        zustand.Druckexponent = 2.0 / 3.0;
        const std::string exponent = ZahlZuText(zustand.Druckexponent, 3);
        blatt.setzeText(S::Edit10, exponent);
        if (weg) {
            weg->n50Eingetragen = n50;
            weg->exponentEingetragen = exponent;
        }
    }
    const std::string flaeche = blatt.text(S::Edit6);
    zustand.A_NE = TextZuZahl(flaeche);
    if (weg) {
        weg->flaeche.text = flaeche;
        weg->flaeche.gelesen = zustand.A_NE;
    }
    for (double *wert : {&zustand.n50, &zustand.Druckexponent, &zustand.A_NE})
        if (!(*wert >= 0.0))
            *wert = 0.0;
}

double Grundsumme(double A, Rechenweg *weg = nullptr)
{
    const double quadratisch = std::max(A * A, 900.0) * -0.001;
    const double linear = std::max(A, 30.0) * 1.15;
    const double summe = linear + quadratisch + 20.0;
    if (weg) {
        weg->flaecheQuadrat = A * A;
        weg->quadratisch = quadratisch;
        weg->linear = linear;
        weg->grundsumme = summe;
    }
    return summe;
}

void ErgebnisZeigen(Rechenblatt &blatt, S label, double wert, bool zeigen = true)
{
    blatt.setzeText(label, ZahlZuText(wert, 1));
    if (zeigen)
        blatt.setzeSichtbar(label, true);
}

}  // namespace

void Berechnen(Rechenblatt &blatt, Rechenzustand &zustand)
{
    const Aufzeichnung weg(zustand.weg);
    if (weg) {
        weg->vorher = zustand;
        weg->luftdichtheit = W::Luftdichtheit::KeineKategorie;
        weg->druckGesetzt = weg->lageBekannt = false;
        weg->fwsGesetzt = weg->infiltrationGesetzt = false;
        weg->urteil = weg->kommentar1 = weg->kommentar2 = "";
    }

    blatt.setzeSichtbar(S::Label49, false);
    blatt.setzeSichtbar(S::Label31, false);

    Waermeschutz(blatt, zustand, weg);
    blatt.setzeSichtbar(S::Label26, true);
    if (weg)
        weg->qualitaet = blatt.text(S::Label26);

    if (blatt.sichtbar(S::ComboBox8)) {
        const std::string sanierung = blatt.text(S::ComboBox8);
        if (sanierung == Ja)
            zustand.fWS = 0.3;
        if (sanierung == Nein)
            zustand.fWS = 0.4;
        if (weg)
            weg->fwsGesetzt = sanierung == Ja || sanierung == Nein;
    }

    const std::string typ = blatt.text(S::ComboBox1);
    for (const char *regel : {EFH, MFH})
        if (typ == regel) {
            zustand.Infiltrationsfaktor = 0.5;
            if (weg)
                weg->infiltrationGesetzt = true;
        }

    Druckdifferenz(blatt, typ, zustand, weg);
    const std::string messwert = blatt.text(S::ComboBox5);
    const bool ohneMesswert = messwert == Nein;
    if (weg)
        weg->messwert = messwert;
    VorgabeLuftdichtheit(blatt, ohneMesswert, zustand, weg);
    Messwerte(blatt, ohneMesswert, zustand, weg);

    const double A = zustand.A_NE;
    const double qFS = Grundsumme(A, weg ? zustand.weg : nullptr) * zustand.fWS;
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

    const char *urteil = "";
    const char *kommentar1 = "";
    const char *kommentar2 = "";
    const int anforderungen = blatt.radioGroup3Index();
    if (qInf > 0.0) {
        if (qInf < qFS) {
            urteil = MassnahmeErforderlich;
        } else {
            urteil = KeineMassnahme;
            kommentar2 = FensterOeffnen;
        }
        if (qNL > qInf)
            kommentar1 = NennlueftungSichern;
        if (qRL > qInf)
            kommentar1 = NennUndReduziertSichern;
        if (anforderungen > 0) {
            urteil = ErhoehteAnforderungen;
            kommentar2 = ErhoehteAnforderungenKommentar;
            kommentar1 = "";
        }
        blatt.setzeText(S::Label31, urteil);
        blatt.setzeText(S::Label63, kommentar2);
        blatt.setzeText(S::Label49, kommentar1);
        for (S label : {S::Label31, S::Label49, S::Label63})
            blatt.setzeSichtbar(label, true);
    }

    if (weg) {
        weg->nachher = zustand;
        weg->nachher.weg = weg->vorher.weg = nullptr;
        weg->qFS = qFS;
        weg->qRL = qRL;
        weg->qNL = qNL;
        weg->qML = qML;
        weg->druckterm = druckterm;
        weg->qInf = qInf;
        weg->bewertet = qInf > 0.0;
        weg->massnahmeNoetig = qInf < qFS;
        weg->nennlueftung = qNL > qInf;
        weg->reduzierteLueftung = qRL > qInf;
        weg->anforderungen = anforderungen;
        weg->urteil = urteil;
        weg->kommentar1 = kommentar1;
        weg->kommentar2 = kommentar2;
    }

    for (S feld : {S::Edit6, S::Edit8, S::Edit10})
        blatt.setzeText(feld, KommaStattPunkt(blatt.text(feld)));

    if (weg) {
        ++weg->laeufe;
        weg->urteilsgeber = W::Urteilsgeber::Berechnung;
    }
}
