#pragma once

// The type of every window of the program: "Liberation Sans" at a height in
// pixels, set in pixels so that the layout of the designer files holds on
// any screen; 11 pixels is the 8-point type of the controls.

#include <QFont>

QFont Programmschrift(int pixel = 11, bool fett = false);
