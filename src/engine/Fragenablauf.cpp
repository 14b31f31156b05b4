#include "engine/Fragenablauf.h"

#include "engine/Antworttexte.h"
#include "engine/Dezimaltext.h"
#include "engine/Urteilstexte.h"

#include <string>
#include <utility>

namespace {

using S = Steuerelement;
using G = Rechenweg::Urteilsgeber;

using namespace Antworttexte;

}  // namespace

void Fragenablauf::Zeigen(std::initializer_list<Steuerelement> elemente, bool sichtbar)
{
    for (Steuerelement element : elemente)
        blatt.setzeSichtbar(element, sichtbar);
}

void Fragenablauf::Berechnungsfelder(bool zeigen)
{
    Zeigen({S::Panel2, S::Panel4, S::Panel3, S::Panel5}, zeigen);
}

void Fragenablauf::Urteil(const char *ergebnis, const char *kommentar1, const char *kommentar2)
{
    for (auto [zeile, text] : {std::pair{S::Label31, ergebnis}, {S::Label49, kommentar1}, {S::Label63, kommentar2}}) {
        blatt.setzeText(zeile, text);
        blatt.setzeSichtbar(zeile, true);
    }
}

void Fragenablauf::RadioGroup1Click()
{
    // "nein" (no windowless rooms) opens the calculation and waits for it;
    // "ja" decides at once, and the further questions close.
    const int antwort = blatt.radioIndex(S::RadioGroup1);
    if (antwort != 0 && antwort != 1)
        return;
    const bool rechnen = antwort == 1;
    blatt.setzeRadioIndex(S::RadioGroup2, 1);
    blatt.setzeRadioIndex(S::RadioGroup3, 0);
    Berechnungsfelder(rechnen);
    Zeigen({S::Label50, S::Label57, S::Label58}, !rechnen);
    blatt.setzeSichtbar(S::RadioGroup2, !rechnen);
    blatt.setzeSichtbar(S::Panel11, true);
    if (rechnen) {
        for (Steuerelement urteil : {S::Label31, S::Label49, S::Label63}) {
            blatt.setzeText(urteil, std::string());
            blatt.setzeSichtbar(urteil, false);
        }
        blatt.urteilVermerken(G::WartetAufBerechnung);
    } else {
        Urteil(Urteilstexte::AusreichendZeile1, Urteilstexte::AusreichendZeile2, "");
        blatt.urteilVermerken(G::FensterloseRaeume);
    }
}

void Fragenablauf::RadioGroup2Click()
{
    if (blatt.radioIndex(S::RadioGroup2) == 1) {
        blatt.setzeRadioIndex(S::RadioGroup3, 0);
        Berechnungsfelder(false);
        blatt.setzeSichtbar(S::Panel11, true);
        blatt.setzeText(S::Label31, Urteilstexte::AusreichendZeile1);
        blatt.setzeSichtbar(S::Label31, true);
        blatt.setzeText(S::Label49, Urteilstexte::AusreichendZeile2);
        blatt.setzeSichtbar(S::Label49, true);
        blatt.urteilVermerken(G::FensterloseRaeume);
    }
    if (blatt.radioIndex(S::RadioGroup2) == 0) {
        blatt.setzeRadioIndex(S::RadioGroup3, 0);
        Berechnungsfelder(true);
        blatt.setzeSichtbar(S::Panel11, true);
        for (Steuerelement urteil : {S::Label31, S::Label49}) {
            blatt.setzeText(urteil, std::string());
            blatt.setzeSichtbar(urteil, false);
        }
        blatt.urteilVermerken(G::WartetAufBerechnung);
    }
}

void Fragenablauf::RadioGroup3Click()
{
    blatt.berechne();
    if (blatt.radioIndex(S::RadioGroup3) > 0) {
        Urteil(Urteilstexte::ErhoehteAnforderungen, "", Urteilstexte::ErhoehteAnforderungenKommentar);
        blatt.urteilVermerken(G::ErhoehteAnforderungen);
    } else if (blatt.radioIndex(S::RadioGroup1) == 0) {
        Urteil(Urteilstexte::AusreichendZeile1, Urteilstexte::AusreichendZeile2, "");
        blatt.urteilVermerken(G::FensterloseRaeume);
    }
}

