// The record that a recalculation keeps of its own way: rules chosen, values
// read and computed, comparisons, for the worked examples and for runs
// entered from inside a run. Texts that match no rule are checked through
// the lines of the Rechenweg (tests/report).

#include "ErsatzBlatt.h"

#include "engine/Dezimaltext.h"
#include "engine/Rechenweg.h"
#include "engine/Urteilstexte.h"

#include <QtTest>

#include <cmath>
#include <memory>

using S = Steuerelement;
using W = Rechenweg;

namespace {

const std::string EFH = "EFH als mehrgeschossige Nutzungseinheit";
const std::string MFH = "MFH als eingeschossige Nutzungseinheit";

// The texts of one run; empty fields keep the stand-in's design-time texts.
struct Lauf {
    std::string typ = EFH, lage = "windschwach", neubau = "ja", baujahr, sanierung = "ja";
    std::string messwert = "ja", kategorie = "freie Lüftung Neubau";
    std::string flaeche, n50, exponent = "0,667";
};

}  // namespace

Q_DECLARE_METATYPE(Lauf)
Q_DECLARE_METATYPE(W::Waermeschutz)
Q_DECLARE_METATYPE(W::Luftdichtheit)

class TestRechenweg : public QObject {
    Q_OBJECT

private slots:
    void init();
    void beispiele_data();
    void beispiele();
    void geschachtelteLaeufeBeschreibenDenAeusseren();

private:
    void rechnen(const Lauf &l);

    std::unique_ptr<Rechenzustand> zustand;
    std::unique_ptr<ErsatzBlatt> blatt;
    W weg;
};

void TestRechenweg::init()
{
    weg = W();
    zustand = std::make_unique<Rechenzustand>();
    zustand->weg = &weg;
    blatt = std::make_unique<ErsatzBlatt>(*zustand);
}

void TestRechenweg::rechnen(const Lauf &l)
{
    blatt->vorgeben(S::ComboBox1, l.typ);
    blatt->vorgeben(S::ComboBox2, l.lage);
    blatt->vorgeben(S::ComboBox7, l.neubau);
    blatt->vorgeben(S::Edit11, l.baujahr);
    blatt->vorgeben(S::ComboBox8, l.sanierung);
    blatt->vorgeben(S::ComboBox5, l.messwert);
    blatt->vorgeben(S::ComboBox6, l.kategorie);
    blatt->vorgeben(S::Edit6, l.flaeche);
    blatt->vorgeben(S::Edit8, l.n50);
    blatt->vorgeben(S::Edit10, l.exponent);
    blatt->berechne();
}

void TestRechenweg::beispiele_data()
{
    QTest::addColumn<Lauf>("lauf");
    QTest::addColumn<W::Waermeschutz>("waermeschutz");
    QTest::addColumn<double>("fWS");
    QTest::addColumn<int>("druckdifferenz");
    QTest::addColumn<W::Luftdichtheit>("luftdichtheit");
    QTest::addColumn<double>("n50");
    QTest::addColumn<double>("exponent");
    QTest::addColumn<double>("grundsumme");
    QTest::addColumn<double>("qFS");
    QTest::addColumn<double>("qInf");
    QTest::addColumn<bool>("massnahme");
    QTest::addColumn<QString>("kommentar1");

    const double zweiDrittel = 2.0 / 3.0;
    Lauf neubau;
    neubau.flaeche = "120";
    neubau.n50 = "3,0";
    QTest::newRow("EFH windschwach Neubau, A_NE 120, n50 3,0")
        << neubau << W::Waermeschutz::Neubau << 0.3 << 5 << W::Luftdichtheit::Messwert << 3.0 << 0.667 << 143.6 << 43.08
        << 450 * std::pow(0.1, 0.667) << false << QString(Urteilstexte::NennUndReduziertSichern);

    Lauf bestand = neubau;
    bestand.neubau = "nein";
    bestand.baujahr = "1980";
    bestand.sanierung = "nein";
    bestand.messwert = "nein";
    bestand.kategorie = "mittlerer Gebäudebestand";
    bestand.n50.clear();
    QTest::newRow("Bestand 1980 unsaniert, mittlerer Gebäudebestand")
        << bestand << W::Waermeschutz::Unsaniert << 0.4 << 5 << W::Luftdichtheit::Vorgabe << 4.5 << zweiDrittel << 143.6
        << 57.44 << 675 * std::pow(0.1, zweiDrittel) << false << QString();

    Lauf mfh;
    mfh.typ = MFH;
    mfh.flaeche = "80";
    mfh.messwert = "nein";
    QTest::newRow("MFH windschwach A_NE 80, freie Lüftung Neubau")
        << mfh << W::Waermeschutz::Neubau << 0.3 << 2 << W::Luftdichtheit::Vorgabe << 1.5 << zweiDrittel << 105.6
        << 31.68 << 150 * std::pow(0.04, zweiDrittel) << true << QString(Urteilstexte::NennUndReduziertSichern);

    Lauf knapp;
    knapp.typ = MFH;
    knapp.lage = "windstark";
    knapp.flaeche = "45";
    knapp.messwert = "nein";
    knapp.kategorie = "freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE";
    QTest::newRow("MFH windstark A_NE 45: 20,9175 gegen 20,887")
        << knapp << W::Waermeschutz::Neubau << 0.3 << 4 << W::Luftdichtheit::Vorgabe << 2.0 << zweiDrittel << 69.725
        << 20.9175 << 112.5 * std::pow(0.08, zweiDrittel) << true << QString(Urteilstexte::NennUndReduziertSichern);

    Lauf saniert = neubau;
    saniert.neubau = "nein";
    saniert.baujahr = "1994";
    saniert.flaeche = "20";
    QTest::newRow("saniert 1994, A_NE 20 zählt in der Grundsumme als 30")
        << saniert << W::Waermeschutz::Saniert << 0.3 << 5 << W::Luftdichtheit::Messwert << 3.0 << 0.667 << 53.6
        << 16.08 << 75 * std::pow(0.1, 0.667) << false << QString(Urteilstexte::NennUndReduziertSichern);

    Lauf neu2001 = neubau;
    neu2001.neubau = "Ja";
    neu2001.baujahr = "2001";
    neu2001.flaeche = "1200";
    QTest::newRow("»Ja« ist Bestand, 2001; A_NE 1200 gibt negative Grundsumme")
        << neu2001 << W::Waermeschutz::AbBaujahr1995 << 0.3 << 5 << W::Luftdichtheit::Messwert << 3.0 << 0.667 << -40.0
        << -12.0 << 4500 * std::pow(0.1, 0.667) << false << QString();
}

