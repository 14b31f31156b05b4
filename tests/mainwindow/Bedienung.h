#pragma once

// Drives the main window the way a user does: mouse clicks on radio buttons
// and list entries, keystrokes in fields.

#include "mainwindow/Kombifeld.h"
#include "mainwindow/RadioGroup.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace Bedienung {

inline void Klicken(RadioGroup *gruppe, int eintrag)
{
    auto *knopf = gruppe->findChild<QRadioButton *>(gruppe->objectName() + "_" + QString::number(eintrag));
    QVERIFY(knopf);
    QVERIFY(knopf->isVisible());
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
}

// Picks an entry from the combo box's list with the mouse.
inline void Waehlen(Kombifeld *kombi, const QString &eintrag)
{
    const int zeile = kombi->findText(eintrag, Qt::MatchExactly);
    QVERIFY2(zeile >= 0, qPrintable(eintrag));
    kombi->showPopup();
    QAbstractItemView *liste = kombi->view();
    QTRY_VERIFY(liste->isVisible());
    const QModelIndex index = kombi->model()->index(zeile, 0);
    liste->scrollTo(index);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(index).center());
    QTRY_VERIFY(!liste->isVisible());
}

// Replaces the text of a field by typing: select all, then the keys.
inline void Tippen(QLineEdit *feld, const QString &text)
{
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(feld, Qt::Key_Delete);
    else
        QTest::keyClicks(feld, text);
}

inline void Tippen(Kombifeld *kombi, const QString &text)
{
    Tippen(kombi->lineEdit(), text);
}

}  // namespace Bedienung
