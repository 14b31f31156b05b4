#pragma once

// The work page held in memory: the texts, visible flags and radio indexes
// of the controls that the recalculation and the question flow use, with
// the window's event rules and its question flow. It recomputes a unit
// without a window, a thousand times faster than the widgets, which lay out
// every text they are given.
//
// It starts from a state taken from the real window (Stand), so that it
// shows what a freshly started program shows.

#include "engine/Arbeitsblatt.h"
#include "engine/Fragenablauf.h"
#include "engine/Rechenzustand.h"

#include <array>
#include <string>

class Speicherblatt : public Arbeitsblatt {
public:
    struct Stand {
        std::array<std::string, Steuerelementanzahl> texte;
        std::array<bool, Steuerelementanzahl> sichtbar{};
        int radio1 = -1, radio2 = -1, radio3 = -1;
    };

    // Reads the state of a page, e.g. a freshly made main window.
    static Stand StandVon(const Arbeitsblatt &blatt);

    Speicherblatt(Rechenzustand &zustand, const Stand &anfang);

    Fragenablauf &ablauf() { return fragen; }

    // The user's choice or typing in a combo box: a different text runs its
    // change handler.
    void waehlen(Steuerelement kombi, const std::string &text);

    std::string text(Steuerelement element) const override;
    void setzeText(Steuerelement element, const std::string &text) override;
    bool sichtbar(Steuerelement element) const override;
    void setzeSichtbar(Steuerelement element, bool sichtbar) override;
    int radioIndex(Steuerelement gruppe) const override;
    void setzeRadioIndex(Steuerelement gruppe, int index) override;
    void setzeGrau(bool) override {}
    void berechne() override;
    void urteilVermerken(Rechenweg::Urteilsgeber) override {}

private:
    int &radio(Steuerelement gruppe);

    Rechenzustand &zustand;
    Stand stand;
    Fragenablauf fragen;
};
