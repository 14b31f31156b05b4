#pragma once

// What every secondary window of the program has in common (the reference
// windows, the logo window, and any window added later):
//  - it is not modal and never keeps the program running: closing the main
//    window ends the program, whatever secondary windows are open;
//  - its close box and the Esc key only hide it, its content stays;
//  - hidden and shown again, it keeps the position and size that the user
//    gave it, also where a window manager moved it;
//  - showing it while it is visible changes nothing: it is neither raised
//    nor activated.
// A window gets all of this from one call in its constructor; the menu
// items and buttons that open it call NebenfensterZeigen().

#include <QObject>
#include <QRect>

class QWidget;

class Nebenfenster : public QObject {
    Q_OBJECT

public:
    // Gives the window the behaviour above. The helper lives as a child of
    // the window.
    static void einrichten(QWidget *fenster);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    explicit Nebenfenster(QWidget *fenster);

    QWidget *fenster;
    QRect lage;           // the client geometry when it was last hidden
    bool gemerkt = false;
};

void NebenfensterEinrichten(QWidget *fenster);

// Shows a hidden secondary window; a visible one stays as it is.
void NebenfensterZeigen(QWidget *fenster);
