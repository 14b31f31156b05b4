#include "engine/Speicherblatt.h"

#include "engine/Antworttexte.h"
#include "engine/Berechnen.h"

#include <algorithm>
#include <chrono>

namespace {

using S = Steuerelement;

std::size_t Index(Steuerelement element)
{
    return std::size_t(element);
}

int Eintraege(Steuerelement gruppe)
{
    return gruppe == S::RadioGroup3 ? 4 : 2;
}

int Jahr()
{
    using namespace std::chrono;
    return int(year_month_day(floor<days>(system_clock::now())).year());
}

Speicherblatt::Stand Anfang()
{
    Speicherblatt::Stand stand;
    const auto setzen = [&](S element, const char *text, bool sichtbar) {
        stand.texte[Index(element)] = text;
        stand.sichtbar[Index(element)] = sichtbar;
    };
    for (S feld : {S::Edit1, S::Edit2, S::Edit3, S::Edit4, S::Edit7, S::Edit9, S::Edit6, S::Edit8})
        setzen(feld, "", true);
    setzen(S::datum, "2009-01-01", true);
    setzen(S::ComboBox1, Antworttexte::EFH, true);
    setzen(S::ComboBox2, Antworttexte::Windschwach, true);
    setzen(S::ComboBox5, Antworttexte::Ja, true);
    setzen(S::ComboBox6, Antworttexte::KategorieNeubau, false);
    setzen(S::ComboBox7, Antworttexte::Ja, true);
    setzen(S::ComboBox8, Antworttexte::Ja, false);
    setzen(S::Edit5, "", false);
    setzen(S::Edit10, "0,667", true);
    setzen(S::Edit11, "", false);
    setzen(S::Label19, "Vorgabewert Auslegungsluftwechsel n     :", false);
    setzen(S::Label21, "Baujahr", false);
    setzen(S::Label26, "Ergebnis WS", false);
    setzen(S::Label27, "Ergebnis FS", false);
    setzen(S::Label28, "Ergebnis I", false);
    setzen(S::Label29, "Sanierung mind. nach WSVO 1995 ?", false);
    setzen(S::Label31, "Ergebnis", false);
    setzen(S::Label38, "Ergebnis RL", false);
    setzen(S::Label39, "Ergebnis NL", false);
    setzen(S::Label40, "Ergebnis ML", false);
    setzen(S::Label49, "Kommentar1", false);
    setzen(S::Label50, "Auslegung erfolgt nach DIN 18017-3", false);
    setzen(S::Label57, "Lüftung von Bädern und Toilettenräumen", false);
    setzen(S::Label58, "ohne Außenfenster, mit Ventilatoren", false);
    setzen(S::Label62, "50", false);
    setzen(S::Label63, "Kommentar2", false);
    for (S panel : {S::Panel2, S::Panel3, S::Panel4, S::Panel5, S::Panel11, S::RadioGroup2})
        stand.sichtbar[Index(panel)] = false;
    for (S gruppe : {S::RadioGroup1, S::RadioGroup3})
        stand.sichtbar[Index(gruppe)] = true;
    stand.radio1 = -1;
    stand.radio2 = 1;
    stand.radio3 = 0;
    return stand;
}

}  // namespace

const Speicherblatt::Stand &Speicherblatt::Anfangsstand()
{
    static const Stand anfang = Anfang();
    return anfang;
}

Speicherblatt::Stand Speicherblatt::StandVon(const Arbeitsblatt &blatt)
{
    Stand stand;
    for (std::size_t i = 0; i < Steuerelementanzahl; ++i) {
        const auto element = Steuerelement(i);
        if (HatText(element))
            stand.texte[i] = blatt.text(element);
        stand.sichtbar[i] = blatt.sichtbar(element);
    }
    stand.radio1 = blatt.radioIndex(S::RadioGroup1);
    stand.radio2 = blatt.radioIndex(S::RadioGroup2);
    stand.radio3 = blatt.radioIndex(S::RadioGroup3);
    if (const auto *seite = dynamic_cast<const Speicherblatt *>(&blatt))
        stand.grau = seite->grau();
    return stand;
}

