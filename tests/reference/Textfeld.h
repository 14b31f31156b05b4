#pragma once

// Reading the reference windows' text fields back the way the user sees
// them, whichever kind of text field a window uses.

#include <QAbstractScrollArea>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>

inline QTextDocument *Dokument(QAbstractScrollArea *feld)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(feld))
        return plain->document();
    if (auto *rich = qobject_cast<QTextEdit *>(feld))
        return rich->document();
    return nullptr;
}

inline QString Text(QAbstractScrollArea *feld)
{
    QTextDocument *dokument = Dokument(feld);
    return dokument ? dokument->toPlainText() : QString();
}

inline QStringList Zeilen(QAbstractScrollArea *feld)
{
    return Text(feld).split(QLatin1Char('\n'));
}
