#pragma once

// The question flow of the work page, apart from any window: the handlers
// that react to the answers, show and hide the panels, write the verdicts
// of the branches that need no calculation, pick the default air-tightness
// category and start the recalculation, and the reset of the page. The main
// window runs them on its widgets; the recomputation of a building's units
// runs them on a page held in memory.
//
// The flow keeps nothing of its own: everything it decides is read from the
// page and written back to it. Handlers enter each other only through the
// page's event rules (Arbeitsblatt.h).

#include "engine/Arbeitsblatt.h"
#include "engine/Rechenzustand.h"

class Fragenablauf {
public:
    Fragenablauf(Arbeitsblatt &blatt, Rechenzustand &zustand)
        : blatt(blatt)
        , zustand(zustand)
    {
    }

    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    // Serves ComboBox1, ComboBox7, ComboBox8 and Edit11.
    void ComboBox7Change();
    void ComboBox5Change();

    // The change handler of an edit field or combo box: the user's
    // keystroke or choice in it.
    void Geaendert(Steuerelement element);

    // The reset of the work page but for the object data and the project
    // record: the fields and answers of a new project, then what the page
    // shows of it.
    void FelderZuruecksetzen();
    void AnzeigeZuruecksetzen();

private:
    void Berechnungsfelder(bool zeigen);
    void Urteil(const char *ergebnis, const char *kommentar1, const char *kommentar2);
    void Modernisierungskategorie();
    void Zeigen(std::initializer_list<Steuerelement> elemente, bool sichtbar);

    Arbeitsblatt &blatt;
    Rechenzustand &zustand;
};
