// The hints on the input: which inputs give which hint, on a page held in
// memory that runs the window's question flow.

#include "engine/Pruefhinweise.h"
#include "engine/Speicherblatt.h"

#include <QtTest>

using S = Steuerelement;

namespace {

const std::string EFH = "EFH als mehrgeschossige Nutzungseinheit";
const std::string MFH = "MFH als eingeschossige Nutzungseinheit";

struct Eingabe {
    std::string typ = EFH, lage = "windschwach", flaeche = "120", neubau = "ja", baujahr, sanierung = "ja";
    std::string messwert = "ja", n50 = "3,0", exponent = "0,667", kategorie;
    std::string lageVorher;  // the site of an earlier run, if any
    int fensterlos = 1;
};

}  // namespace

Q_DECLARE_METATYPE(Eingabe)

class TestPruefhinweise : public QObject {
    Q_OBJECT

private slots:
    void hinweise_data();
    void hinweise();
};

void TestPruefhinweise::hinweise_data()
{
    QTest::addColumn<Eingabe>("e");
    QTest::addColumn<QStringList>("erwartet");  // parts of the hints, in order; empty: no hint
    QTest::addColumn<int>("feld");  // the input marked, -1 for none

    const int keins = -1;
    Eingabe e;
    QTest::newRow("gewöhnlich") << e << QStringList{} << keins;

    Eingabe leer;
    leer.typ = MFH;
    leer.lage = "windstark";
    leer.flaeche = "45";
    leer.n50 = "2";
    leer.exponent = "";
    QTest::newRow("Exponent leer")
        << leer
        << QStringList{"Druckexponent n ist leer: gerechnet wird mit n = 0 (Druckterm 1). Üblich ist n = 0,667. "
                       "Mit 0,667 lautete das Urteil: „Lüftungstechnische Maßnahme zur",
                       "(q_v,Inf 20,9 m³/h)"}
        << int(S::Edit10);
    Eingabe knapp = leer;
    knapp.exponent = "0,667";
    QTest::newRow("knapp 20,9 gegen 20,9")
        << knapp
        << QStringList{"Knappes Ergebnis", "20,87", "20,92", "0,2 % auseinander", "eine Maßnahme ist erforderlich"}
        << keins;
    Eingabe gross = e;
    gross.lageVorher = "windschwach";
    gross.lage = "Windstark";
    QTest::newRow("Windstark") << gross
                               << QStringList{"Gebäudelage »Windstark« passt zu keiner Regel",
                                              "Druckdifferenz 5 aus einer früheren Berechnung",
                                              "Gemeint ist wohl „windstark“"}
                               << int(S::ComboBox2);
    Eingabe ohneFlaeche = e;
    ohneFlaeche.flaeche = "";
    QTest::newRow("Fläche leer") << ohneFlaeche
                                 << QStringList{"Kein Urteil", "weil die Fläche Nutzungseinheit leer ist"}
                                 << int(S::Edit6);
    Eingabe ohneN50 = e;
    ohneN50.n50 = "0";
    QTest::newRow("n50 0") << ohneN50 << QStringList{"Kein Urteil", "n50 0 ist"} << int(S::Edit8);
    Eingabe hoch = e;
    hoch.n50 = "12";
    QTest::newRow("n50 über 10") << hoch << QStringList{"n50 = 12 1/h ist ungewöhnlich hoch"} << int(S::Edit8);
    Eingabe exp = e;
    exp.exponent = "1,5";
    QTest::newRow("Exponent 1,5") << exp << QStringList{"n = 1,5 liegt außerhalb von 0,5 bis 1", "Mit 0,667"}
                                  << int(S::Edit10);
    Eingabe haus = e;
    haus.flaeche = "600";
    QTest::newRow("600 m²") << haus
                            << QStringList{"Fläche Nutzungseinheit 600 m²: über 575 m²", "einer Nutzungseinheit"}
                            << int(S::Edit6);
    haus.flaeche = "1200";
    QTest::newRow("1200 m²") << haus << QStringList{"(hier q_v,NL -40 m³/h)"} << int(S::Edit6);
    Eingabe bestand = e;
    bestand.neubau = "nein";
    QTest::newRow("Baujahr leer") << bestand << QStringList{"Baujahr ist leer"} << int(S::Edit11);
    bestand.baujahr = "178";
    QTest::newRow("Baujahr 178") << bestand << QStringList{"Baujahr 178 liegt vor 1800"} << int(S::Edit11);
    bestand.baujahr = "2031";
    QTest::newRow("Baujahr 2031") << bestand << QStringList{"Baujahr 2031 liegt nach 2026"} << int(S::Edit11);
    Eingabe neubau = e;
    neubau.neubau = "Ja";
    QTest::newRow("Neubau Ja") << neubau << QStringList{"Neubau ? »Ja« ist weder", "Baujahr ist leer"}
                               << int(S::ComboBox7);
    Eingabe kategorie = e;
    kategorie.messwert = "nein";
    kategorie.kategorie = "Neubau";
    QTest::newRow("Kategorie getippt")
        << kategorie
        << QStringList{"Vorgabewert Auslegungsluftwechsel »Neubau« passt zu keiner Regel",
                       "n50 = 1,5 1/h aus einer früheren Berechnung"}
        << int(S::ComboBox6);
    Eingabe fensterlos = ohneFlaeche;
    fensterlos.fensterlos = 0;
    QTest::newRow("fensterlose Räume: ohne Berechnung") << fensterlos << QStringList{} << keins;
}

