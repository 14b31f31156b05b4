#pragma once

// The information sheet on DIN 1946-6: one text field, all in bold, with
// the chapters and annexes of the standard, its ventilation levels and the
// rule for the necessity of ventilation measures, and a close button. The
// user may type into the field; the change is never stored. Closing only
// hides the window.

#include "ui_Information.h"

#include <QWidget>

class TForm3 : public QWidget, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    void Button3Click();
};
