#include "mainwindow/Radsperre.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

Radsperre::Radsperre(QObject *parent)
    : QObject(parent)
{
}

void Radsperre::schuetzen(QWidget *feld)
{
    feld->setFocusPolicy(Qt::StrongFocus);
    feld->installEventFilter(this);
}

bool Radsperre::eventFilter(QObject *ziel, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::Wheel)
        return false;
    const auto *feld = static_cast<QWidget *>(ziel);
    const QWidget *fokus = QApplication::focusWidget();
    if (fokus && (fokus == feld || feld->isAncestorOf(fokus)))
        return false;
    // Handled here, but not accepted: the application hands it on to the
    // parent widgets.
    ereignis->ignore();
    return true;
}
