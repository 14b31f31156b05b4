#pragma once

// The type of every window of the program: "Liberation Sans" at a height in
// pixels, set in pixels so that the layout of the designer files holds on
// any screen; 11 pixels is the 8-point type of the controls. Where it is
// missing (Windows), its metric twin "Arial" stands in, with the same
// widths, so that every text keeps its place.

#include <QFont>

QFont Programmschrift(int pixel = 11, bool fett = false);
