// Secondary windows under a real window manager (openbox on Xvfb): a window
// that the user moved and resized through the window manager, then closed,
// comes back where the user left it, and opening it again while it is
// visible changes nothing.
#include "app/Programm.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestFensterlage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bleibtAmPlatz_data();
    void bleibtAmPlatz();

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

} // namespace

void TestFensterlage::init()
{
    programm = std::make_unique<Programm>();
    programm->Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(programm->Form1.get()));
}

void TestFensterlage::cleanup()
{
    programm.reset();
}

void TestFensterlage::bleibtAmPlatz_data()
{
    QTest::addColumn<QString>("ausloeser");
    QTest::newRow("Überlassungsbedingungen") << "berlassungsbedingungen3";
    QTest::newRow("Informationen zur DIN 1946-6") << "InformationenzurDIN194661";
    QTest::newRow("Info") << "Info1";
    QTest::newRow("Regionale Zuordnung") << "Button3";
    QTest::newRow("Übersicht Lüftungstechnische Maßnahmen") << "Button4";
    QTest::newRow("Logoeinbindung") << "Logoeinbindung1";
}

void TestFensterlage::bleibtAmPlatz()
{
    QFETCH(QString, ausloeser);
    programm->Form1->Image7Click();
    const auto oeffnen = [&] {
        if (auto *aktion = programm->Form1->findChild<QAction *>(ausloeser))
            aktion->trigger();
        else
            programm->Form1->findChild<QPushButton *>(ausloeser)->click();
    };
    oeffnen();
    QWidget *fenster = QApplication::activeWindow();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != programm->Form1.get() && w->windowType() == Qt::Window)
            fenster = w;
    QVERIFY(fenster && fenster != programm->Form1.get());
    QVERIFY(QTest::qWaitForWindowExposed(fenster));

    const QString id = QString::number(fenster->winId());
    const QSize groesse = fenster->size() - QSize(30, 20);
    Fenstermanager({QStringLiteral("windowsize"), id, QString::number(groesse.width()),
                    QString::number(groesse.height())});
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

QTEST_MAIN(TestFensterlage)
#include "tst_fensterlage.moc"
