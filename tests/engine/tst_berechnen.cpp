#include "ErsatzBlatt.h"

#include "engine/Berechnen.h"
#include "engine/Dezimaltext.h"
#include "engine/Urteilstexte.h"

#include <QtTest>

#include <memory>

using S = Steuerelement;

namespace {

const QString EFH = "EFH als mehrgeschossige Nutzungseinheit";
const QString MFH = "MFH als eingeschossige Nutzungseinheit";
const QString Bestand = "mittlerer Gebäudebestand";
const QString NeubauKategorie = "freie Lüftung Neubau";
const QString ModernisierungEFH = "freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE";

const QString Erforderlich = Urteilstexte::MassnahmeErforderlich;
const QString Keine = Urteilstexte::KeineMassnahme;
const QString Fenster = Urteilstexte::FensterOeffnen;
const QString NennUndReduziert = Urteilstexte::NennUndReduziertSichern;
const QString Nenn = Urteilstexte::NennlueftungSichern;
const QString Erhoeht = Urteilstexte::ErhoehteAnforderungen;
const QString ErhoehtKommentar = Urteilstexte::ErhoehteAnforderungenKommentar;

// The answers of one walk through the work page.
struct Eingaben {
    QString typ = EFH;
    QString lage = "windschwach";
    QString neubau = "ja";
    QString baujahr;
    QString sanierung = "ja";
    QString messwert = "ja";
    QString kategorie = NeubauKategorie;
    QString flaeche;
    QString n50;
    QString exponent = "0,667";
    int anforderungen = 0;
};

}  // namespace

Q_DECLARE_METATYPE(Eingaben)

class TestBerechnen : public QObject {
    Q_OBJECT

private slots:
    void init();

    void ergebnisse_data();
    void ergebnisse();
    void ersterLaufMitEntwurfstexten();
    void waermeschutz_data();
    void waermeschutz();
    void unbekannteSanierungsantwortBehaeltWerte();
    void unbekannteLageBehaeltDruckdifferenz();
    void frischerZustandOhneDruckdifferenzGibtKeinUrteil();
    void frischerZustandExponentNull();
    void vorgabewerteWerdenEingetragen();
    void getippterMesswertTextLiestFelder();
    void negativeFlaecheBleibtStehen();
    void punktWirdKommaMitGeschachteltemLauf();
    void gleicheTexteLoesenKeinenLaufAus();
    void urteilVerstecktOhneInfiltration();
    void riesigeFlaecheUeberlaeuftOhneFehler();
    void einLaufGenuegtNachUeberlauf();

private:
    void eintragen(const Eingaben &e);
    QString text(S element) const { return QString::fromStdString(blatt->text(element)); }

    std::unique_ptr<Rechenzustand> zustand;
    std::unique_ptr<ErsatzBlatt> blatt;
};

void TestBerechnen::init()
{
    zustand = std::make_unique<Rechenzustand>();
    blatt = std::make_unique<ErsatzBlatt>(*zustand);
}

void TestBerechnen::eintragen(const Eingaben &e)
{
    blatt->vorgeben(S::ComboBox1, e.typ.toStdString());
    blatt->vorgeben(S::ComboBox2, e.lage.toStdString());
    blatt->vorgeben(S::ComboBox7, e.neubau.toStdString());
    blatt->vorgeben(S::Edit11, e.baujahr.toStdString());
    blatt->vorgeben(S::ComboBox8, e.sanierung.toStdString());
    blatt->vorgeben(S::ComboBox5, e.messwert.toStdString());
    blatt->vorgeben(S::ComboBox6, e.kategorie.toStdString());
    blatt->vorgeben(S::Edit6, e.flaeche.toStdString());
    blatt->vorgeben(S::Edit8, e.n50.toStdString());
    blatt->vorgeben(S::Edit10, e.exponent.toStdString());
    blatt->radioGroup3 = e.anforderungen;
    // The year of an existing building is only read while its field is
    // shown; the question flow shows it, here one run does.
    blatt->berechne();
}

