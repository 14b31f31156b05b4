#include "ErsatzBlatt.h"

#include "engine/Berechnen.h"

#include <algorithm>

using S = Steuerelement;

ErsatzBlatt::ErsatzBlatt(Rechenzustand &z)
    : zustand(z)
    , texte{
          {S::ComboBox1, "EFH als mehrgeschossige Nutzungseinheit"},
          {S::ComboBox2, "windschwach"},
          {S::ComboBox5, "ja"},
          {S::ComboBox6, "freie Lüftung Neubau"},
          {S::ComboBox7, "ja"},
          {S::ComboBox8, "ja"},
          {S::Edit10, "0,667"},
          {S::Label21, "Baujahr"},
          {S::Label26, "Ergebnis WS"},
          {S::Label27, "Ergebnis FS"},
          {S::Label28, "Ergebnis I"},
          {S::Label29, "Sanierung mind. nach WSVO 1995 ?"},
          {S::Label31, "Ergebnis"},
          {S::Label38, "Ergebnis RL"},
          {S::Label39, "Ergebnis NL"},
          {S::Label40, "Ergebnis ML"},
          {S::Label49, "Kommentar1"},
          {S::Label63, "Kommentar2"},
      }
    , sichtbarkeit{
          {S::ComboBox1, true}, {S::ComboBox2, true}, {S::ComboBox5, true},
          {S::ComboBox6, false}, {S::ComboBox7, true}, {S::ComboBox8, false},
          {S::Edit6, true}, {S::Edit8, true}, {S::Edit10, true}, {S::Edit11, false},
          {S::Label21, false}, {S::Label26, false}, {S::Label27, false},
          {S::Label28, false}, {S::Label29, false}, {S::Label31, false},
          {S::Label38, false}, {S::Label39, false}, {S::Label40, false},
          {S::Label49, false}, {S::Label63, false},
      }
{
}

std::string ErsatzBlatt::text(Steuerelement element) const
{
    const auto it = texte.find(element);
    return it == texte.end() ? std::string() : it->second;
}

void ErsatzBlatt::setzeText(Steuerelement element, const std::string &neu)
{
    if (text(element) == neu)
        return;
    texte[element] = neu;
    if (element == S::Edit6 || element == S::Edit8 || element == S::Edit10)
        berechne();
}

bool ErsatzBlatt::sichtbar(Steuerelement element) const
{
    return sichtbarkeit.at(element);
}

void ErsatzBlatt::setzeSichtbar(Steuerelement element, bool s)
{
    sichtbarkeit[element] = s;
}

void ErsatzBlatt::berechne()
{
    ++laeufe;
    ++schachtelung;
    tiefsteSchachtelung = std::max(tiefsteSchachtelung, schachtelung);
    Berechnen(*this, zustand);
    --schachtelung;
}