void Fragenablauf::Modernisierungskategorie()
{
    if (blatt.text(S::ComboBox1) == MFH)
        blatt.setzeText(S::ComboBox6, KategorieModernisierungMFH);
    if (blatt.text(S::ComboBox1) == EFH)
        blatt.setzeText(S::ComboBox6, KategorieModernisierungEFH);
}

void Fragenablauf::ComboBox7Change()
{
    blatt.setzeText(S::ComboBox6, KategorieBestand);
    if (blatt.text(S::ComboBox7) == Ja) {
        Zeigen({S::Edit11, S::Label21, S::Label29, S::ComboBox8}, false);
        blatt.setzeText(S::Label26, "hoch");
        zustand.fWS = 0.3;
        blatt.setzeText(S::ComboBox6, KategorieNeubau);
    } else {
        Zeigen({S::Edit11, S::Label21, S::Label29, S::ComboBox8}, true);
        const int baujahr = TextZuGanzzahl(blatt.text(S::Edit11));
        if (baujahr > 1994) {
            Zeigen({S::Label29, S::ComboBox8}, false);
            blatt.setzeText(S::Label26, "hoch");
            zustand.fWS = 0.3;
            Modernisierungskategorie();
        } else {
            if (blatt.text(S::ComboBox8) == Ja) {
                blatt.setzeText(S::Label26, "hoch");
                Modernisierungskategorie();
            }
            if (blatt.text(S::ComboBox8) == Nein) {
                blatt.setzeText(S::Label26, "niedrig");
                blatt.setzeText(S::ComboBox6, KategorieBestand);
            }
        }
    }
    blatt.setzeSichtbar(S::Label26, true);
    blatt.berechne();
}

void Fragenablauf::ComboBox5Change()
{
    if (blatt.text(S::ComboBox5) == Ja) {
        Zeigen({S::Label19, S::Label62, S::ComboBox6}, false);
        blatt.setzeGrau(false);
        blatt.berechne();
    } else {
        Zeigen({S::Label19, S::Label62, S::ComboBox6}, true);
        blatt.setzeGrau(true);
        Geaendert(S::ComboBox6);
    }
}

void Fragenablauf::Geaendert(Steuerelement element)
{
    switch (element) {
    case S::ComboBox1:
    case S::ComboBox7:
    case S::ComboBox8:
    case S::Edit11: ComboBox7Change(); return;
    case S::ComboBox5: ComboBox5Change(); return;
    case S::ComboBox2:
    case S::ComboBox6:
    case S::Edit5:
    case S::Edit6:
    case S::Edit8:
    case S::Edit10: blatt.berechne(); return;
    default: return;
    }
}

void Fragenablauf::FelderZuruecksetzen()
{
    for (Steuerelement feld : {S::Edit6, S::Edit5, S::Edit11, S::Edit8, S::Edit10})
        blatt.setzeText(feld, std::string());

    blatt.setzeText(S::ComboBox1, EFH);
    blatt.setzeText(S::ComboBox2, Windschwach);
    blatt.setzeText(S::ComboBox7, Ja);
    blatt.setzeText(S::ComboBox8, Ja);
    blatt.setzeText(S::ComboBox5, Ja);
    blatt.setzeText(S::ComboBox6, KategorieNeubau);

    // The page follows its new answers: a measured value ("ja") needs no
    // default selector and white, empty fields; a new building ("ja") no
    // year and no renovation question. The recalculations of the field
    // resets above may have written defaults of the previous answers.
    Zeigen({S::Label19, S::Label62, S::ComboBox6, S::Edit11, S::Label21, S::Label29, S::ComboBox8}, false);
    blatt.setzeGrau(false);
    blatt.setzeText(S::Edit8, std::string());
    blatt.setzeText(S::Edit10, std::string());

    blatt.setzeRadioIndex(S::RadioGroup1, -1);
    blatt.setzeRadioIndex(S::RadioGroup2, 1);
    blatt.setzeRadioIndex(S::RadioGroup3, 0);
}

void Fragenablauf::AnzeigeZuruecksetzen()
{
    Berechnungsfelder(false);
    Zeigen({S::Label50, S::Label57, S::Label58}, false);
    blatt.setzeSichtbar(S::Panel11, true);
    Zeigen({S::Label31, S::Label49, S::Label63}, false);
    blatt.urteilVermerken(G::Zurueckgesetzt);
}
