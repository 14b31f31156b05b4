#pragma once

#include "engine/Rechenblatt.h"
#include "engine/Rechenweg.h"

// What the question flow needs of the work page beyond the recalculation's
// Rechenblatt: the radio groups, the grey of the measured-value fields, a
// recalculation as the page runs it, and a note of who wrote the verdict.
//
// The page keeps the window's event rules: selecting another item of a
// radio group (index 0 or more) runs the group's click handler at once;
// setting a different text of an edit field runs its change handler at
// once; setting a combo box's text runs nothing. Texts are UTF-8.
class Arbeitsblatt : public Rechenblatt {
public:
    virtual int radioIndex(Steuerelement gruppe) const = 0;
    virtual void setzeRadioIndex(Steuerelement gruppe, int index) = 0;
    // Edit8 and Edit10 grey (no measured value) or in the normal colour.
    virtual void setzeGrau(bool grau) = 0;
    virtual void berechne() = 0;
    virtual void urteilVermerken(Rechenweg::Urteilsgeber geber) = 0;

    int radioGroup3Index() const override { return radioIndex(Steuerelement::RadioGroup3); }
};
