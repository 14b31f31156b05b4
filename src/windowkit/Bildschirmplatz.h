#pragma once

// Where windows fit on the screen. Sizes and places of the program's
// windows are those of the design; on a screen whose free area (without
// panels and docks) is smaller, a window is made to fit it.

#include <QMargins>
#include <QRect>

class QWidget;

// The frame that the window manager puts round the window: known once the
// window is framed, estimated before (a title bar and thin borders).
QMargins Fensterrahmen(const QWidget *fenster);

// The free area of the window's screen that its client area may take, in
// global coordinates: the screen's available area less the frame.
QRect Kundenplatz(const QWidget *fenster);

// The rectangle moved into the area, and shrunk where it is larger; it
// stays where it is when it lies inside already.
QRect Eingepasst(QRect rechteck, const QRect &platz);
