#pragma once

// The printed result report as data: one page of fixed text lines and a logo
// box, in tenths of a millimetre from the top-left corner of the printable
// area, listed in the order in which they are drawn.
//
// The report computes nothing. Every value is a text of the main window as
// it stands when printing, or a fixed text chosen from the answers. Which
// blocks appear depends on the answers alone: the building, heat-protection,
// air-tightness and result blocks only for a full assessment (no windowless
// rooms, or windowless rooms with further requirements), the three
// DIN 18017-3 lines in their place otherwise. A left-out line leaves a gap:
// nothing moves up. Lines are never wrapped; each keeps to the room up to
// its neighbour on the right, or up to the page's right margin. Where the
// main window has hints on the input, they stand beside the logo under
// "Hinweise zur Eingabe:", broken into lines of that free room; every other
// line keeps its place.

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// The main window's values that the report prints, under the names of their
// controls: texts of edit fields, combo boxes and labels, and the selected
// indexes of the three radio groups (-1 for none).
struct Berichtswerte {
    QString Edit1, Edit2, Edit3, Edit4, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11;
    QString ComboBox1, ComboBox2, ComboBox5, ComboBox6, ComboBox7, ComboBox8;
    QString Label26, Label27, Label28, Label38, Label39;
    QString Label31, Label49, Label63, Label30;
    int RadioGroup1 = -1;
    int RadioGroup2 = -1;
    int RadioGroup3 = -1;
    // The main window's hints on the input, one text each.
    QStringList Hinweise;
};

// One thing on the page. A text line has its top-left corner at
// (links, unten); hoehe is the height of its character cell and breite the
// room it may take to the right (0: no limit). A text wider than its room is
// drawn smaller at the same corner, down to 7 pt, and cut off at the room's
// end only where even that is too wide. The logo box spans breite × hoehe
// from (links, unten) to the right and downwards.
struct Seitenelement {
    enum class Art { Logo, Text };

    Art art = Art::Text;
    int links = 0;
    int unten = 0;
    int breite = 0;
    int hoehe = 0;
    bool fett = false;
    QString text;

    bool operator==(const Seitenelement &) const = default;
};

// A text line of the page.
Seitenelement Textelement(int links, int unten, int hoehe, bool fett, const QString &text);

// Pages in the order they are printed, each as the list above.
using Seitenliste = std::vector<std::vector<Seitenelement>>;

// Gives every text of the page its room: up to the next text to its right
// on the same line, less a gap, or else up to the right margin rechterRand.
void RaeumeSetzen(std::vector<Seitenelement> &seite, int rechterRand);

// The page for the given values, printed on the given day; its dates with
// two-digit years, or with four where a longer document asks for them.
std::vector<Seitenelement> Berichtsseite(const Berichtswerte &werte, QDate druckdatum, bool langesJahr = false);

// The title of a printed or exported report: "Lüftungskonzept – " and the
// object name, or "Lüftungskonzept" alone when the object has no name. A
// PDF queue names its files after it, so reports of different objects do
// not overwrite each other.
QString Berichtstitel(const QString &objekt);
