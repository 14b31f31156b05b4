#pragma once

// The assessment engine: one routine that recomputes the whole necessity
// check for ventilation measures (DIN 1946-6, chapter 4.2) from the current
// texts of the main window, on every change of an input.
//
// A run chooses the coefficients (heat protection, infiltration factor,
// pressure difference, default air tightness), computes the air flows for
// moisture protection, infiltration, reduced and nominal ventilation and the
// minimum air change, writes them and the verdict into the window, and
// finally turns typed decimal points into commas. It reads only controls and
// the engine state, so any order of user actions is valid at any time.
//
// The window is reached only through Rechenblatt, so the engine runs against
// the real main window and against a substitute in tests alike. Writing an
// edit field may run Berechnen again, nested; the nested run computes the
// same values and the outer run then finishes with the same results.
//
// Where Rechenzustand::weg points to a record, the outermost run writes into
// it what it read, chose and computed (engine/Rechenweg.h).

#include "engine/Rechenblatt.h"
#include "engine/Rechenzustand.h"

void Berechnen(Rechenblatt &blatt, Rechenzustand &zustand);
