#pragma once

// Tooltips of every window wrap at a readable width. Qt shows a plain-text
// tooltip on one line as long as the screen allows: on a wide screen a
// sentence of 200 characters runs across half of it. Installed once on the
// application, this filter breaks such a text at word boundaries into lines
// of about 60 characters before Qt shows it; rich-text tooltips, which Qt
// wraps itself, and short ones stay as they are. Item views' tooltips (the
// model's ToolTipRole) are wrapped the same way.

#include <QObject>
#include <QString>

class Tooltipumbruch : public QObject {
public:
    static constexpr int Zeichen = 60;

    // Filters the events of every object of the application; owned by it.
    static void Einrichten();

    // text broken into lines of at most zeichen characters at blanks; a
    // word longer than that keeps a line of its own. Line breaks in text
    // stay.
    static QString Umbrechen(const QString &text, int zeichen = Zeichen);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    using QObject::QObject;
};
