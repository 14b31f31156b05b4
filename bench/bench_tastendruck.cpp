// One keystroke in the area field of the real main window, with every
// recalculation it triggers, until the result labels hold their new texts;
// also after 100 000 characters were pasted into a field, where the
// keystroke goes into that field.
#include "engine/Rechenzustand.h"
#include "lueftung/Lueftung.h"

#include <QClipboard>
#include <QRadioButton>
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
    QTest::addColumn<QString>("eingefuegt");  // the field that gets the paste
    QTest::newRow("Messwert vorhanden") << "ja" << "";
    QTest::newRow("Vorgabewert, graue Felder") << "nein" << "";
    QTest::newRow("100 000 Zeichen in Edit2 eingefügt") << "ja" << "Edit2";
    QTest::newRow("100 000 Zeichen in Edit6 eingefügt") << "ja" << "Edit6";
    QTest::newRow("100 000 Zeichen in ComboBox1 eingefügt") << "ja" << "ComboBox1";
}

void BenchTastendruck::tastendruck()
{
    QFETCH(QString, messwert);
    QFETCH(QString, eingefuegt);
    Rechenzustand zustand;
    TForm1 form(zustand);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    form.ComboBox5->setText(messwert);
    form.ComboBox5Change();
    QTest::keyClicks(form.Edit8, "3,0");
    QTest::keyClicks(form.Edit10, "0,667");
    QTest::keyClicks(form.Edit6, "12");
    QLineEdit *feld = form.Edit6;
    if (eingefuegt == "Edit2")
        feld = form.Edit2;
    else if (eingefuegt == "ComboBox1")
        feld = form.ComboBox1->lineEdit();
    feld->setFocus();
    if (!eingefuegt.isEmpty()) {
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
        QTest::keySequence(feld, QKeySequence::Paste);
        QCOMPARE(feld->text().size(), 1000);
    }

    int taste = 0;
    QBENCHMARK {
        // Alternately one more character and one less: every keystroke
        // changes the text.
        QTest::keyClick(feld, (taste++ % 2) ? Qt::Key_Backspace : Qt::Key_0);
    }
    if (eingefuegt.isEmpty())
        QVERIFY(form.Label39->text() == "143,6" || form.Label39->text() == "53,6");
}

QTEST_MAIN(BenchTastendruck)
#include "bench_tastendruck.moc"
