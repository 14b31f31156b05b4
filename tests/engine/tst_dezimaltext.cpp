#include "engine/Dezimaltext.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>

class TestDezimaltext : public QObject {
    Q_OBJECT

private slots:
    void gebietsschema();
    void lesen_data();
    void lesen();
    void ganzzahl_data();
    void ganzzahl();
    void schreiben_data();
    void schreiben();
    void schreibenUnendlich();
};

// The German run is only worth something if the C library really works with
// a decimal comma there.
void TestDezimaltext::gebietsschema()
{
    if (qEnvironmentVariableIsEmpty("LUVANTO_DEUTSCH_ERWARTET"))
        QCOMPARE(std::localeconv()->decimal_point, std::string_view("."));
    else
        QCOMPARE(std::localeconv()->decimal_point, std::string_view(","));
}

void TestDezimaltext::lesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");

    QTest::newRow("leer → 0") << "" << 0.0;
    QTest::newRow("nur Blanks → 0") << "   " << 0.0;
    QTest::newRow("Vorzeichen allein → 0") << "-" << 0.0;
    QTest::newRow("12,5") << "12,5" << 12.5;
    QTest::newRow("12.5") << "12.5" << 12.5;
    QTest::newRow("1,2e1 → 12") << "1,2e1" << 12.0;
    QTest::newRow("1E-2") << "1E-2" << 0.01;
    QTest::newRow("führende Blanks") << "  75,5" << 75.5;
    QTest::newRow("+3") << "+3" << 3.0;
    QTest::newRow("-10") << "-10" << -10.0;
    QTest::newRow("0,667") << "0,667" << 0.667;
    QTest::newRow(",5 → 0,5") << ",5" << 0.5;
    QTest::newRow("5, → 5") << "5," << 5.0;
    QTest::newRow("12 m² → 12") << "12 m²" << 12.0;
    QTest::newRow("1,2,3 → 1,2") << "1,2,3" << 1.2;
    QTest::newRow("abc → 0") << "abc" << 0.0;
    QTest::newRow(", allein → 0") << "," << 0.0;
    QTest::newRow("2e → 2") << "2e" << 2.0;
    QTest::newRow("2e+ → 2") << "2e+" << 2.0;
    QTest::newRow("1e999 → 0") << "1e999" << 0.0;
    QTest::newRow("-1e999 → 0") << "-1e999" << 0.0;
    QTest::newRow("inf → 0") << "inf" << 0.0;
    QTest::newRow("nan → 0") << "nan" << 0.0;
    QTest::newRow("1e200") << "1e200" << 1e200;
    QTest::newRow("0x10 → 0") << "0x10" << 0.0;
}

void TestDezimaltext::lesen()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(TextZuZahl(text.toStdString()), wert);
}

void TestDezimaltext::ganzzahl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wert");

    QTest::newRow("leer → 0") << "" << 0;
    QTest::newRow("1994") << "1994" << 1994;
    QTest::newRow("1995 mit Blank") << "1995 " << 1995;
    QTest::newRow("1990a") << "1990a" << 1990;
    QTest::newRow("führende Blanks") << "   1980" << 1980;
    QTest::newRow("Buchstaben → 0") << "abc" << 0;
    QTest::newRow("-1") << "-1" << -1;
    QTest::newRow("+2") << "+2" << 2;
    QTest::newRow("1995,5 → 1995") << "1995,5" << 1995;
    QTest::newRow("zu groß → INT_MAX") << "99999999999999999999" << std::numeric_limits<int>::max();
    QTest::newRow("zu klein → INT_MIN") << "-99999999999999999999" << std::numeric_limits<int>::min();
}

void TestDezimaltext::ganzzahl()
{
    QFETCH(QString, text);
    QFETCH(int, wert);
    QCOMPARE(TextZuGanzzahl(text.toStdString()), wert);
}

void TestDezimaltext::schreiben_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("stellen");
    QTest::addColumn<QString>("text");

    QTest::newRow("143,6") << 143.6 << 1 << "143,6";
    QTest::newRow("56,25 → 56,3 (nicht 56,2)") << 56.25 << 1 << "56,3";
    QTest::newRow("0,15 → 0,2") << 0.15 << 1 << "0,2";
    QTest::newRow("2,675 → 2,68") << 2.675 << 2 << "2,68";
    QTest::newRow("-0,05 → -0,1") << -0.05 << 1 << "-0,1";
    QTest::newRow("-0,04 → 0,0 ohne Vorzeichen") << -0.04 << 1 << "0,0";
    QTest::newRow("0 → 0,0") << 0.0 << 1 << "0,0";
    QTest::newRow("-0 → 0,0") << -0.0 << 1 << "0,0";
    QTest::newRow("2/3 → 0,667") << 2.0 / 3.0 << 3 << "0,667";
    QTest::newRow("4,5") << 4.5 << 1 << "4,5";
    QTest::newRow("9,96 → 10,0") << 9.96 << 1 << "10,0";
    QTest::newRow("99,95 → 100,0") << 99.95 << 1 << "100,0";
    QTest::newRow("-40") << -40.0 << 1 << "-40,0";
    QTest::newRow("20,9175 → 20,9") << 20.9175 << 1 << "20,9";
    QTest::newRow("0,04 → 0,0") << 0.04 << 1 << "0,0";
    QTest::newRow("ohne Stellen: 5 → '  5'") << 5.0 << 0 << "  5";
    QTest::newRow("ohne Stellen: 2,5 → '  3'") << 2.5 << 0 << "  3";
    QTest::newRow("ohne Stellen: -7 → ' -7'") << -7.0 << 0 << " -7";
    QTest::newRow("1e-300 → 0,0") << 1e-300 << 1 << "0,0";
    QTest::newRow("1e20") << 1e20 << 1 << "100000000000000000000,0";
    QTest::newRow("1,25e200 voll ausgeschrieben") << 1.25e200 << 1 << (QString("125") + QString(198, '0') + ",0");
}

void TestDezimaltext::schreiben()
{
    QFETCH(double, wert);
    QFETCH(int, stellen);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(ZahlZuText(wert, stellen)), text);
}

void TestDezimaltext::schreibenUnendlich()
{
    const QString ueberlauf = QString::fromUtf8(UeberlaufText.data(), UeberlaufText.size());
    QCOMPARE(ueberlauf, QStringLiteral("Überlauf"));
    const double unendlich = std::numeric_limits<double>::infinity();
    QCOMPARE(QString::fromStdString(ZahlZuText(unendlich, 1)), ueberlauf);
    QCOMPARE(QString::fromStdString(ZahlZuText(-unendlich, 1)), ueberlauf);
    QCOMPARE(QString::fromStdString(ZahlZuText(std::nan(""), 3)), ueberlauf);
}

QTEST_GUILESS_MAIN(TestDezimaltext)
#include "tst_dezimaltext.moc"
