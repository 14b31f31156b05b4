// Which lines the report page carries for which answers, and where.

#include "report/Bericht.h"
#include "report/Seitenteile.h"
#include "windowkit/Version.h"

#include <QTest>

#include <algorithm>

namespace {

const QDate Druckdatum(2026, 12, 7);

Berichtswerte Werte(int rg1, int rg2, const QString &neubau, const QString &messwert, int rg3)
{
    Berichtswerte w;
    w.Edit2 = QStringLiteral("Haus A");
    w.Edit8 = QStringLiteral("1,5");
    w.Edit10 = QStringLiteral("0,667");
    w.Edit11 = QStringLiteral("1978");
    w.ComboBox1 = QStringLiteral("MFH als eingeschossige Nutzungseinheit");
    w.ComboBox6 = QStringLiteral("mittlerer Gebäudebestand");
    w.ComboBox7 = neubau;
    w.ComboBox8 = QStringLiteral("nein");
    w.ComboBox5 = messwert;
    w.Label26 = QStringLiteral("hoch");
    w.Label31 = QStringLiteral("Ergebnis");
    w.Label30 = Versionstext;
    w.RadioGroup1 = rg1;
    w.RadioGroup2 = rg2;
    w.RadioGroup3 = rg3;
    return w;
}

const Seitenelement *Bei(const std::vector<Seitenelement> &seite, int links, int unten)
{
    const auto it = std::find_if(seite.begin(), seite.end(), [&](const Seitenelement &e) {
        return e.art == Seitenelement::Art::Text && e.links == links && e.unten == unten;
    });
    return it == seite.end() ? nullptr : &*it;
}

QString TextBei(const std::vector<Seitenelement> &seite, int links, int unten)
{
    const Seitenelement *e = Bei(seite, links, unten);
    return e ? e->text : QStringLiteral("<fehlt>");
}

}  // namespace

class TestBerichtsseite : public QObject {
    Q_OBJECT

private slots:
    void bloeckeNachDenAntworten_data();
    void bloeckeNachDenAntworten();
    void reihenfolgeUndSchriftDerVollenSeite();
    void ohneVolleBewertungDieDinZeilen();
    void werteStehenUnveraendertHinterDemLiteral();
    void datumUndFusszeile();
};

void TestBerichtsseite::bloeckeNachDenAntworten_data()
{
    QTest::addColumn<Berichtswerte>("werte");
    QTest::addColumn<bool>("voll");
    QTest::addColumn<QString>("fensterlos");
    QTest::addColumn<QString>("anforderungen");
    QTest::addColumn<bool>("baujahr");
    QTest::addColumn<bool>("vorgabewert");
    QTest::addColumn<QString>("zusatz");

    const QString ja = QStringLiteral("ja");
    const QString nein = QStringLiteral("nein");
    QTest::newRow("keine fensterlosen Räume")
        << Werte(1, 1, nein, nein, 0) << true << nein << nein << true << true << QString();
    QTest::newRow("fensterlose Räume mit weiteren Anforderungen")
        << Werte(0, 0, ja, ja, 1) << true << ja << ja << false << false
        << QStringLiteral("erhöhte Schallschutzanforderungen");
    QTest::newRow("fensterlose Räume ohne weitere Anforderungen")
        << Werte(0, 1, nein, nein, 2) << false << ja << nein << false << false
        << QStringLiteral("erhöhte Anforderungen der Raumluftqualität");
    QTest::newRow("keine Antwort auf fensterlose Räume") << Werte(-1, 0, nein, nein, 3) << false << nein << ja << false
                                                         << false << QStringLiteral("erhöhte Energieeffizienz");
    QTest::newRow("keine Antwort, zweite Frage ohne Auswahl")
        << Werte(-1, -1, nein, nein, 0) << false << nein << nein << false << false << QString();
    QTest::newRow("Neubau: kein Baujahr")
        << Werte(1, 1, ja, ja, 0) << true << nein << nein << false << false << QString();
    QTest::newRow("getipptes Nein gilt nicht als nein")
        << Werte(1, 1, QStringLiteral("Nein"), QStringLiteral("Nein"), 0) << true << nein << nein << false << false
        << QString();
    QTest::newRow("nein mit Leerzeichen gilt nicht als nein")
        << Werte(1, 1, QStringLiteral("nein "), QStringLiteral(" nein"), 0) << true << nein << nein << false << false
        << QString();
    QTest::newRow("nur Messwert fehlt: Vorgabewert")
        << Werte(1, 1, ja, nein, 0) << true << nein << nein << false << true << QString();
}

