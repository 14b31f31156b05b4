#pragma once

// Every secondary window of the program, for the tests that check what all
// of them share: the menu item or button that opens it, and its caption.

#include "app/Programm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QtTest>

// The rows: "ausloeser" (object name of the menu item or button) and
// "titel" (the window's caption).
inline void NebenfensterZeilen()
{
    QTest::addColumn<QString>("ausloeser");
    QTest::addColumn<QString>("titel");
    QTest::newRow("Überlassungsbedingungen") << "berlassungsbedingungen3"
                                             << "Überlassungsbedingungen";
    QTest::newRow("Informationen zur DIN 1946-6") << "InformationenzurDIN194661"
                                                  << "Information zur DIN 1946-6";
    QTest::newRow("Info") << "Info1"
                          << "Morvendix Software GmbH";
    QTest::newRow("Regionale Zuordnung") << "Button3"
                                         << "Windeinstufung";
    QTest::newRow("Übersicht Lüftungstechnische Maßnahmen") << "Button4"
                                                            << "Lüftungssysteme";
    QTest::newRow("Logoeinbindung") << "Logoeinbindung1"
                                    << "Logo";
    QTest::newRow("Rechenweg") << "Rechenweg1"
                               << "Rechenweg";
    QTest::newRow("Gebäudeübersicht") << "Gebaeudeuebersicht1"
                                      << "Gebäudeübersicht";
    QTest::newRow("Handbuch") << "Handbuch1"
                              << "Handbuch";
}

// Opens the window the way the user does: its menu item or its button.
inline void NebenfensterOeffnen(Programm &programm, const QString &ausloeser)
{
    if (auto *aktion = programm.Form1->findChild<QAction *>(ausloeser))
        aktion->trigger();
    else
        QTest::mouseClick(programm.Form1->findChild<QPushButton *>(ausloeser), Qt::LeftButton);
}

// The secondary window that is open, or nothing.
inline QWidget *OffenesNebenfenster(const Programm &programm)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != programm.Form1.get() && w->windowType() == Qt::Window)
            return w;
    return nullptr;
}
