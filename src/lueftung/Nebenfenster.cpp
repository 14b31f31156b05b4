#include "lueftung/Nebenfenster.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

Nebenfenster::Nebenfenster(QWidget *f)
    : QObject(f)
    , fenster(f)
{
    fenster->setAttribute(Qt::WA_QuitOnClose, false);
    fenster->installEventFilter(this);
    // A window shortcut: a control that wants Esc for itself (an open list,
    // say) still gets it first.
    new QShortcut(QKeySequence(Qt::Key_Escape), fenster, fenster, &QWidget::hide,
                  Qt::WindowShortcut);
}

void Nebenfenster::einrichten(QWidget *fenster)
{
    new Nebenfenster(fenster);
}

bool Nebenfenster::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt != fenster)
        return false;
    if (ereignis->type() == QEvent::Hide && fenster->isWindow()) {
        lage = fenster->geometry();
        gemerkt = true;
    } else if (ereignis->type() == QEvent::Show && gemerkt) {
        // The show event comes before the window is mapped again. Placing
        // the window explicitly, also at the place it already has, tells the
        // window manager that the place is chosen: without that, a window
        // manager that moved the window places it anew.
        if (QWindow *fensterGriff = fenster->windowHandle())
            fensterGriff->setGeometry(lage);
    }
    return false;
}

void NebenfensterEinrichten(QWidget *fenster)
{
    Nebenfenster::einrichten(fenster);
}

void NebenfensterZeigen(QWidget *fenster)
{
    if (fenster->isHidden())
        fenster->show();
}