void TestBerichtsseite::bloeckeNachDenAntworten()
{
    QFETCH(Berichtswerte, werte);
    QFETCH(bool, voll);
    QFETCH(QString, fensterlos);
    QFETCH(QString, anforderungen);
    QFETCH(bool, baujahr);
    QFETCH(bool, vorgabewert);
    QFETCH(QString, zusatz);

    const auto seite = Berichtsseite(werte, Druckdatum);

    QCOMPARE(TextBei(seite, 1150, 1100), QStringLiteral("fensterloser Raum: ") + fensterlos);
    QCOMPARE(TextBei(seite, 1150, 1150), QStringLiteral("Anforderungen an die Nutzungseinheit: ") + anforderungen);

    for (int unten : {1050, 1100, 1150, 1200, 1550, 1600, 1650, 1700, 1850, 1900, 1950, 2000, 2050, 2100})
        QVERIFY2((Bei(seite, 150, unten) != nullptr) == voll, qPrintable(QString::number(unten)));
    if (voll) {
        QCOMPARE(TextBei(seite, 150, 1300), QStringLiteral("Wärmeschutz:"));
        QCOMPARE(TextBei(seite, 150, 1350), QStringLiteral("Neubau: ") + werte.ComboBox7);
        QCOMPARE(Bei(seite, 150, 1400) != nullptr, baujahr);
        QCOMPARE(Bei(seite, 150, 1450) != nullptr, baujahr);
        QCOMPARE(Bei(seite, 150, 1750) != nullptr, vorgabewert);
        // The measured values are printed whether measured or not.
        QCOMPARE(TextBei(seite, 150, 1650), QStringLiteral("n50 in 1/h: 1,5"));
        QCOMPARE(TextBei(seite, 150, 1700), QStringLiteral("Druckexponent n: 0,667"));
    } else {
        QCOMPARE(TextBei(seite, 150, 1300), QStringLiteral("Auslegung erfolgt nach DIN 18017-3"));
        QCOMPARE(TextBei(seite, 150, 1350), QStringLiteral("Lüftung von Bädern und Toilettenräumen"));
        QCOMPARE(TextBei(seite, 150, 1400), QStringLiteral("ohne Außenfenster, mit Ventilatoren"));
        QVERIFY(!Bei(seite, 150, 1450));
        QVERIFY(!Bei(seite, 150, 1750));
    }

    // The lines that are always there keep their places.
    QCOMPARE(TextBei(seite, 150, 2200), QStringLiteral("Zusätzliche Anforderungen:"));
    QCOMPARE(Bei(seite, 150, 2250) ? Bei(seite, 150, 2250)->text : QString(), zusatz);
    QCOMPARE(TextBei(seite, 150, 2350), QStringLiteral("Zusammenfassung:"));
    QCOMPARE(TextBei(seite, 150, 2400), QStringLiteral("Ergebnis"));
}

void TestBerichtsseite::reihenfolgeUndSchriftDerVollenSeite()
{
    const auto seite = Berichtsseite(Werte(1, 1, QStringLiteral("nein"), QStringLiteral("nein"), 1), Druckdatum);

    // Table order: later items are drawn over earlier ones.
    const std::vector<std::pair<int, int>> erwartet = {
        {150, 200},  {150, 700},   {150, 800},   {150, 850},   {150, 900},   {150, 950},  {1150, 800},
        {1150, 850}, {1150, 900},  {1150, 950},  {1150, 1000}, {150, 1050},  {150, 1100}, {150, 1150},
        {150, 1200}, {1150, 1100}, {1150, 1150}, {150, 1300},  {150, 1350},  {150, 1400}, {150, 1450},
        {150, 1550}, {150, 1600},  {150, 1650},  {150, 1700},  {150, 1750},  {150, 1850}, {150, 1900},
        {150, 1950}, {150, 2000},  {150, 2050},  {150, 2100},  {150, 2200},  {150, 2250}, {150, 2350},
        {150, 2400}, {150, 2450},  {150, 2500},  {150, 2650},  {1150, 2650}, {150, 2750}};
    std::vector<std::pair<int, int>> orte;
    for (const Seitenelement &e : seite)
        orte.emplace_back(e.links, e.unten);
    QCOMPARE(orte, erwartet);

    const Seitenelement &logo = seite.front();
    QCOMPARE(logo.art, Seitenelement::Art::Logo);
    QCOMPARE(QSize(logo.breite, logo.hoehe), QSize(750, 300));

    const std::vector<int> fett = {700, 800, 1050, 1300, 1550, 1850, 2200, 2350};
    for (const Seitenelement &e : seite) {
        if (e.art == Seitenelement::Art::Logo)
            continue;
        const bool ueberschrift = std::find(fett.begin(), fett.end(), e.unten) != fett.end();
        QVERIFY2(e.fett == ueberschrift, qPrintable(e.text));
        const int hoehe = e.unten == 700 ? 60 : e.unten == 2750 ? 30 : 40;
        QVERIFY2(e.hoehe == hoehe, qPrintable(e.text));
    }
}

