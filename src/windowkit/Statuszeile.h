#pragma once

// Notes in a main window's status bar, which shows only while it has
// something to say: nothing in it takes room from the window otherwise.

#include <QString>

class QMainWindow;

// Shows text; for dauer milliseconds, or until the next note when 0.
void StatusZeigen(QMainWindow &fenster, const QString &text, int dauer = 0);
