#pragma once

// The chart of ventilation systems: one JPEG picture, decoded by libjpeg
// when the window is first shown (it is the largest picture of the program
// and would otherwise slow down every start), and a close button. Closing
// only hides the window.

#include "ui_Konzept.h"

#include <QWidget>

class TForm6 : public QWidget, public Ui::TForm6 {
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool bildGeladen = false;
};
