#include "mainwindow/Adressen.h"
#include "reference/Information.h"
#include "reference/Ueberlassung.h"

#include "Textfeld.h"

#include <QtTest>

// The fixed texts of the terms of use and of the information sheet, read
// back from the windows' text fields.
class TestReferenztexte : public QObject {
    Q_OBJECT

private slots:
    void informationAnfang();
    void informationAnhaenge();
    void informationLueftungsstufen();
    void informationLueftungskonzept();
    void informationSchluss();
    void informationFett();
    void ueberlassungTitel();
    void ueberlassungGliederung();
    void ueberlassungAbsaetze_data();
    void ueberlassungAbsaetze();
    void ueberlassungAdressen();
};

static QStringList Information()
{
    TForm3 fenster;
    return Zeilen(fenster.Memo1);
}

static QStringList Ueberlassung()
{
    TForm2 fenster;
    return Zeilen(fenster.Memo2);
}

void TestReferenztexte::informationAnfang()
{
    const QStringList erwartet = {
        QStringLiteral("DIN 1946 Teil 6   (Ausgabe Mai 2009)"),
        QStringLiteral("Lüftung im Wohnungsbau"),
        QStringLiteral("1.0 Anwendungsbereich"),
        QStringLiteral("2.0 Normative Verweisung"),
        QStringLiteral("3.0 Begriffe"),
        QStringLiteral("4.0 Lüftungskonzept - Notwendige lüftungstechnischen Maßnahmen"),
        QStringLiteral("5.0 Lüftungskonzept - Auswahl von Lüftungssystemen"),
        QStringLiteral("6.0 Festlegung der Außenluftvolumenströme"),
        QStringLiteral("7.0 Freie Lüftung"),
        QStringLiteral("8.0 Ventilatorgestützte Lüftung"),
        QStringLiteral("9.0 Hinweise für die Ausführung"),
        QStringLiteral("10.0 Dokumentation und Kennzeichnung"),
        QStringLiteral("11.0 Inbetriebnahme und Übergabe"),
        QStringLiteral("12.0 Instandhaltung"),
    };
    QCOMPARE(Information().mid(0, erwartet.size()), erwartet);
}

void TestReferenztexte::informationAnhaenge()
{
    const QStringList erwartet = {
        QString(),
        QStringLiteral("Anhänge:"),
        QStringLiteral("A informativ Darstellung von Lüftungssystemen"),
        QStringLiteral("B normativ Lüftungskonzept"),
        QStringLiteral("C normativ Inbetriebnahme und Übergabe"),
        QStringLiteral("D informativ Optionale Vollständigkeits- u. Funktionsweise; Inbetriebn. u. Übergabe"),
        QStringLiteral("E normativ Instandhaltung"),
        QStringLiteral("F informativ Optionale Funktionsweise; Instandhaltung"),
        QStringLiteral("G informativ Erläuterungen zur Gleichwertigkeit für die E-K. v. Zu- u. Abluftsystemen"),
        QStringLiteral("H normativ Winddaten für Deutschland"),
        QStringLiteral("I informativ Erläuterungen zur detaillierteren Berechnung der Infiltration"),
        QStringLiteral("J informativ Formblatt Beispiel"),
        QStringLiteral("Literaturhinweise"),
        QString(),
        QStringLiteral("Lüftungsformen / -stufen"),
    };
    // Right after the twelve chapters.
    QCOMPARE(Information().mid(14, erwartet.size()), erwartet);
}

// The levels follow the heading in this order, each after an empty line
// but the first.
void TestReferenztexte::informationLueftungsstufen()
{
    const QStringList zeilen = Information();
    const QStringList stufen = {
        QStringLiteral("Lüftung zum Feuchteschutz (FL): "),
        QStringLiteral("Reduzierte Lüftung (RL): "),
        QStringLiteral("Nennlüftung (NL): "),
        QStringLiteral("ANMERKUNG: "),
        QStringLiteral("Intensivlüftung (IL): "),
    };
    int zuletzt = zeilen.indexOf(QStringLiteral("Lüftungsformen / -stufen"));
    QVERIFY(zuletzt >= 0);
    for (const QString &stufe : stufen) {
        int gefunden = -1;
        for (int i = zuletzt + 1; i < zeilen.size() && gefunden < 0; ++i)
            if (zeilen.at(i).startsWith(stufe))
                gefunden = i;
        QVERIFY2(gefunden > zuletzt, qPrintable(stufe));
        if (stufe == stufen.first())
            QCOMPARE(gefunden, zuletzt + 1);
        else
            QCOMPARE(zeilen.at(gefunden - 1), QString());
        QVERIFY2(zeilen.at(gefunden).size() > stufe.size() + 20, qPrintable(zeilen.at(gefunden)));
        zuletzt = gefunden;
    }
}

