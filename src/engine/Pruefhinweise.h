#pragma once

// Checks of the input beside the verdict: what a planner should look at
// before trusting a result that the rules computed correctly from an
// unlikely input. An empty pressure exponent that counts as 0, a typed
// text that matches no rule so that a value of an earlier run stays in
// force, an area of a whole building, a verdict on a knife's edge, no
// verdict at all.
//
// The hints are read from the engine's record of its last run; nothing
// here repeats a rule or a formula. Where a hint says what another input
// would give ("Mit 0,667 lautete das Urteil: …"), the engine runs a second
// time on a page held in memory, copied from the page and the engine state
// before the run, with that one input changed. Every text is German UTF-8
// and names the input by its caption on the work page.

#include "engine/Arbeitsblatt.h"
#include "engine/Rechenweg.h"

#include <string>
#include <vector>

struct Pruefhinweis {
    std::string text;
    std::vector<Steuerelement> felder;  // the inputs it names, to be marked

    bool operator==(const Pruefhinweis &) const = default;
};

// The hints on the run recorded in weg, which left the page blatt as it
// stands; jahr is the current year. None while no calculation stands: no
// run yet, a verdict of the question flow without one, or the calculation
// panels hidden.
std::vector<Pruefhinweis> Pruefhinweise(const Rechenweg &weg, const Arbeitsblatt &blatt, int jahr);

// The whole field's hints, one per line, as a tooltip or a cell shows them.
std::string HinweiseZuFeld(const std::vector<Pruefhinweis> &hinweise, Steuerelement feld);
