#pragma once

#include <QDateEdit>

// The date field "Bearbeitungsdatum": a QDateEdit that takes a German date
// as it is typed, "15.03.2026", "1.3.2026" or "15032026", and that Tab
// leaves in one step.
//
// QDateEdit moves on to the month by itself once two digits of the day are
// typed, and a dot typed then moved on once more, to the year, where the
// rest of "15.03.2026" went astray: the field kept 15.01. and its old year.
// A dot (or comma, slash or hyphen) typed
// while the field has just moved on is taken as the separator it already
// passed; one typed within a part still moves on. Tab and Shift+Tab go to
// the next and previous field instead of stepping through day, month and
// year, which the arrow keys and the dot still do.
class Datumsfeld : public QDateEdit {
    Q_OBJECT

public:
    explicit Datumsfeld(QWidget *parent = nullptr);

protected:
    bool event(QEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *taste) override;
};
