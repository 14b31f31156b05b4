#include "mainwindow/Bildfeld.h"

#include <QMouseEvent>

Bildfeld::Bildfeld(QWidget *parent)
    : QLabel(parent)
{
}

void Bildfeld::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit geklickt();
    QLabel::mouseReleaseEvent(event);
}