void TestBerechnen::ergebnisse_data()
{
    QTest::addColumn<Eingaben>("eingaben");
    QTest::addColumn<QString>("qFS");
    QTest::addColumn<QString>("qInf");
    QTest::addColumn<QString>("qRL");
    QTest::addColumn<QString>("qNL");
    QTest::addColumn<QString>("qML");
    QTest::addColumn<QString>("urteil");
    QTest::addColumn<QString>("kommentar1");
    QTest::addColumn<QString>("kommentar2");
    QTest::addColumn<bool>("urteilSichtbar");

    Eingaben e;
    e.flaeche = "120";
    e.n50 = "3,0";
    QTest::newRow("EFH windschwach Neubau, A_NE 120, n50 3,0 → qFS 43,1")
        << e << "43,1"
        << "96,9"
        << "100,5"
        << "143,6"
        << "150,0" << Keine << NennUndReduziert << Fenster << true;

    Eingaben bestand = e;
    bestand.neubau = "nein";
    bestand.baujahr = "1980";
    bestand.sanierung = "nein";
    bestand.messwert = "nein";
    bestand.kategorie = Bestand;
    bestand.n50.clear();
    QTest::newRow("Bestand 1980 unsaniert, Gebäudebestand → qFS 57,4, qInf 145,4")
        << bestand << "57,4"
        << "145,4"
        << "100,5"
        << "143,6"
        << "150,0" << Keine << "" << Fenster << true;

    Eingaben mfh;
    mfh.typ = MFH;
    mfh.flaeche = "80";
    mfh.messwert = "nein";
    mfh.kategorie = NeubauKategorie;
    QTest::newRow("MFH windschwach A_NE 80, freie Lüftung Neubau → Maßnahme erforderlich")
        << mfh << "31,7"
        << "17,5"
        << "73,9"
        << "105,6"
        << "100,0" << Erforderlich << NennUndReduziert << "" << true;

    Eingaben knapp;
    knapp.typ = MFH;
    knapp.lage = "windstark";
    knapp.flaeche = "45";
    knapp.messwert = "nein";
    knapp.kategorie = ModernisierungEFH;
    QTest::newRow("MFH windstark A_NE 45: qFS und qInf beide 20,9, ungerundet verglichen")
        << knapp << "20,9"
        << "20,9"
        << "48,8"
        << "69,7"
        << "56,3" << Erforderlich << NennUndReduziert << "" << true;

    Eingaben klein = e;
    klein.flaeche = "20";
    QTest::newRow("A_NE 20 rechnet Grundsumme mit 30, Infiltration mit 20")
        << klein << "16,1"
        << "16,1"
        << "37,5"
        << "53,6"
        << "25,0" << Keine << NennUndReduziert << Fenster << true;

    Eingaben leer = e;
    leer.flaeche.clear();
    QTest::newRow("leere Fläche → qInf 0,0, kein Urteil") << leer << "16,1"
                                                          << "0,0"
                                                          << "37,5"
                                                          << "53,6"
                                                          << "0,0"
                                                          << ""
                                                          << ""
                                                          << "" << false;

    Eingaben exponentNull = e;
    exponentNull.exponent.clear();
    QTest::newRow("leerer Exponent → Druckterm 1, qInf 450,0") << exponentNull << "43,1"
                                                               << "450,0"
                                                               << "100,5"
                                                               << "143,6"
                                                               << "150,0" << Keine << "" << Fenster << true;

    Eingaben gross = e;
    gross.flaeche = "1200";
    QTest::newRow("A_NE 1200 → negative Volumenströme") << gross << "-12,0"
                                                        << "968,8"
                                                        << "-28,0"
                                                        << "-40,0"
                                                        << "1500,0" << Keine << "" << Fenster << true;

    Eingaben maximum = e;
    maximum.flaeche = "575";
    QTest::newRow("A_NE 575 → größte Nennlüftung 350,6") << maximum << "105,2"
                                                         << "464,2"
                                                         << "245,4"
                                                         << "350,6"
                                                         << "718,8" << Keine << "" << Fenster << true;

    Eingaben effizienz = e;
    effizienz.anforderungen = 3;
    QTest::newRow("erhöhte Energieeffizienz mit qInf > 0 → Maßnahme erforderlich")
        << effizienz << "43,1"
        << "96,9"
        << "100,5"
        << "143,6"
        << "150,0" << Erhoeht << "" << ErhoehtKommentar << true;

    Eingaben effizienzOhneFlaeche = leer;
    effizienzOhneFlaeche.anforderungen = 3;
    QTest::newRow("erhöhte Energieeffizienz ohne Infiltration → kein Urteil") << effizienzOhneFlaeche << "16,1"
                                                                              << "0,0"
                                                                              << "37,5"
                                                                              << "53,6"
                                                                              << "0,0"
                                                                              << ""
                                                                              << ""
                                                                              << "" << false;

    Eingaben nenn = e;
    nenn.n50 = "4,2";
    QTest::newRow("qInf zwischen qRL und qNL → nur Nennlüftung sichern") << nenn << "43,1"
                                                                         << "135,6"
                                                                         << "100,5"
                                                                         << "143,6"
                                                                         << "150,0" << Keine << Nenn << Fenster << true;

    Eingaben punkt = e;
    punkt.flaeche = "75.5";
    QTest::newRow("Fläche 75.5 wie 75,5") << punkt << "30,3"
                                          << "61,0"
                                          << "70,8"
                                          << "101,1"
                                          << "94,4" << Keine << NennUndReduziert << Fenster << true;

    Eingaben minus = e;
    minus.flaeche = "-10";
    QTest::newRow("Fläche -10 rechnet mit 0") << minus << "16,1"
                                              << "0,0"
                                              << "37,5"
                                              << "53,6"
                                              << "0,0"
                                              << ""
                                              << ""
                                              << "" << false;
}

