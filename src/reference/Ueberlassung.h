#pragma once

// The terms of use: one text field with the fixed text of the terms and a
// close button. The user may type into the field; the change lasts while
// the program runs and is never stored. Closing only hides the window.

#include "ui_Ueberlassung.h"

#include <QWidget>

class TForm2 : public QWidget, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    void Button1Click();
};
