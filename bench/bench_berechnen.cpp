// One full recalculation against the stand-in window.
#include "ErsatzBlatt.h"

#include "engine/Berechnen.h"

#include <QtTest>

class BenchBerechnen : public QObject {
    Q_OBJECT

private slots:
    void berechnen_data();
    void berechnen();
};

void BenchBerechnen::berechnen_data()
{
    QTest::addColumn<QString>("messwert");
    QTest::newRow("Messwert vorhanden") << "ja";
    QTest::newRow("Vorgabewert") << "nein";
}

void BenchBerechnen::berechnen()
{
    QFETCH(QString, messwert);
    Rechenzustand zustand;
    ErsatzBlatt blatt(zustand);
    blatt.vorgeben(Steuerelement::ComboBox5, messwert.toStdString());
    blatt.vorgeben(Steuerelement::Edit6, "120");
    blatt.vorgeben(Steuerelement::Edit8, "3,0");
    blatt.berechne();
    QBENCHMARK {
        Berechnen(blatt, zustand);
    }
    QCOMPARE(blatt.text(Steuerelement::Label39), std::string("143,6"));
}

QTEST_GUILESS_MAIN(BenchBerechnen)
#include "bench_berechnen.moc"
