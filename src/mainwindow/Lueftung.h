#pragma once

// The main window: a start page and a work page in one client area, the
// menu, and the question flow of the necessity check.
//
// Every input of the work page has a change or click handler. Plain inputs
// run Berechnen() directly; the questions run the question-flow handlers
// (engine/Fragenablauf.h), which show and hide panels, write the verdicts
// of the branches that need no calculation, choose the default
// air-tightness category, and then run Berechnen() where a calculation is
// needed. The window is the engine's Arbeitsblatt: the recalculation and
// the flow read and write the controls through it.
//
// The controls follow these rules when code sets their values, and the
// handlers rely on them:
//  - a radio group's click handler runs at once when code selects a
//    different item with index 0 or more (RadioGroup);
//  - an edit field's change handler runs at once when code sets a different
//    text (QLineEdit::textChanged);
//  - setting a combo box's text from code runs nothing (Kombifeld);
//  - a button clicked from code runs its handler, also while hidden.
//
// The window has the design's size and place where the screen has room for
// it; on a smaller screen it fits the screen and its client area scrolls.
// Where the screen is too low, the verdict, the program's answer, leaves
// the scrolled part for a strip below it, in sight whatever is scrolled.
//
// The window knows neither the secondary windows, nor the project file, nor
// the printer: the program class wires those to the menu and buttons. It
// announces every finished recalculation and every verdict of the question
// flow (rechenwegGeaendert), which the program passes to the Rechenweg.
//
// The unit itself is the page (engine/Speicherblatt.h) that the window
// owns and shows: every change of the page reaches its control, and every
// input of the user goes into the page, whose handlers run the question
// flow and the recalculation. Whatever else reads or writes the unit
// (saving, opening, printing, the Rechenweg) works on the page.
//
// After each recalculation and verdict the page has checked the input
// (engine/Pruefhinweise.h): the hints stand in amber below the verdict,
// where the window grows by their height and shrinks back when there is
// nothing to say, and every input a hint names gets an amber frame and the
// hint at the head of its tooltip.

#include "engine/Pruefhinweise.h"
#include "engine/Rechenweg.h"
#include "engine/Rechenzustand.h"
#include "engine/Speicherblatt.h"
#include "ui_Lueftung.h"

#include <QColor>
#include <QMainWindow>

#include <map>
#include <memory>

class QFrame;
class QScrollArea;

class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(Rechenzustand &zustand, QWidget *parent = nullptr);

    static inline const QColor Feldgrau = QColor(128, 128, 128);
    QColor normaleFeldfarbe() const;
    void setzeFeldfarbe(QLineEdit *feld, const QColor &farbe);

    // The unit the window shows.
    Speicherblatt &seite() { return *blatt; }
    const Speicherblatt &seite() const { return *blatt; }

    // Returns the work page to the state of a new, empty project.
    void Zuruecksetzen();
    // After a project was put on the page: long texts from their beginning.
    void VomAnfangZeigen();
    // Caps what an edit field of the page takes from the user.
    void setzeFeldlaenge(Steuerelement feld, int laenge);

    // The caption the window starts with.
    const QString &Starttitel() const { return starttitel; }

    // The hints on the input as they stand, for the report and the Rechenweg.
    const std::vector<Pruefhinweis> &hinweise() const { return blatt->hinweise(); }

    // Handlers of the work page.
    void Edit5Change();
    void Edit6Change();
    void Edit8Change();
    void Edit10Change();
    void Edit11Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox5Change();
    void ComboBox6Change();
    void ComboBox7Change();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();

    // Handlers of the start page and the menu.
    void Button1Click();
    void Button2Click();
    void Image7Click();
    void Neu1Click();
    void Image1Click();
    void Image2Click();
    void Image6Click();
    void Button5Click();
    void Button6Click();
    void Kontakt1Click();
    void Beenden1Click();

signals:
    // A recalculation has finished, or the question flow wrote a verdict.
    void rechenwegGeaendert();
    // Around the reset of "Neu" and the start image.
    void seiteWirdErsetzt();
    void seiteErsetzt();

protected:
    bool event(QEvent *ereignis) override;

private:
    void FormCreate();
    void Verbinden();
    void AntwortenEintragen();
    void Gestalten();
    void Tastatur();
    void Einpassen();
    // The window's height for the design surface and the hints below it.
    int Fensterhoehe() const;
    void UrteilFesthalten(bool fest);
    void SeiteAnpassen();
    QWidget *steuerelement(Steuerelement element) const;
    // The page's control into its widget; the widget's value into the page;
    // that and the control's handler on the page.
    void Zeigen(Steuerelement element);
    void Eingeben(Steuerelement element);
    void Behandeln(Steuerelement element);
    void HinweiseZeigen();
    void HinweisfeldAnpassen();

    std::unique_ptr<Speicherblatt> blatt;
    int spiegelnd = 0;  // a change of the page is being shown
    QString starttitel;
    bool eingepasst = false;
    QSize entwurfsflaeche;  // of the client area, as designed
    QPoint urteilsort;  // of Panel8 on Panel1, as designed
    QScrollArea *rollflaeche = nullptr;
    QWidget *urteilsleiste = nullptr;  // below the scrolled part, holding Panel8 where it is too low
    bool urteilFest = false;
    QLabel *hinweisfeld = nullptr;  // below the verdict, hidden while empty
    int hinweishoehe = 0;  // the room it takes
    std::vector<Pruefhinweis> gezeigteHinweise;
    struct Markierung {
        QFrame *rahmen = nullptr;
        QString tooltip;  // the field's own, without a hint
        std::string hinweis;
    };
    std::map<Steuerelement, Markierung> markierungen;
};
