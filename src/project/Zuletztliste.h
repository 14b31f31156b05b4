#pragma once

// The projects opened or saved last, newest first, and the folder used
// last, kept in the user's settings. Every call reads or writes the
// settings afresh, so two programs running at once share one list.

#include <QString>
#include <QStringList>

#include <functional>

class Zuletztliste {
public:
    static constexpr int Hoechstens = 8;

    QStringList pfade() const;
    // Puts pfad on top (once) and its folder as the folder used last.
    void eintragen(const QString &pfad);
    void entfernen(const QString &pfad);
    // Empty when no project was opened or saved yet.
    QString ordner() const;
};

class QMenu;

// Fills menue with one entry per path, newest first: "&1 <file name> – <folder>"
// with Strg+1 … Strg+8; choosing one calls waehlen with its path. Disabled
// while there are none.
void ZuletztMenueFuellen(QMenu &menue, const QStringList &pfade, const std::function<void(const QString &)> &waehlen);
