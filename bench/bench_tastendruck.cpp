// One keystroke in the area field of the real main window, with every
// recalculation it triggers, until the result labels hold their new texts;
// the whole program as it runs, with the Rechenweg window hidden or open.
#include "app/Programm.h"

#include <QtTest>

class BenchTastendruck : public QObject {
    Q_OBJECT

private slots:
    void tastendruck_data();
    void tastendruck();
};

void BenchTastendruck::tastendruck_data()
{
    QTest::addColumn<QString>("messwert");
    QTest::addColumn<bool>("rechenweg");
    QTest::newRow("Messwert vorhanden") << "ja" << false;
    QTest::newRow("Vorgabewert, graue Felder") << "nein" << false;
    QTest::newRow("Messwert vorhanden, Rechenweg offen") << "ja" << true;
    QTest::newRow("Vorgabewert, Rechenweg offen") << "nein" << true;
}

void BenchTastendruck::tastendruck()
{
    QFETCH(QString, messwert);
    QFETCH(bool, rechenweg);
    Programm programm;
    TForm1 &form = *programm.Form1;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    form.ComboBox5->setText(messwert);
    form.ComboBox5Change();
    QTest::keyClicks(form.Edit8, "3,0");
    QTest::keyClicks(form.Edit10, "0,667");
    QTest::keyClicks(form.Edit6, "12");
    if (rechenweg) {
        programm.Rechenweg1Click();
        QVERIFY(QTest::qWaitForWindowExposed(programm.Rechenwegfenster.get()));
    }
    form.Edit6->setFocus();

    int taste = 0;
    QBENCHMARK {
        // Alternately "120" and "12": every keystroke changes the text.
        QTest::keyClick(form.Edit6, (taste++ % 2) ? Qt::Key_Backspace : Qt::Key_0);
    }
    QVERIFY(form.Label39->text() == "143,6" || form.Label39->text() == "53,6");
    QCOMPARE(programm.Rechenwegfenster->zeilen().empty(), !rechenweg);
}

QTEST_MAIN(BenchTastendruck)
#include "bench_tastendruck.moc"
