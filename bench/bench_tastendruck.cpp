// One keystroke in the area field of the real main window, with every
// recalculation it triggers, until the result labels hold their new texts;
// the whole program as it runs, with the Rechenweg window hidden or open;
// also after 100 000 characters were pasted into a field, where the
// keystroke goes into that field.
#include "app/Programm.h"

#include <QClipboard>
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
    QTest::addColumn<QString>("eingefuegt");  // the field that gets the paste
    QTest::addColumn<QString>("exponent");
    QTest::newRow("Messwert vorhanden") << "ja" << false << ""
                                        << "0,667";
    QTest::newRow("Vorgabewert, graue Felder") << "nein" << false << ""
                                               << "0,667";
    QTest::newRow("Messwert vorhanden, Rechenweg offen") << "ja" << true << ""
                                                         << "0,667";
    QTest::newRow("Vorgabewert, Rechenweg offen") << "nein" << true << ""
                                                  << "0,667";
    // The hint on the empty exponent runs the engine a second time.
    QTest::newRow("Messwert, Druckexponent leer") << "ja" << false << ""
                                                  << "";
    QTest::newRow("100 000 Zeichen in Edit2 eingefügt") << "ja" << false << "Edit2"
                                                        << "0,667";
    QTest::newRow("100 000 Zeichen in Edit6 eingefügt") << "ja" << false << "Edit6"
                                                        << "0,667";
    QTest::newRow("100 000 Zeichen in ComboBox1 eingefügt") << "ja" << false << "ComboBox1"
                                                            << "0,667";
}

void BenchTastendruck::tastendruck()
{
    QFETCH(QString, messwert);
    QFETCH(bool, rechenweg);
    QFETCH(QString, eingefuegt);
    QFETCH(QString, exponent);
    Programm programm;
    TForm1 &form = *programm.Form1;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    form.ComboBox5->setText(messwert);
    form.ComboBox5Change();
    QTest::keyClicks(form.Edit8, "3,0");
    QTest::keyClicks(form.Edit10, exponent);
    QTest::keyClicks(form.Edit6, "12");
    if (rechenweg) {
        programm.Rechenweg1Click();
        QVERIFY(QTest::qWaitForWindowExposed(programm.Rechenwegfenster.get()));
    }
    QLineEdit *feld = form.Edit6;
    if (eingefuegt == "Edit2")
        feld = form.Edit2;
    else if (eingefuegt == "ComboBox1")
        feld = form.ComboBox1->lineEdit();
    feld->setFocus();
    if (!eingefuegt.isEmpty()) {
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
        QTest::keySequence(feld, QKeySequence::Paste);
        QCOMPARE(feld->text().size(), feld->maxLength());
    }

    int taste = 0;
    QBENCHMARK
    {
        // Alternately one more character and one less: every keystroke
        // changes the text.
        QTest::keyClick(feld, (taste++ % 2) ? Qt::Key_Backspace : Qt::Key_0);
    }
    if (eingefuegt.isEmpty())
        QVERIFY(form.Label39->text() == "143,6" || form.Label39->text() == "53,6");
    QCOMPARE(programm.Rechenwegfenster->zeilen().empty(), !rechenweg);
}

QTEST_MAIN(BenchTastendruck)
#include "bench_tastendruck.moc"
