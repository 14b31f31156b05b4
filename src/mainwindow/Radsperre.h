#pragma once

#include <QObject>

class QWidget;

// Lets the mouse wheel change a combo box or a date field only while it has
// the keyboard focus. Without the focus the wheel goes on to the parents,
// where a scrolling client area scrolls, and the field does not take the
// focus from the wheel either.
class Radsperre : public QObject {
    Q_OBJECT

public:
    explicit Radsperre(QObject *parent = nullptr);

    void schuetzen(QWidget *feld);

protected:
    bool eventFilter(QObject *ziel, QEvent *ereignis) override;
};
