// One full recalculation against the stand-in window, with and without the
// record of its way that the program always keeps.
#include "ErsatzBlatt.h"

#include "engine/Berechnen.h"
#include "engine/Rechenweg.h"

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
    QTest::addColumn<bool>("aufzeichnen");
    QTest::newRow("Messwert vorhanden") << "ja" << false;
    QTest::newRow("Vorgabewert") << "nein" << false;
    QTest::newRow("Messwert vorhanden, mit Rechenweg") << "ja" << true;
    QTest::newRow("Vorgabewert, mit Rechenweg") << "nein" << true;
}

void BenchBerechnen::berechnen()
{
    QFETCH(QString, messwert);
    QFETCH(bool, aufzeichnen);
    Rechenweg weg;
    Rechenzustand zustand;
    if (aufzeichnen)
        zustand.weg = &weg;
    ErsatzBlatt blatt(zustand);
    blatt.vorgeben(Steuerelement::ComboBox5, messwert.toStdString());
    blatt.vorgeben(Steuerelement::Edit6, "120");
    blatt.vorgeben(Steuerelement::Edit8, "3,0");
    blatt.berechne();
    QBENCHMARK
    {
        Berechnen(blatt, zustand);
    }
    QCOMPARE(blatt.text(Steuerelement::Label39), std::string("143,6"));
    QCOMPARE(weg.laeufe > 0, aufzeichnen);
}

QTEST_GUILESS_MAIN(BenchBerechnen)
#include "bench_berechnen.moc"
