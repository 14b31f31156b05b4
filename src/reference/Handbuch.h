#pragma once

// The manual ("? → Handbuch", F1): a short German guide to the check, its
// results, the hints on the input, the Rechenweg, buildings with many
// units, files and printing, and the command line, shown from an embedded
// page in a browser of its own. Closing only hides the window.

#include "ui_Handbuch.h"

#include <QWidget>

class THandbuch : public QWidget, public Ui::THandbuch {
    Q_OBJECT

public:
    explicit THandbuch(QWidget *parent = nullptr);
};
