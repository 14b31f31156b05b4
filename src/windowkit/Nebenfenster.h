#pragma once

// What every secondary window of the program has in common (the reference
// windows, the logo window, and any window added later):
//  - it is not modal and never keeps the program running: closing the main
//    window ends the program, whatever secondary windows are open;
//  - its close box and the Esc key only hide it, its content stays;
//  - hidden and shown again, it keeps the position and size that the user
//    gave it, also where a window manager moved it;
//  - showing it while it is visible changes nothing: it is neither raised
//    nor activated;
//  - the first time it is shown it fits the free area of the screen, and
//    where its own place would cover the main window's menu bar or was
//    never chosen, it opens beside the main window (a window that lays out
//    its content is narrowed, down to half its width, where the room beside
//    is smaller), or else below its menu bar;
//  - its large text fields and pictures follow the window's size, and what
//    lies below or right of them moves along, so that the close button
//    stays in sight. A picture is scaled to its grown or shrunk area,
//    keeping its proportions, unless the window names it as one drawn at
//    its own pixel size: that one keeps its size and top-left corner, and
//    only the area that shows it grows or shrinks.
// A window gets all of this from one call in its constructor; the menu
// items and buttons that open it call NebenfensterZeigen().

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>

#include <vector>

class QLabel;
class QWidget;

class Nebenfenster : public QObject {
    Q_OBJECT

public:
    // Gives the window the behaviour above. The helper lives as a child of
    // the window.
    static void einrichten(QWidget *fenster, const QList<QLabel *> &bilderInEigenerGroesse);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    // A control placed by the design, and how it follows its container:
    // stretched, moved or kept centred in each direction.
    struct Teil {
        QWidget *widget;
        QRect entwurf;
        int behaelter;  // index of its container in teile, -1 for the window
        bool breiter, hoeher;  // stretched
        bool rechts, unten;  // moved by the whole growth
        bool mittig;  // moved by half the growth
        bool skaliert;  // a picture scaled to its area
    };

    Nebenfenster(QWidget *fenster, const QList<QLabel *> &bilderInEigenerGroesse);
    void aufnehmen(QWidget *behaelter, int index, const QList<QLabel *> &bilderInEigenerGroesse);
    void platzieren();
    void mitwachsen();
    void bildAnpassen(QLabel *bild);

    QWidget *fenster;
    QSize entwurf;
    std::vector<Teil> teile;
    struct Bild {
        QPointer<QLabel> label;
        QPixmap original;
        qint64 gezeigt = 0;
    };
    std::vector<Bild> bilder;
    QRect lage;  // the client geometry when it was last hidden
    bool gemerkt = false;
    bool platziert = false;
    bool gewachsen = false;
};

void NebenfensterEinrichten(QWidget *fenster, const QList<QLabel *> &bilderInEigenerGroesse = {});

// Shows a hidden secondary window; a visible one stays as it is.
void NebenfensterZeigen(QWidget *fenster);
