#pragma once

// A unit's page without widgets: the texts, visible flags, radio indexes
// and the grey of the measured-value fields of every control that a project
// carries or that the recalculation and the question flow use, with the
// window's event rules and its question flow. The page is the unit: the
// main window shows one and feeds the user's input into it; saving, opening,
// the report, the Rechenweg and the check of a building read and write the
// same page, so each of them sees the same values.
//
// A page starts as a freshly started program shows its work page
// (Anfangsstand). Whoever shows it learns of every change through the two
// hooks; a page in memory that nobody shows recomputes a unit a thousand
// times faster than widgets, which lay out every text they are given.
//
// Where its engine state points to a record (Rechenzustand::weg), the page
// notes in it who wrote the verdict that stands; with hinweiseMitfuehren it
// also keeps the hints on the input after every finished recalculation and
// verdict (engine/Pruefhinweise.h).

#include "engine/Arbeitsblatt.h"
#include "engine/Fragenablauf.h"
#include "engine/Pruefhinweise.h"
#include "engine/Rechenzustand.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class Speicherblatt : public Arbeitsblatt {
public:
    struct Stand {
        std::array<std::string, Steuerelementanzahl> texte;
        std::array<bool, Steuerelementanzahl> sichtbar{};
        int radio1 = -1, radio2 = -1, radio3 = -1;
        bool grau = false;

        bool operator==(const Stand &) const = default;
    };

    // The work page of a freshly started program.
    static const Stand &Anfangsstand();
    // Reads the state of another page.
    static Stand StandVon(const Arbeitsblatt &blatt);

    explicit Speicherblatt(Rechenzustand &zustand, const Stand &anfang = Anfangsstand());
    Speicherblatt(const Speicherblatt &) = delete;
    Speicherblatt &operator=(const Speicherblatt &) = delete;

    const Stand &stand() const { return seite; }
    Rechenzustand &rechenzustand() const { return zustand; }
    Fragenablauf &ablauf() { return fragen; }

    // The user's choice or typing in a combo box: a different text runs its
    // change handler.
    void waehlen(Steuerelement kombi, const std::string &text);
    // A text or index that a control holds already, taken over without
    // running a handler: the window's handler runs the flow itself. True
    // when it differed.
    bool uebernehmen(Steuerelement element, const std::string &text);
    bool uebernehmen(Steuerelement gruppe, int index);
    bool grau() const { return seite.grau; }

    // Returns the page to the state of a new, empty project: the object
    // data and the fields and answers, the project record (through
    // projektdatenLeeren), then what the page shows of it. The date stays.
    void Zuruecksetzen();
    std::function<void()> projektdatenLeeren;

    // The hints on the input as they stand (with hinweiseMitfuehren).
    bool hinweiseMitfuehren = false;
    const std::vector<Pruefhinweis> &hinweise() const { return pruefhinweise; }
    // Puts other hints in their place until the next recalculation or
    // verdict, e.g. those of an opened file's recomputation; announced.
    void hinweiseErsetzen(std::vector<Pruefhinweis> hinweise);

    // A control's text, visible flag, index or colour has changed.
    std::function<void(Steuerelement)> geaendert;
    // A recalculation has finished, or a verdict was noted.
    std::function<void()> gerechnet;

    std::string text(Steuerelement element) const override;
    void setzeText(Steuerelement element, const std::string &text) override;
    bool sichtbar(Steuerelement element) const override;
    void setzeSichtbar(Steuerelement element, bool sichtbar) override;
    int radioIndex(Steuerelement gruppe) const override;
    void setzeRadioIndex(Steuerelement gruppe, int index) override;
    void setzeGrau(bool grau) override;
    void berechne() override;
    void urteilVermerken(Rechenweg::Urteilsgeber geber) override;

private:
    int &radio(Steuerelement gruppe);
    void melden(Steuerelement element);
    void fertig();

    Rechenzustand &zustand;
    Stand seite;
    Fragenablauf fragen;
    int rechentiefe = 0;
    std::vector<Pruefhinweis> pruefhinweise;
};
