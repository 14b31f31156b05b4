// The program on a screen of 1280 × 720 pixels, smaller than the main
// window's design: the main window fits the screen and its inputs scroll,
// also under the wheel over an unfocused combo box, while the verdict stays
// in sight below them; every secondary window fits the screen beside the
// main window's menu bar, with its close button in sight and its large
// text field or picture inside the window.

#include "Nebenfensterliste.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <qtestspontaneevent.h>

#include <memory>

class TestKleinerBildschirm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hauptfensterRollt();
    void nebenfensterPassen_data();
    void nebenfensterPassen();

private:
    QRect frei() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    std::unique_ptr<Programm> programm;
};

void TestKleinerBildschirm::init()
{
    QCOMPARE(frei().size(), QSize(1280, 720));
    programm = std::make_unique<Programm>();
    programm->Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(programm->Form1.get()));
}

void TestKleinerBildschirm::cleanup()
{
    programm.reset();
    // No test starts with the copy of unsaved input another one left.
    QDir(Sicherungskopie::standardordner()).removeRecursively();
}

void TestKleinerBildschirm::hauptfensterRollt()
{
    TForm1 &form = *programm->Form1;
    QVERIFY2(frei().contains(form.frameGeometry()), qPrintable(QDebug::toString(form.frameGeometry())));
    QVERIFY(!form.Panel8->isVisible());  // behind the start page
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    QTest::keyClicks(form.Edit6, "120");
    QTest::keyClicks(form.Edit8, "3");
    QVERIFY(form.Label31->isVisible());

    auto *rolle = form.findChild<QScrollArea *>(QStringLiteral("Rollflaeche"));
    QVERIFY(rolle);
    QScrollBar *balken = rolle->verticalScrollBar();
    QVERIFY(balken->maximum() > 0);
    // The page is as wide as the window: only one direction scrolls.
    QCOMPARE(rolle->horizontalScrollBar()->maximum(), 0);
    // In the window and outside the scrolled part, whatever is scrolled.
    const auto urteilSichtbar = [&] {
        const QRect urteil(form.Panel8->mapTo(&form, QPoint(0, 0)), form.Panel8->size());
        const QRect rollteil(rolle->mapTo(&form, QPoint(0, 0)), rolle->size());
        return form.Panel8->isVisible() && form.rect().contains(urteil) && !urteil.intersects(rollteil);
    };
    QVERIFY(urteilSichtbar());

    // The wheel over "Neubau ?", which has no focus, scrolls the inputs to
    // their end.
    const QString neubau = form.ComboBox7->text();
    for (int mal = 0; mal < 20 && balken->value() < balken->maximum(); ++mal) {
        // As the window system delivers it to the field under the mouse, so
        // that it goes on to the parents when the field does not take it.
        QWidget *feld = form.ComboBox7->lineEdit();
        const QPoint mitte = feld->rect().center();
        QWheelEvent rad(mitte, feld->mapToGlobal(mitte), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&rad);
        qApp->notify(feld, &rad);
        QVERIFY(urteilSichtbar());
    }
    QCOMPARE(balken->value(), balken->maximum());
    QCOMPARE(form.ComboBox7->text(), neubau);
    // The last inputs are in sight above the verdict.
    const QRect heizung(form.Panel4->mapTo(rolle->viewport(), QPoint(0, 0)), form.Panel4->size());
    QVERIFY(rolle->viewport()->rect().contains(heizung));
}

void TestKleinerBildschirm::nebenfensterPassen_data()
{
    NebenfensterZeilen();
}

void TestKleinerBildschirm::nebenfensterPassen()
{
    QFETCH(QString, ausloeser);
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    NebenfensterOeffnen(*programm, ausloeser);
    QWidget *fenster = OffenesNebenfenster(*programm);
    QVERIFY(fenster);
    QVERIFY(QTest::qWaitForWindowExposed(fenster));

    QVERIFY2(frei().contains(fenster->frameGeometry()), qPrintable(QDebug::toString(fenster->frameGeometry())));
    const QRect menue(form.menuBar()->mapToGlobal(QPoint(0, 0)), form.menuBar()->size());
    QVERIFY(!fenster->frameGeometry().intersects(menue));
    for (QWidget *teil : fenster->findChildren<QWidget *>()) {
        const bool knopf = qobject_cast<QPushButton *>(teil) != nullptr;
        const bool gross = teil->width() * 2 >= fenster->width() && !teil->isHidden();
        if (!(knopf || gross) || teil->isHidden())
            continue;
        const QRect lage(teil->mapTo(fenster, QPoint(0, 0)), teil->size());
        QVERIFY2(fenster->rect().contains(lage), qPrintable(teil->objectName()));
    }

    // Made smaller by the user, its largest part shrinks with it and the
    // close button stays in sight.
    QWidget *groesster = nullptr;
    for (QWidget *teil : fenster->findChildren<QWidget *>())
        if (!teil->isHidden() && teil->parentWidget() == fenster
            && (!groesster || teil->width() * teil->height() > groesster->width() * groesster->height()))
            groesster = teil;
    QVERIFY(groesster);
    const QSize vorher = groesster->size();
    fenster->resize(fenster->size() - QSize(40, 30));
    QVERIFY(groesster->width() < vorher.width() || groesster->height() < vorher.height());
    for (QPushButton *knopf : fenster->findChildren<QPushButton *>()) {
        if (knopf->isHidden())
            continue;
        const QRect lage(knopf->mapTo(fenster, QPoint(0, 0)), knopf->size());
        QVERIFY2(fenster->rect().contains(lage), qPrintable(knopf->objectName()));
    }
}

QTEST_MAIN(TestKleinerBildschirm)
#include "tst_kleinerbildschirm.moc"
