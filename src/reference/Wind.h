#pragma once

// The list of wind-strong districts, in four text fields side by side
// under a bold heading. What the user types into the fields is never
// stored. Closing only hides the window.
//
// A search field above the list filters it as the user types
// (reference/Kreissuche.h): while it holds a query, a list of the matching
// districts stands in place of the four fields, followed by the districts
// of today that match, each with the former districts it was formed from
// and their classes. A double-click or Enter on a district, or Enter in the
// search field when only one district matches, offers to take its class
// over as the site of the work page; the window announces the choice
// (lageGewaehlt), and the program sets the site as the user's choice would.
// A search that finds nothing names no class: it says that the place was
// not found and that its district is to be looked up. A note says that the
// names are those of the list's edition.
//
// Each field holds one part of the alphabetical list, "district  seat "
// per line; the first starts with the column heading and an empty line.
// The fields are QTextEdit in plain-text mode rather than QPlainTextEdit,
// which cannot set the lines closer than the font's natural spacing.

#include "ui_Wind.h"

#include <QWidget>

class TWindeinstufung : public QWidget, public Ui::TWindeinstufung {
    Q_OBJECT

public:
    explicit TWindeinstufung(QWidget *parent = nullptr);

    void Button1Click();
    void EditSucheChange();
    void EditSucheReturnPressed();
    // The offer for the district in the given row of the matches.
    void ListeTrefferActivated(int zeile);

signals:
    void lageGewaehlt(const QString &lage);
};
