#pragma once

#include "engine/Steuerelement.h"

#include <string>

// What the recalculation needs of the window: five operations on named
// controls. Texts are UTF-8.
//
// setzeText() on an edit field changes nothing when the text is equal; a
// different text runs the field's change handler at once, so for Edit6,
// Edit8 and Edit10 Berechnen() is entered again, nested, before setzeText()
// returns. Labels have no handler.
class Rechenblatt {
public:
    virtual ~Rechenblatt() = default;

    virtual std::string text(Steuerelement element) const = 0;
    virtual void setzeText(Steuerelement element, const std::string &text) = 0;
    virtual bool sichtbar(Steuerelement element) const = 0;
    virtual void setzeSichtbar(Steuerelement element, bool sichtbar) = 0;
    virtual int radioGroup3Index() const = 0;
};