Speicherblatt::Speicherblatt(Rechenzustand &z, const Stand &anfang)
    : zustand(z)
    , seite(anfang)
    , fragen(*this, z)
{
}

void Speicherblatt::melden(Steuerelement element)
{
    if (geaendert)
        geaendert(element);
}

void Speicherblatt::waehlen(Steuerelement kombi, const std::string &text)
{
    if (uebernehmen(kombi, text))
        fragen.Geaendert(kombi);
}

bool Speicherblatt::uebernehmen(Steuerelement element, const std::string &text)
{
    std::string &alt = seite.texte[Index(element)];
    if (alt == text)
        return false;
    alt = text;
    melden(element);
    return true;
}

bool Speicherblatt::uebernehmen(Steuerelement gruppe, int index)
{
    index = std::clamp(index, -1, Eintraege(gruppe) - 1);
    int &alt = radio(gruppe);
    if (alt == index)
        return false;
    alt = index;
    melden(gruppe);
    return true;
}

std::string Speicherblatt::text(Steuerelement element) const
{
    return seite.texte[Index(element)];
}

void Speicherblatt::setzeText(Steuerelement element, const std::string &text)
{
    if (uebernehmen(element, text) && IstEingabefeld(element))
        fragen.Geaendert(element);
}

bool Speicherblatt::sichtbar(Steuerelement element) const
{
    return seite.sichtbar[Index(element)];
}

void Speicherblatt::setzeSichtbar(Steuerelement element, bool sichtbar)
{
    bool &alt = seite.sichtbar[Index(element)];
    if (alt == sichtbar)
        return;
    alt = sichtbar;
    melden(element);
}

int &Speicherblatt::radio(Steuerelement gruppe)
{
    return gruppe == S::RadioGroup1 ? seite.radio1 : gruppe == S::RadioGroup2 ? seite.radio2 : seite.radio3;
}

int Speicherblatt::radioIndex(Steuerelement gruppe) const
{
    return const_cast<Speicherblatt *>(this)->radio(gruppe);
}

void Speicherblatt::setzeRadioIndex(Steuerelement gruppe, int index)
{
    if (!uebernehmen(gruppe, index) || radioIndex(gruppe) < 0)
        return;
    if (gruppe == S::RadioGroup1)
        fragen.RadioGroup1Click();
    else if (gruppe == S::RadioGroup2)
        fragen.RadioGroup2Click();
    else
        fragen.RadioGroup3Click();
}

void Speicherblatt::setzeGrau(bool grau)
{
    if (seite.grau == grau)
        return;
    seite.grau = grau;
    melden(S::Edit8);
    melden(S::Edit10);
}

void Speicherblatt::berechne()
{
    // Runs entered from inside a run are not announced: only the outermost
    // one has finished when it returns.
    ++rechentiefe;
    Berechnen(*this, zustand);
    if (--rechentiefe == 0)
        fertig();
}

void Speicherblatt::urteilVermerken(Rechenweg::Urteilsgeber geber)
{
    if (Rechenweg *weg = zustand.weg) {
        weg->urteilsgeber = geber;
        weg->fensterlos = seite.radio1;
        weg->weitere = seite.radio2;
        weg->mitBerechnung = sichtbar(S::Panel2);
    }
    fertig();
}

void Speicherblatt::fertig()
{
    if (hinweiseMitfuehren && zustand.weg)
        pruefhinweise = Pruefhinweise(*zustand.weg, *this, Jahr());
    if (gerechnet)
        gerechnet();
}

void Speicherblatt::hinweiseErsetzen(std::vector<Pruefhinweis> hinweise)
{
    pruefhinweise = std::move(hinweise);
    if (gerechnet)
        gerechnet();
}

void Speicherblatt::Zuruecksetzen()
{
    for (S feld : {S::Edit1, S::Edit2, S::Edit3, S::Edit4, S::Edit7, S::Edit9})
        setzeText(feld, std::string());
    fragen.FelderZuruecksetzen();
    if (projektdatenLeeren)
        projektdatenLeeren();
    fragen.AnzeigeZuruecksetzen();
}
