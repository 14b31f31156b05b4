// Secondary windows under a real window manager (openbox on Xvfb): a window
// that the user moved and resized through the window manager, then closed,
// comes back where the user left it, and opening it again while it is
// visible changes nothing; the Rechenweg opens beside the main window.
#include "Nebenfensterliste.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

class TestFensterlage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bleibtAmPlatz_data();
    void bleibtAmPlatz();
    void rechenwegNebenDemHauptfenster();

private:
    std::unique_ptr<Programm> programm;
};

namespace {

// What a user does with the mouse on the frame: the window manager moves
// and resizes the window, the program is only told.
void Fenstermanager(const QStringList &argumente)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), argumente);
    QVERIFY(xdotool.waitForFinished(10000));
    QCOMPARE(xdotool.exitCode(), 0);
}

}  // namespace

void TestFensterlage::init()
{
    programm = std::make_unique<Programm>();
    programm->Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(programm->Form1.get()));
}

void TestFensterlage::cleanup()
{
    programm.reset();
    // No test starts with the copy of unsaved input another one left.
    QDir(Sicherungskopie::standardordner()).removeRecursively();
}

void TestFensterlage::bleibtAmPlatz_data()
{
    NebenfensterZeilen();
}

void TestFensterlage::bleibtAmPlatz()
{
    QFETCH(QString, ausloeser);
    programm->Form1->Image7Click();
    const auto oeffnen = [&] { NebenfensterOeffnen(*programm, ausloeser); };
    oeffnen();
    QWidget *fenster = OffenesNebenfenster(*programm);
    QVERIFY(fenster);
    QVERIFY(QTest::qWaitForWindowExposed(fenster));

    const QString id = QString::number(fenster->winId());
    const QSize groesse = fenster->size() - QSize(30, 20);
    Fenstermanager(
        {QStringLiteral("windowsize"), id, QString::number(groesse.width()), QString::number(groesse.height())});
    QTRY_COMPARE(fenster->size(), groesse);
    Fenstermanager({QStringLiteral("windowmove"), id, QStringLiteral("300"), QStringLiteral("150")});
    QTRY_VERIFY(fenster->geometry().topLeft().x() >= 300 && fenster->geometry().topLeft().x() < 320);
    QTest::qWait(200);
    const QRect platz = fenster->geometry();

    // Opened again while visible: nothing moves.
    oeffnen();
    QTest::qWait(300);
    QCOMPARE(fenster->geometry(), platz);

    for (int mal = 0; mal < 2; ++mal) {
        fenster->close();
        QTRY_VERIFY(!fenster->isVisible());
        QTest::qWait(200);
        oeffnen();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        QTest::qWait(300);
        QCOMPARE(fenster->geometry(), platz);
    }
}

// Where the screen has room beside the main window, the Rechenweg opens
// there, narrowed if need be, not over the inputs.
void TestFensterlage::rechenwegNebenDemHauptfenster()
{
    NebenfensterOeffnen(*programm, QStringLiteral("Rechenweg1"));
    QWidget *fenster = OffenesNebenfenster(*programm);
    QVERIFY(fenster);
    QVERIFY(QTest::qWaitForWindowExposed(fenster));
    QTest::qWait(300);
    QVERIFY(!fenster->frameGeometry().intersects(programm->Form1->frameGeometry()));
    QVERIFY(fenster->screen()->availableGeometry().contains(fenster->frameGeometry()));
}

QTEST_MAIN(TestFensterlage)
#include "tst_fensterlage.moc"
