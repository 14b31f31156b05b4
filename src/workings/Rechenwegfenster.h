#pragma once

// The window "Rechenweg": the calculation shown step by step, for the planner
// who must show later how a verdict came about.
//
// It presents the engine's record of its last run and the note of the
// question flow on who wrote the verdict (engine/Rechenweg.h), as the lines
// of RechenwegZeilen(): inputs as read, coefficients with their rules,
// formulas with numbers, the comparisons of the verdict. It computes nothing.
// The program calls Aktualisieren() after every run and every verdict of the
// question flow; while the window is hidden that does nothing, and showing it
// brings it up to date. Lines are reused from one refresh to the next, and a
// label whose text stays the same is not touched, so a keystroke with the
// window open costs little. All texts are plain text.
//
// "Drucken" and "Als PDF speichern …" put the same lines on A4 pages
// (RechenwegSeiten) headed with the object data of the main window; the
// PDF's name is proposed as "Rechenweg <Objektbezeichnung> <JJJJ-MM-TT>.pdf".
// The window is a secondary window: closing it or Esc only hides it.

#include "report/Bericht.h"
#include "ui_Rechenwegfenster.h"
#include "workings/Rechenwegtext.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPrinter;
struct Rechenweg;

class TRechenweg : public QWidget, public Ui::TRechenweg {
    Q_OBJECT

public:
    explicit TRechenweg(const Rechenweg &weg, QWidget *parent = nullptr);

    // Shows the record as it stands now; nothing while hidden.
    void Aktualisieren();

    // The lines on screen, as data.
    const std::vector<Rechenwegzeile> &zeilen() const { return angezeigt; }

    // The lines on A4 pages with the object data, printed on the given day.
    Seitenliste Seiten(QDate datum) const;

    // Set by the program: the main window's texts for the page heading and
    // its hints on the input, the
    // application's printer, and the project file's path, beside which a
    // PDF is proposed.
    std::function<Berichtswerte()> objektdaten;
    std::function<std::vector<Pruefhinweis>()> hinweise;
    std::function<QPrinter &()> drucker;
    std::function<QString()> projektpfad;

    void ButtonDruckenClick();
    void ButtonPdfClick();

protected:
    void showEvent(QShowEvent *ereignis) override;

private:
    // One line on screen: a heading, a note over the whole width, or what
    // and its value side by side. The labels of the other kinds stay empty,
    // which takes no room; a line is never hidden, so that changing its
    // kind never makes the layout work while the user types.
    struct Reihe {
        QLabel *gruppe = nullptr;
        QLabel *hinweis = nullptr;
        QLabel *was = nullptr;
        QLabel *wert = nullptr;
    };
    Reihe &reihe(std::size_t i);

    const Rechenweg &weg;
    std::vector<Rechenwegzeile> angezeigt;
    std::vector<Reihe> reihen;
};
