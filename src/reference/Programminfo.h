#pragma once

// The about box: the program's name, its version, the software maker's
// copyright, address and web address, the photograph credits and the
// maker's logo. Label6 carries the design text "Version" until the menu
// command that opens the box writes the version number into it. Closing
// only hides the window.

#include "ui_Programminfo.h"

#include <QWidget>

class TForm4 : public QWidget, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    void Button1Click();
};