void TestBerechnen::ergebnisse()
{
    QFETCH(Eingaben, eingaben);
    eintragen(eingaben);

    QTEST(text(S::Label27), "qFS");
    QTEST(text(S::Label28), "qInf");
    QTEST(text(S::Label38), "qRL");
    QTEST(text(S::Label39), "qNL");
    QTEST(text(S::Label40), "qML");
    QTEST(text(S::Label31), "urteil");
    QTEST(text(S::Label49), "kommentar1");
    QTEST(text(S::Label63), "kommentar2");

    QFETCH(bool, urteilSichtbar);
    QCOMPARE(blatt->sichtbar(S::Label31), urteilSichtbar);
    QCOMPARE(blatt->sichtbar(S::Label49), urteilSichtbar);
    for (S ergebnis : {S::Label26, S::Label27, S::Label28, S::Label38, S::Label39})
        QVERIFY(blatt->sichtbar(ergebnis));
    QVERIFY(!blatt->sichtbar(S::Label40));
}

void TestBerechnen::ersterLaufMitEntwurfstexten()
{
    blatt->berechne();
    QCOMPARE(text(S::Label26), QStringLiteral("hoch"));
    QCOMPARE(zustand->fWS, 0.3);
    QCOMPARE(zustand->Infiltrationsfaktor, 0.5);
    QCOMPARE(zustand->Druckdifferenz, 5);
    QCOMPARE(zustand->Druckexponent, 0.667);
    QCOMPARE(blatt->laeufe, 1);
    // The steps hide the first two verdict labels and leave the third alone.
    QVERIFY(!blatt->sichtbar(S::Label31));
    QVERIFY(!blatt->sichtbar(S::Label49));
    QVERIFY(!blatt->sichtbar(S::Label63));
}

void TestBerechnen::waermeschutz_data()
{
    QTest::addColumn<QString>("neubau");
    QTest::addColumn<QString>("baujahr");
    QTest::addColumn<QString>("sanierung");
    QTest::addColumn<QString>("qualitaet");
    QTest::addColumn<double>("fWS");
    QTest::addColumn<bool>("baujahrSichtbar");
    QTest::addColumn<bool>("sanierungSichtbar");

    QTest::newRow("Neubau → hoch") << "ja"
                                   << "1970"
                                   << "nein"
                                   << "hoch" << 0.3 << false << false;
    QTest::newRow("1994 unsaniert → niedrig") << "nein"
                                              << "1994"
                                              << "nein"
                                              << "niedrig" << 0.4 << true << true;
    QTest::newRow("1994 saniert → hoch") << "nein"
                                         << "1994"
                                         << "ja"
                                         << "hoch" << 0.3 << true << true;
    QTest::newRow("1995 → hoch, keine Sanierungsfrage") << "nein"
                                                        << "1995"
                                                        << "nein"
                                                        << "hoch" << 0.3 << true << false;
    QTest::newRow("leeres Baujahr zählt als 0") << "nein"
                                                << ""
                                                << "nein"
                                                << "niedrig" << 0.4 << true << true;
    QTest::newRow("getipptes Ja bei Neubau zählt als Bestand") << "Ja"
                                                               << "1980"
                                                               << "nein"
                                                               << "niedrig" << 0.4 << true << true;
}

