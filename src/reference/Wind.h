#pragma once

// The list of wind-strong districts, in four text fields side by side
// under a bold heading. The list is reference text for the user only:
// nothing in the program reads it, and what the user types into it is
// never stored. Closing only hides the window.
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
};