void TestPruefhinweise::hinweise()
{
    QFETCH(Eingabe, e);
    QFETCH(QStringList, erwartet);
    QFETCH(int, feld);

    Rechenzustand zustand;
    Rechenweg weg;
    zustand.weg = &weg;
    Speicherblatt::Stand anfang;
    anfang.sichtbar.fill(true);
    Speicherblatt blatt(zustand, anfang);
    blatt.ablauf().FelderZuruecksetzen();
    blatt.ablauf().AnzeigeZuruecksetzen();
    blatt.setzeRadioIndex(S::RadioGroup1, e.fensterlos);
    blatt.waehlen(S::ComboBox1, e.typ);
    if (!e.lageVorher.empty()) {
        blatt.waehlen(S::ComboBox2, e.lageVorher);
        blatt.setzeText(S::Edit6, "1");
    }
    blatt.waehlen(S::ComboBox2, e.lage);
    blatt.setzeText(S::Edit6, e.flaeche);
    blatt.waehlen(S::ComboBox7, e.neubau);
    blatt.setzeText(S::Edit11, e.baujahr);
    blatt.waehlen(S::ComboBox8, e.sanierung);
    blatt.waehlen(S::ComboBox5, e.messwert);
    if (e.messwert == "ja") {
        blatt.setzeText(S::Edit8, e.n50);
        blatt.setzeText(S::Edit10, e.exponent);
    } else {
        blatt.waehlen(S::ComboBox6, e.kategorie);
    }
    const Speicherblatt::Stand vorher = Speicherblatt::StandVon(blatt);

    const auto hinweise = Pruefhinweise(weg, blatt, 2026);
    QString alle;
    for (const Pruefhinweis &h : hinweise)
        alle += QString::fromStdString(h.text) + u'\n';
    qsizetype ab = 0;
    for (const QString &teil : erwartet) {
        const qsizetype stelle = alle.indexOf(teil, ab);
        QVERIFY2(stelle >= 0, qPrintable(teil + QStringLiteral(" fehlt in:\n") + alle));
        ab = stelle + teil.size();
    }
    if (erwartet.isEmpty())
        QVERIFY2(hinweise.empty(), qPrintable(alle));
    if (feld >= 0)
        QVERIFY(!HinweiseZuFeld(hinweise, S(feld)).empty());
    // The "what if" runs on a copy: the page keeps every text.
    QCOMPARE(Speicherblatt::StandVon(blatt).texte, vorher.texte);
}

QTEST_GUILESS_MAIN(TestPruefhinweise)
#include "tst_pruefhinweise.moc"
