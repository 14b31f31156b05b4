#pragma once

#include "engine/Rechenblatt.h"
#include "engine/Rechenzustand.h"

#include <map>
#include <string>

// A stand-in for the main window with its design-time texts and visible
// flags. Like the real edit fields, a changed text of Edit6, Edit8 or Edit10
// runs Berechnen again at once, nested; an equal text runs nothing.
class ErsatzBlatt : public Rechenblatt {
public:
    explicit ErsatzBlatt(Rechenzustand &zustand);

    std::string text(Steuerelement element) const override;
    void setzeText(Steuerelement element, const std::string &text) override;
    bool sichtbar(Steuerelement element) const override;
    void setzeSichtbar(Steuerelement element, bool sichtbar) override;
    int radioGroup3Index() const override { return radioGroup3; }

    // Puts a text in place without running anything, as the user's answers
    // stand before a run.
    void vorgeben(Steuerelement element, const std::string &text) { texte[element] = text; }
    // A run started from outside, as an input's change handler would.
    void berechne();

    int radioGroup3 = 0;
    int laeufe = 0;  // every run, nested ones included
    int tiefsteSchachtelung = 0;

private:
    Rechenzustand &zustand;
    std::map<Steuerelement, std::string> texte;
    std::map<Steuerelement, bool> sichtbarkeit;
    int schachtelung = 0;
};