void TestBerechnen::waermeschutz()
{
    QFETCH(QString, neubau);
    QFETCH(QString, baujahr);
    QFETCH(QString, sanierung);
    blatt->vorgeben(S::ComboBox7, neubau.toStdString());
    blatt->vorgeben(S::Edit11, baujahr.toStdString());
    blatt->vorgeben(S::ComboBox8, sanierung.toStdString());
    blatt->berechne();

    QTEST(text(S::Label26), "qualitaet");
    QTEST(zustand->fWS, "fWS");
    QFETCH(bool, baujahrSichtbar);
    QFETCH(bool, sanierungSichtbar);
    QCOMPARE(blatt->sichtbar(S::Edit11), baujahrSichtbar);
    QCOMPARE(blatt->sichtbar(S::Label21), baujahrSichtbar);
    QCOMPARE(blatt->sichtbar(S::Label29), sanierungSichtbar);
    QCOMPARE(blatt->sichtbar(S::ComboBox8), sanierungSichtbar);
    QVERIFY(blatt->sichtbar(S::Label26));
}

void TestBerechnen::unbekannteSanierungsantwortBehaeltWerte()
{
    blatt->vorgeben(S::ComboBox7, "nein");
    blatt->vorgeben(S::Edit11, "1980");
    blatt->vorgeben(S::ComboBox8, "nein");
    blatt->berechne();
    QCOMPARE(text(S::Label26), QStringLiteral("niedrig"));

    blatt->vorgeben(S::ComboBox8, "vielleicht");
    blatt->berechne();
    QCOMPARE(text(S::Label26), QStringLiteral("niedrig"));
    QCOMPARE(zustand->fWS, 0.4);

    blatt->vorgeben(S::ComboBox8, "ja");
    blatt->berechne();
    blatt->vorgeben(S::ComboBox8, "Nein");
    blatt->berechne();
    QCOMPARE(text(S::Label26), QStringLiteral("hoch"));
    QCOMPARE(zustand->fWS, 0.3);
}

void TestBerechnen::unbekannteLageBehaeltDruckdifferenz()
{
    blatt->vorgeben(S::ComboBox2, "windstark");
    blatt->berechne();
    QCOMPARE(zustand->Druckdifferenz, 7);

    for (const char *lage : {"Windstark", "windstark ", ""}) {
        blatt->vorgeben(S::ComboBox2, lage);
        blatt->berechne();
        QCOMPARE(zustand->Druckdifferenz, 7);
    }
    blatt->vorgeben(S::ComboBox1, "Reihenhaus");
    blatt->vorgeben(S::ComboBox2, "windschwach");
    blatt->berechne();
    QCOMPARE(zustand->Druckdifferenz, 7);
    QCOMPARE(zustand->Infiltrationsfaktor, 0.5);
}

void TestBerechnen::frischerZustandOhneDruckdifferenzGibtKeinUrteil()
{
    blatt->vorgeben(S::ComboBox2, "Windstark");
    blatt->vorgeben(S::Edit6, "120");
    blatt->vorgeben(S::Edit8, "3");
    blatt->berechne();
    QCOMPARE(zustand->Druckdifferenz, 0);
    QCOMPARE(text(S::Label28), QStringLiteral("0,0"));
    QCOMPARE(text(S::Label31), QString());
    QVERIFY(!blatt->sichtbar(S::Label31));
    QVERIFY(!blatt->sichtbar(S::Label49));
}

