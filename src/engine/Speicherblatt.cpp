#include "engine/Speicherblatt.h"

#include "engine/Berechnen.h"

#include <algorithm>

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

} // namespace

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
    return stand;
}

Speicherblatt::Speicherblatt(Rechenzustand &z, const Stand &anfang)
    : zustand(z)
    , stand(anfang)
    , fragen(*this, z)
{
}

void Speicherblatt::waehlen(Steuerelement kombi, const std::string &text)
{
    if (stand.texte[Index(kombi)] == text)
        return;
    stand.texte[Index(kombi)] = text;
    fragen.Geaendert(kombi);
}

std::string Speicherblatt::text(Steuerelement element) const
{
    return stand.texte[Index(element)];
}

void Speicherblatt::setzeText(Steuerelement element, const std::string &text)
{
    std::string &alt = stand.texte[Index(element)];
    if (alt == text)
        return;
    alt = text;
    if (IstEingabefeld(element))
        fragen.Geaendert(element);
}

bool Speicherblatt::sichtbar(Steuerelement element) const
{
    return stand.sichtbar[Index(element)];
}

void Speicherblatt::setzeSichtbar(Steuerelement element, bool sichtbar)
{
    stand.sichtbar[Index(element)] = sichtbar;
}

int &Speicherblatt::radio(Steuerelement gruppe)
{
    return gruppe == S::RadioGroup1 ? stand.radio1 : gruppe == S::RadioGroup2 ? stand.radio2 : stand.radio3;
}

int Speicherblatt::radioIndex(Steuerelement gruppe) const
{
    return const_cast<Speicherblatt *>(this)->radio(gruppe);
}

void Speicherblatt::setzeRadioIndex(Steuerelement gruppe, int index)
{
    index = std::clamp(index, -1, Eintraege(gruppe) - 1);
    int &alt = radio(gruppe);
    if (alt == index)
        return;
    alt = index;
    if (index < 0)
        return;
    if (gruppe == S::RadioGroup1)
        fragen.RadioGroup1Click();
    else if (gruppe == S::RadioGroup2)
        fragen.RadioGroup2Click();
    else
        fragen.RadioGroup3Click();
}

void Speicherblatt::berechne()
{
    Berechnen(*this, zustand);
}