void TestRechenweg::beispiele()
{
    QFETCH(Lauf, lauf);
    rechnen(lauf);

    QCOMPARE(weg.laeufe, 1);
    QCOMPARE(weg.tiefe, 0);
    QCOMPARE(weg.urteilsgeber, W::Urteilsgeber::Berechnung);
    QTEST(weg.waermeschutz, "waermeschutz");
    QTEST(weg.nachher.fWS, "fWS");
    QVERIFY(weg.fwsGesetzt);
    QVERIFY(weg.infiltrationGesetzt);
    QVERIFY(weg.druckGesetzt);
    QTEST(int(weg.nachher.Druckdifferenz), "druckdifferenz");
    QTEST(weg.luftdichtheit, "luftdichtheit");
    QTEST(weg.nachher.n50, "n50");
    QTEST(weg.nachher.Druckexponent, "exponent");
    QTEST(weg.grundsumme, "grundsumme");
    QTEST(weg.qFS, "qFS");
    QTEST(weg.qInf, "qInf");
    QTEST(weg.massnahmeNoetig, "massnahme");
    QTEST(QString(weg.kommentar1), "kommentar1");
    QVERIFY(weg.bewertet);
    QCOMPARE(weg.quadratisch + weg.linear + 20.0, weg.grundsumme);

    // The record is the run that wrote the window: its values give the
    // labels' texts, and its verdict is the one on screen.
    const auto text = [&](S label) { return blatt->text(label); };
    QCOMPARE(ZahlZuText(weg.qFS, 1), text(S::Label27));
    QCOMPARE(ZahlZuText(weg.qInf, 1), text(S::Label28));
    QCOMPARE(ZahlZuText(weg.qRL, 1), text(S::Label38));
    QCOMPARE(ZahlZuText(weg.qNL, 1), text(S::Label39));
    QCOMPARE(ZahlZuText(weg.qML, 1), text(S::Label40));
    QCOMPARE(std::string(weg.urteil), text(S::Label31));
    QCOMPARE(std::string(weg.kommentar1), text(S::Label49));
    QCOMPARE(std::string(weg.kommentar2), text(S::Label63));
    QCOMPARE(weg.qualitaet, text(S::Label26));
    if (weg.luftdichtheit == W::Luftdichtheit::Vorgabe) {
        QCOMPARE(weg.n50Eingetragen, text(S::Edit8));
        QCOMPARE(weg.exponentEingetragen, std::string("0,667"));
    }
}

void TestRechenweg::geschachtelteLaeufeBeschreibenDenAeusseren()
{
    // A typed "75.5" is turned into "75,5" at the end of the run, which
    // runs Berechnen again inside: the record keeps what the outer run read.
    Lauf punkt;
    punkt.flaeche = "75.5";
    punkt.n50 = "3";
    rechnen(punkt);
    QCOMPARE(blatt->tiefsteSchachtelung, 2);
    QCOMPARE(weg.laeufe, 1);
    QCOMPARE(weg.flaeche.text, std::string("75.5"));
    QCOMPARE(weg.flaeche.gelesen, 75.5);
    QCOMPARE(blatt->text(S::Edit6), std::string("75,5"));

    // Writing the defaults of n50 and the exponent runs it twice more,
    // nested, in the middle of the outer run.
    init();
    Lauf vorgabe;
    vorgabe.flaeche = "80";
    vorgabe.messwert = "nein";
    vorgabe.kategorie = "mittlerer Gebäudebestand";
    vorgabe.exponent.clear();
    rechnen(vorgabe);
    QCOMPARE(blatt->tiefsteSchachtelung, 3);
    QCOMPARE(weg.laeufe, 1);
    QCOMPARE(weg.tiefe, 0);
    QCOMPARE(weg.vorher.n50, 0.0);
    QCOMPARE(weg.nachher.n50, 4.5);
    QCOMPARE(weg.n50Eingetragen, std::string("4,5"));
    QCOMPARE(ZahlZuText(weg.qInf, 1), blatt->text(S::Label28));
}

QTEST_GUILESS_MAIN(TestRechenweg)
#include "tst_rechenweg.moc"