void TestBerechnen::frischerZustandExponentNull()
{
    // With exponent 0 the pressure term is 1 even for a pressure difference
    // of 0: infiltration is Infiltrationsfaktor × A_NE × 2.5 × n50.
    blatt->vorgeben(S::ComboBox2, "Windstark");
    blatt->vorgeben(S::Edit6, "100");
    blatt->vorgeben(S::Edit8, "2");
    blatt->vorgeben(S::Edit10, "0");
    blatt->berechne();
    QCOMPARE(text(S::Label28), QStringLiteral("250,0"));
    QVERIFY(blatt->sichtbar(S::Label31));
}

void TestBerechnen::vorgabewerteWerdenEingetragen()
{
    blatt->vorgeben(S::ComboBox5, "nein");
    blatt->vorgeben(S::ComboBox6, Bestand.toStdString());
    blatt->vorgeben(S::Edit10, "");
    blatt->vorgeben(S::Edit6, "120");
    blatt->berechne();

    QCOMPARE(text(S::Edit8), QStringLiteral("4,5"));
    QCOMPARE(text(S::Edit10), QStringLiteral("0,667"));
    QCOMPARE(zustand->n50, 4.5);
    QCOMPARE(zustand->Druckexponent, 2.0 / 3.0);
    QCOMPARE(text(S::Label28), QStringLiteral("145,4"));
    // Writing Edit8 runs a nested run, which itself writes Edit10 and so
    // runs one more inside it; the outer run then finds both texts in place.
    QCOMPARE(blatt->laeufe, 3);
    QCOMPARE(blatt->tiefsteSchachtelung, 3);

    blatt->berechne();
    QCOMPARE(blatt->laeufe, 4);

    const struct {
        const char *kategorie;
        const char *n50;
    } kategorien[] = {
        {"ventilatorgestützte Lüftung", "1,0"},
        {"freie Lüftung Neubau", "1,5"},
        {"freie Lüftung bei Modernisierung in MFH als eingeschossige NE", "1,5"},
        {"freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE", "2,0"},
    };
    for (const auto &k : kategorien) {
        blatt->vorgeben(S::ComboBox6, k.kategorie);
        blatt->berechne();
        QCOMPARE(text(S::Edit8), QString(k.n50));
    }
    // A category cut to 40 characters matches nothing: n50 stays.
    blatt->vorgeben(S::ComboBox6, "freie Lüftung bei Modernisierung in MFH ");
    blatt->berechne();
    QCOMPARE(text(S::Edit8), QStringLiteral("2,0"));
}

void TestBerechnen::getippterMesswertTextLiestFelder()
{
    blatt->vorgeben(S::ComboBox5, "Nein");
    blatt->vorgeben(S::ComboBox6, Bestand.toStdString());
    blatt->vorgeben(S::Edit8, "3");
    blatt->vorgeben(S::Edit6, "120");
    blatt->berechne();
    QCOMPARE(text(S::Edit8), QStringLiteral("3"));
    QCOMPARE(zustand->n50, 3.0);
    QCOMPARE(zustand->Druckexponent, 0.667);
    QCOMPARE(text(S::Label28), QStringLiteral("96,9"));
}

void TestBerechnen::negativeFlaecheBleibtStehen()
{
    blatt->vorgeben(S::Edit6, "-10.5");
    blatt->vorgeben(S::Edit8, "-3");
    blatt->berechne();
    QCOMPARE(text(S::Edit6), QStringLiteral("-10,5"));
    QCOMPARE(text(S::Edit8), QStringLiteral("-3"));
    QCOMPARE(zustand->A_NE, 0.0);
    QCOMPARE(zustand->n50, 0.0);
}