void TestReferenztexte::informationLueftungskonzept()
{
    const QStringList zeilen = Information();
    const int kopf = zeilen.indexOf(QStringLiteral("Lüftungskonzept (LK)"));
    QVERIFY(kopf > 0);
    QCOMPARE(zeilen.at(kopf - 1), QString());
    QCOMPARE(zeilen.at(kopf + 1), QStringLiteral("Grundlage: ganzheitliche Betrachtung:"));
    for (int i = kopf + 2; i < kopf + 5; ++i)
        QVERIFY2(zeilen.at(i).startsWith(QLatin1String("- ")), qPrintable(zeilen.at(i)));
    QCOMPARE(zeilen.at(kopf + 5), QStringLiteral("usw. definiert: "));

    // Two dash items, each possibly carried on over indented lines, up to
    // the empty line before the closing rule.
    int punkte = 0;
    int i = kopf + 6;
    for (; i < zeilen.size() && !zeilen.at(i).isEmpty(); ++i) {
        if (zeilen.at(i).startsWith(QLatin1String("- ")))
            ++punkte;
        else
            QVERIFY2(zeilen.at(i).startsWith(QLatin1String("  ")), qPrintable(zeilen.at(i)));
    }
    QCOMPARE(punkte, 2);
    QCOMPARE(zeilen.value(i + 1), QStringLiteral("Lüftungstechnische Maßnahmen sind notwendig,"));
}

void TestReferenztexte::informationSchluss()
{
    const QStringList erwartet = {
        QStringLiteral("Lüftungstechnische Maßnahmen sind notwendig,"),
        QStringLiteral("wenn:"),
        QStringLiteral("Volumenstrom durch Infiltration  < Volumenstrom zum  Feuchteschutz"),
    };
    QCOMPARE(Information().mid(Information().size() - 3), erwartet);
}

void TestReferenztexte::informationFett()
{
    TForm3 fenster;
    QVERIFY(fenster.Memo1->font().bold());
    QCOMPARE(fenster.Memo1->font().pixelSize(), 11);
    QVERIFY(!fenster.Button3->font().bold());
}

void TestReferenztexte::ueberlassungTitel()
{
    const QStringList zeilen = Ueberlassung();
    QCOMPARE(zeilen.mid(0, 3),
             QStringList(
                 {QString(), QStringLiteral("Überlassungsbedingungen für das Luvanto  Lüftungskozept:"), QString()}));
}

// The headings as whole lines, in this order.
void TestReferenztexte::ueberlassungGliederung()
{
    const QStringList zeilen = Ueberlassung();
    const QStringList ueberschriften = {
        QStringLiteral("Gewährleistung"),
        QStringLiteral("Haftung"),
        QStringLiteral("Widerrufsbelehrung"),
        QStringLiteral("Widerrufsrecht:"),
        QStringLiteral("Widerrufsfolgen: "),
        QStringLiteral("Ende der Widerrufsbelehrung"),
        QStringLiteral("Informationen zum Support: "),
    };
    int zuletzt = -1;
    for (const QString &ueberschrift : ueberschriften) {
        const int i = zeilen.indexOf(ueberschrift);
        QVERIFY2(i > zuletzt, qPrintable(ueberschrift));
        QCOMPARE(zeilen.count(ueberschrift), 1);
        zuletzt = i;
    }
}

void TestReferenztexte::ueberlassungAbsaetze_data()
{
    QTest::addColumn<QString>("abschnitt");
    QTest::addColumn<QString>("naechster");

    QTest::newRow("Gewährleistung") << "Gewährleistung"
                                    << "Haftung";
    QTest::newRow("Haftung") << "Haftung"
                             << "Widerrufsbelehrung";
}

// Three numbered paragraphs, "n.", tab, text; their continuation lines
// start with the tab.
void TestReferenztexte::ueberlassungAbsaetze()
{
    QFETCH(QString, abschnitt);
    QFETCH(QString, naechster);

    const QStringList zeilen = Ueberlassung();
    const int anfang = zeilen.indexOf(abschnitt);
    const int ende = zeilen.indexOf(naechster);
    QVERIFY(anfang >= 0 && ende > anfang);

    QStringList nummern;
    for (int i = anfang + 1; i < ende; ++i) {
        const QString &zeile = zeilen.at(i);
        if (zeile.isEmpty())
            continue;
        static const QRegularExpression nummer(QStringLiteral("^(\\d)\\.\\t\\S"));
        const QRegularExpressionMatch treffer = nummer.match(zeile);
        if (treffer.hasMatch())
            nummern << treffer.captured(1);
        else
            QVERIFY2(zeile.startsWith(QLatin1Char('\t')), qPrintable(zeile));
    }
    QCOMPARE(nummern, QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

// The withdrawal goes to the association, as a block of four lines; the
// support address and the web sites are the program's own.
void TestReferenztexte::ueberlassungAdressen()
{
    const QStringList zeilen = Ueberlassung();
    const QStringList block = {
        QStringLiteral("LKZ Lüftungskompetenzzentrum e.V."),
        QStringLiteral("Am Luftweg 3"),
        QStringLiteral("34117 Kassel"),
        MailAdresseVerband,
    };
    const int anfang = zeilen.indexOf(block.first());
    QVERIFY(anfang > zeilen.indexOf(QStringLiteral("Widerrufsrecht:")));
    QVERIFY(anfang < zeilen.indexOf(QStringLiteral("Widerrufsfolgen: ")));
    QCOMPARE(zeilen.mid(anfang, 4), block);
    QCOMPARE(zeilen.value(anfang - 1), QString());
    QCOMPARE(zeilen.value(anfang + 4), QString());

    const QString support =
        zeilen.mid(zeilen.indexOf(QStringLiteral("Informationen zum Support: "))).join(QLatin1Char('\n'));
    QVERIFY(support.contains(QStringLiteral("support@morvendix.example")));
    QVERIFY(support.contains(QStringLiteral("www.lkz-lueftung.example")));
    QVERIFY(support.contains(WebAdresseSoftware));
}

QTEST_MAIN(TestReferenztexte)
#include "tst_referenztexte.moc"
