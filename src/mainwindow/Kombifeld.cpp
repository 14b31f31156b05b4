#include "mainwindow/Kombifeld.h"

#include <QLineEdit>

Kombifeld::Kombifeld(QWidget *parent)
    : QComboBox(parent)
{
    // Given its field directly rather than by setEditable(), which would
    // also build the popup list at once: the list is built when it first
    // opens, and the window comes up sooner.
    setLineEdit(new QLineEdit(this));
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(10);
    connect(lineEdit(), &QLineEdit::textEdited, this, &Kombifeld::geaendert);
    connect(this, &QComboBox::activated, this, &Kombifeld::geaendert);
    // A long entry chosen from the list shows its beginning, not its end.
    connect(this, &QComboBox::activated, this, [this] { lineEdit()->setCursorPosition(0); });
}

void Kombifeld::setText(const QString &text)
{
    const bool anders = text != currentText();
    {
        const QSignalBlocker stumm(this);
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        setEditText(text);
        lineEdit()->setCursorPosition(0);
    }
    if (anders)
        emit textGesetzt();
}

void Kombifeld::waehlen(const QString &text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return;
    setCurrentIndex(index);
    emit activated(index);
}
