#include "mainwindow/Datumsfeld.h"

#include <QKeyEvent>
#include <QLineEdit>

Datumsfeld::Datumsfeld(QWidget *parent)
    : QDateEdit(parent)
{
}

bool Datumsfeld::event(QEvent *ereignis)
{
    if (ereignis->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        const bool tab = taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab;
        if (tab && !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const bool vor = taste->key() == Qt::Key_Tab && !(taste->modifiers() & Qt::ShiftModifier);
            // QWidget's own step, not QDateTimeEdit's, which goes to the
            // next part of the date.
            QAbstractSpinBox::focusNextPrevChild(vor);
            return true;
        }
    }
    return QDateEdit::event(ereignis);
}

void Datumsfeld::keyPressEvent(QKeyEvent *taste)
{
    const QString text = taste->text();
    const bool trenner = text == QLatin1String(".") || text == QLatin1String(",") || text == QLatin1String("/")
        || text == QLatin1String("-");
    if (!trenner || (taste->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
        QDateEdit::keyPressEvent(taste);
        return;
    }
    // A part chosen whole: the field has just moved on to it.
    if (lineEdit()->hasSelectedText()) {
        taste->accept();
        return;
    }
    QKeyEvent punkt(taste->type(), Qt::Key_Period, taste->modifiers(), QStringLiteral("."));
    QDateEdit::keyPressEvent(&punkt);
    taste->setAccepted(punkt.isAccepted());
}
