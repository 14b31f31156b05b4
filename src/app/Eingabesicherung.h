#pragma once

// Keeps unsaved input of the main window from being lost, without ever
// asking: a copy on disk for the end of the program and for crashes
// (project/Sicherungskopie.h), and the input a reset of the page threw
// away, for "Verworfene Eingaben wiederherstellen".
//
// The page holds unsaved input when the record it would save differs from
// the one it held when it was last saved, opened or reset. Every change of
// an input starts a timer; two seconds later the copy is written when there
// is unsaved input and removed when there is none. So typing itself writes
// nothing. Saving removes the copy at once; ending the program writes what
// is unsaved at once.
//
// A copy left behind by a program that has ended is offered on the start
// page, once the window has shown its first frame; restoring it, like restoring discarded input, is itself a reset of
// the page, so whatever unsaved input stands there can be brought back in
// turn. A restored project keeps its name and the bond to its file: when
// the file was changed meanwhile, "Speichern" asks before replacing it.
//
// When no copy can be written (the folder is none, may not be written, or
// the disk is full), the main window's status bar says so once, naming the
// folder and the reason: the user then knows to save.

#include "project/Dateibindung.h"
#include "project/Sicherungskopie.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class TForm1;

class Eingabesicherung : public QObject {
public:
    // The program's project name, proposal for "Speichern" and bond to the
    // file, which restoring puts back.
    struct Projekt {
        QString &Projektname;
        QString &vorschlag;
        Dateibindung &bindung;
    };

    static constexpr int Verzoegerung = 2000;  // ms from a change to the copy

    Eingabesicherung(TForm1 &form, Projekt projekt, const QString &ordner = Sicherungskopie::standardordner());
    // Writes what is unsaved.
    ~Eingabesicherung() override;

    // After the project was saved or opened: what the page shows is its file.
    void Gesichert();

    // Around a command that may replace the page ("Neu", the start image,
    // "Neue Nutzungseinheit", "Öffnen"): unsaved input it replaces becomes
    // what "Verworfene Eingaben wiederherstellen" brings back.
    void Vormerken();
    void Ersetzt();
    void Ersetzen(const std::function<void()> &befehl);

    // Handlers of the menu item and the two buttons of the offer.
    void VerworfeneEingaben1Click();
    void Wiederherstellen1Click();
    void Verwerfen1Click();

    // Writes the copy now, or removes it when nothing is unsaved.
    void Sichern();

    // The text of the offer's button for a copy, left on rechner when that
    // was another machine.
    static QString Angebotstext(const Eingabestand &stand, const QString &rechner = {});
    static QString Rechnerhinweis(const QString &rechner);

private:
    struct Seite {
        Eingabestand stand;
        QByteArray gesichert;  // the record when last saved, opened or reset
    };

    Eingabestand Jetzt() const;
    void Verbuchen(const std::optional<QByteArray> &neu);
    void Zurueckholen(const Seite &ziel);
    void Anbieten();
    void Geaendert();

    TForm1 &form;
    Projekt projekt;
    Sicherungskopie kopie;
    QTimer zeitgeber;
    QByteArray gesichert;  // empty when unknown: a restored copy
    QDateTime aenderung;  // of the input that is unsaved
    std::optional<Seite> vorgemerkt;
    std::optional<Seite> verworfen;
    std::optional<Eingabestand> angebot;
    bool kopieFehlerGezeigt = false;
};
