#pragma once

// The whole program in one object: the engine state, the project record,
// the application's printer and the seven windows, created in a fixed order
// with the main window first and destroyed together at the end. The windows
// are wired to each other here, once; main() and the tests that want the
// whole program in-process use this class.

#include "engine/Rechenzustand.h"
#include "lueftung/Lueftung.h"

#include <memory>

class Programm {
public:
    Programm();
    ~Programm();

    Rechenzustand zustand;
    std::unique_ptr<TForm1> Form1;

private:
    void Verbinden();
};

// German texts for Qt's own dialogs and buttons, whatever the system
// locale; call once after the application object exists.
void DeutscheUebersetzungLaden();