void TestBerichtsseite::ohneVolleBewertungDieDinZeilen()
{
    const auto seite = Berichtsseite(Werte(0, 1, QStringLiteral("nein"), QStringLiteral("nein"), 0), Druckdatum);
    for (int unten : {1300, 1350, 1400}) {
        const Seitenelement *e = Bei(seite, 150, unten);
        QVERIFY(e);
        QVERIFY(e->fett);
        QCOMPARE(e->hoehe, 40);
    }
    // Index 0 ("nein") prints nothing under its heading.
    QVERIFY(!Bei(seite, 150, 2250));
    QCOMPARE(int(seite.size()), 41 - 19 + 3 - 1);
}

void TestBerichtsseite::werteStehenUnveraendertHinterDemLiteral()
{
    Berichtswerte w = Werte(1, 1, QStringLiteral("nein"), QStringLiteral("nein"), 0);
    w.Edit2.clear();
    w.Edit7 = QStringLiteral("  zwei  Leerzeichen ");
    const QString lang = QStringLiteral("Wohnanlage am Lindenpark ").repeated(8);
    w.Edit9 = lang;
    w.Label49 = QStringLiteral("Kommentar mit  doppeltem Leerzeichen");
    const auto seite = Berichtsseite(w, Druckdatum);

    QCOMPARE(TextBei(seite, 150, 850), QStringLiteral("Objektbezeichnung: "));
    QCOMPARE(TextBei(seite, 1150, 850), QStringLiteral("Bearbeiter:   zwei  Leerzeichen "));
    QCOMPARE(TextBei(seite, 1150, 950), QStringLiteral("Firmenadresse: ") + lang);
    QCOMPARE(TextBei(seite, 150, 2450), w.Label49);
    QCOMPARE(TextBei(seite, 150, 2500), QString());
    QCOMPARE(TextBei(seite, 1150, 2650), QStringLiteral("Unterschrift:_______________________"));
}

void TestBerichtsseite::datumUndFusszeile()
{
    Berichtswerte w = Werte(1, 1, QStringLiteral("ja"), QStringLiteral("ja"), 0);
    const auto seite = Berichtsseite(w, QDate(2026, 12, 7));
    QCOMPARE(TextBei(seite, 1150, 1000), QStringLiteral("Bearbeitungsdatum: 07.12.26"));
    QCOMPARE(TextBei(seite, 150, 2650), QStringLiteral("Datum: 07.12.26"));
    const auto spaeter = Berichtsseite(w, QDate(2031, 1, 2));
    QCOMPARE(TextBei(spaeter, 150, 2650), QStringLiteral("Datum: 02.01.31"));

    const QString fuss = TextBei(seite, 150, 2750);
    QVERIFY(fuss.startsWith(QStringLiteral("Luvanto Lüftungskonzept")));
    QVERIFY(fuss.contains(QStringLiteral("LKZ Lüftungskompetenzzentrum e.V.")));
    QVERIFY(fuss.contains(QStringLiteral("www.lkz-lueftung.example")));
    QVERIFY(fuss.endsWith(QStringLiteral(".example ") + Versionstext));
    QCOMPARE(fuss, Fusszeile() + Versionstext);
}

QTEST_MAIN(TestBerichtsseite)
#include "tst_berichtsseite.moc"
