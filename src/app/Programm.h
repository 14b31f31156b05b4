#pragma once

// The whole program in one object: the engine state with the record of its
// last run, the project record, the application's printer and the windows,
// the main window first and each secondary window on its first use, all
// destroyed together at the end. The windows
// are wired to each other here, once; main() and the tests that want the
// whole program in-process use this class.

#include "app/BeiBedarf.h"
#include "app/Eingabesicherung.h"
#include "building/Gebaeudeuebersicht.h"
#include "engine/Rechenweg.h"
#include "engine/Rechenzustand.h"
#include "logo/Logoeinbindung.h"
#include "mainwindow/Lueftung.h"
#include "project/Dateibindung.h"
#include "project/TProjektdaten.h"
#include "project/Zuletztliste.h"
#include "reference/Handbuch.h"
#include "reference/Information.h"
#include "reference/Konzept.h"
#include "reference/Programminfo.h"
#include "reference/Ueberlassung.h"
#include "reference/Wind.h"
#include "workings/Rechenwegfenster.h"

#include <functional>
#include <memory>

class QPrinter;

class Programm {
public:
    Programm();
    ~Programm();

    Rechenzustand zustand;
    Rechenweg weg;  // the last recalculation, step by step
    TProjektdaten daten;
    QString Projektname;  // path of the project file last saved or opened
    QString Speichervorschlag;  // what "Speichern" proposes while Projektname is empty
    Dateibindung bindung;  // the file the shown project belongs to
    Zuletztliste zuletzt;  // "Zuletzt verwendet" and the folder used last

    std::unique_ptr<TForm1> Form1;
    // Made on first use, wired as they are made.
    BeiBedarf<TForm2> Form2;
    BeiBedarf<TForm3> Form3;
    BeiBedarf<TForm4> Form4;
    BeiBedarf<TWindeinstufung> Windeinstufung;
    BeiBedarf<TForm5> Form5;
    BeiBedarf<TForm6> Form6;
    BeiBedarf<TRechenweg> Rechenwegfenster;
    BeiBedarf<TGebaeudeuebersicht> Gebaeude;
    BeiBedarf<THandbuch> Handbuch;
    // Watches the main window; goes first, writing what is unsaved.
    std::unique_ptr<Eingabesicherung> sicherung;

    // The application's one printer, with the choices of the print and
    // printer set-up dialogs, for every report until the program ends. It is
    // made on first use, so that starting does not wait for the spooler.
    QPrinter &Drucker();

    // Opens the project at pfad as "Öffnen" does once its dialog has
    // answered; for the project named on the command line, so a failure
    // names the file.
    void ProjektOeffnen(const QString &pfad);

    // Handlers of the main window that reach other windows.
    void Button3Click();
    void Button4Click();
    void InformationenzurDIN194661Click();
    void Info1Click();
    void berlassungsbedingungen3Click();
    void Rechenweg1Click();
    void Gebaeudeuebersicht1Click();
    void Speichern1Click();
    void ffnen1Click();
    // An entry of "Zuletzt verwendet"; a file gone is taken off the list.
    void ZuletztOeffnen(const QString &pfad);

private:
    void Verbinden();
    void ZuletztVermerken(const QString &pfad);
    // Runs a command that may open a project in place of the page.
    bool Oeffnend(const std::function<bool()> &befehl);

    std::unique_ptr<QPrinter> drucker;
};

// German texts for Qt's own dialogs and buttons, whatever the system
// locale; call once after the application object exists.
void DeutscheUebersetzungLaden();

// The program's settings under its own name ("luvanto/luvanto.conf" in the
// user's configuration folder), taken over once from where earlier versions
// kept them; call once after the application object exists.
void EinstellungenEinrichten();