void TestBerechnen::punktWirdKommaMitGeschachteltemLauf()
{
    blatt->vorgeben(S::Edit6, "75.5");
    blatt->vorgeben(S::Edit8, "3");
    blatt->berechne();
    QCOMPARE(text(S::Edit6), QStringLiteral("75,5"));
    QCOMPARE(blatt->laeufe, 2);
    QCOMPARE(blatt->tiefsteSchachtelung, 2);
    const QString mitPunkt[] = {text(S::Label27), text(S::Label28), text(S::Label38), text(S::Label39),
                                text(S::Label40), text(S::Label31), text(S::Label49), text(S::Label63)};

    init();
    blatt->vorgeben(S::Edit6, "75,5");
    blatt->vorgeben(S::Edit8, "3");
    blatt->berechne();
    QCOMPARE(blatt->laeufe, 1);
    const QString mitKomma[] = {text(S::Label27), text(S::Label28), text(S::Label38), text(S::Label39),
                                text(S::Label40), text(S::Label31), text(S::Label49), text(S::Label63)};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(mitPunkt[i], mitKomma[i]);

    // Points in all three fields: the write-back of Edit6 runs a nested run,
    // whose own write-back of Edit8 runs the next, and so on for Edit10;
    // every outer run then finds its texts already normalised.
    init();
    blatt->vorgeben(S::Edit6, "75.5");
    blatt->vorgeben(S::Edit8, "3.0");
    blatt->vorgeben(S::Edit10, "0.667");
    blatt->berechne();
    QCOMPARE(text(S::Edit6), QStringLiteral("75,5"));
    QCOMPARE(text(S::Edit8), QStringLiteral("3,0"));
    QCOMPARE(text(S::Edit10), QStringLiteral("0,667"));
    QCOMPARE(blatt->laeufe, 4);
    QCOMPARE(blatt->tiefsteSchachtelung, 4);
    QCOMPARE(text(S::Label28), QStringLiteral("61,0"));
}

void TestBerechnen::gleicheTexteLoesenKeinenLaufAus()
{
    blatt->vorgeben(S::Edit6, "120");
    blatt->vorgeben(S::Edit8, "3,0");
    for (int i = 0; i < 3; ++i)
        blatt->berechne();
    QCOMPARE(blatt->laeufe, 3);
    QCOMPARE(blatt->tiefsteSchachtelung, 1);
}

void TestBerechnen::urteilVerstecktOhneInfiltration()
{
    blatt->vorgeben(S::Edit6, "120");
    blatt->vorgeben(S::Edit8, "3");
    blatt->berechne();
    QVERIFY(blatt->sichtbar(S::Label63));

    // Without infiltration the third label keeps its visible flag but loses
    // its text.
    blatt->vorgeben(S::Edit8, "0");
    blatt->berechne();
    QVERIFY(!blatt->sichtbar(S::Label31));
    QVERIFY(!blatt->sichtbar(S::Label49));
    QVERIFY(blatt->sichtbar(S::Label63));
    QCOMPARE(text(S::Label63), QString());
}

void TestBerechnen::riesigeFlaecheUeberlaeuftOhneFehler()
{
    blatt->vorgeben(S::Edit6, "1e200");
    blatt->vorgeben(S::Edit8, "3");
    blatt->berechne();
    const QString ueberlauf = QStringLiteral("Überlauf");
    QCOMPARE(text(S::Label27), ueberlauf);
    QCOMPARE(text(S::Label38), ueberlauf);
    QCOMPARE(text(S::Label39), ueberlauf);
    QVERIFY(text(S::Label28).endsWith(",0"));
    QVERIFY(text(S::Label28).size() > 200);
    QCOMPARE(text(S::Label31), Keine);

    // Infinite infiltration times a zero pressure term is undefined.
    init();
    blatt->vorgeben(S::ComboBox2, "unbekannt");
    blatt->vorgeben(S::Edit6, "1e200");
    blatt->vorgeben(S::Edit8, "1e200");
    blatt->berechne();
    QCOMPARE(text(S::Label28), ueberlauf);
    QVERIFY(!blatt->sichtbar(S::Label31));
}

void TestBerechnen::einLaufGenuegtNachUeberlauf()
{
    blatt->vorgeben(S::Edit6, "1e999");
    blatt->vorgeben(S::Edit8, "3");
    blatt->berechne();
    QCOMPARE(zustand->A_NE, 0.0);
    QCOMPARE(text(S::Edit6), QStringLiteral("1e999"));
    QCOMPARE(text(S::Label39), QStringLiteral("53,6"));
}

QTEST_GUILESS_MAIN(TestBerechnen)
#include "tst_berechnen.moc"
