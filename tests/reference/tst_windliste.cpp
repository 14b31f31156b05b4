#include "reference/Kreissuche.h"
#include "reference/Wind.h"

#include "Dialogantwort.h"
#include "Textfeld.h"

#include <QtTest>

#include <memory>

// The list of wind-strong districts as the window shows it.
class TestWindliste : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ueberschrift();
    void spaltenkopf();
    void umfang_data();
    void umfang();
    void anfangUndEnde_data();
    void anfangUndEnde();
    void zeilenform();
    void umbrochen_data();
    void umbrochen();
    void alphabetisch();
    void gleichnamig_data();
    void gleichnamig();
    void stadtstatus();
    void suche_data();
    void suche();
    void sucheImFenster_data();
    void sucheImFenster();

private:
    QList<QStringList> spalten() const;
    QStringList eintraege(int spalte) const;
    QStringList alleEintraege() const;

    std::unique_ptr<TWindeinstufung> fenster;
};

void TestWindliste::init()
{
    fenster = std::make_unique<TWindeinstufung>();
}

void TestWindliste::cleanup()
{
    fenster.reset();
}

QList<QStringList> TestWindliste::spalten() const
{
    return {Zeilen(fenster->Memo_Spalte1), Zeilen(fenster->Memo_Spalte2), Zeilen(fenster->Memo_Spalte3),
            Zeilen(fenster->Memo1)};
}

// The entries of one column, a broken entry joined into one line again:
// a line without a seat ("district  ") or without the closing blank
// continues on the next line.
QStringList TestWindliste::eintraege(int spalte) const
{
    QStringList zeilen = spalten().at(spalte);
    if (spalte == 0)
        zeilen = zeilen.mid(2);
    QStringList ergebnis;
    for (int i = 0; i < zeilen.size(); ++i) {
        QString eintrag = zeilen.at(i);
        const bool ohneSitz = eintrag.endsWith(QLatin1String("  "));
        if ((ohneSitz || !eintrag.endsWith(QLatin1Char(' '))) && i + 1 < zeilen.size())
            eintrag += (ohneSitz ? QString() : QStringLiteral(" ")) + zeilen.at(++i);
        ergebnis << eintrag;
    }
    return ergebnis;
}

QStringList TestWindliste::alleEintraege() const
{
    QStringList alle;
    for (int spalte = 0; spalte < 4; ++spalte)
        alle << eintraege(spalte);
    return alle;
}

static QString Landkreis(const QString &eintrag)
{
    return eintrag.left(eintrag.indexOf(QLatin1String("  ")));
}

void TestWindliste::ueberschrift()
{
    QCOMPARE(fenster->Label1->text(),
             QStringLiteral("Windstarke Landkreise/Orte in Deutschland (Nicht genannte "
                            "Landkreise/Orte sind windschwach)"));
    QVERIFY(fenster->Label1->font().bold());
    QCOMPARE(fenster->Label1->font().pixelSize(), 19);
    QCOMPARE(fenster->Memo1->font().pixelSize(), 11);
    QVERIFY(!fenster->Memo1->font().bold());
}

void TestWindliste::spaltenkopf()
{
    const QList<QStringList> s = spalten();
    QCOMPARE(s[0].at(0), QStringLiteral("Landkreis  Sitz"));
    QCOMPARE(s[0].at(1), QString());
    for (int spalte = 1; spalte < 4; ++spalte)
        QVERIFY2(s[spalte].at(0).contains(QLatin1String("  ")), qPrintable(s[spalte].at(0)));
}

void TestWindliste::umfang_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<int>("eintraege");

    QTest::newRow("Spalte 1 (Kopf, Leerzeile, Breisgau umbrochen)") << 0 << 51 << 48;
    QTest::newRow("Spalte 2 (Garmisch, Mönchengladbach umbrochen)") << 1 << 52 << 50;
    QTest::newRow("Spalte 3 (Oldenburg umbrochen)") << 2 << 50 << 49;
    QTest::newRow("Spalte 4 (nichts umbrochen)") << 3 << 36 << 36;
}

void TestWindliste::umfang()
{
    QFETCH(int, spalte);
    QFETCH(int, zeilen);
    QFETCH(int, eintraege);

    QCOMPARE(spalten().at(spalte).size(), zeilen);
    QCOMPARE(this->eintraege(spalte).size(), eintraege);
    QCOMPARE(alleEintraege().size(), 183);
}

void TestWindliste::anfangUndEnde_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<QString>("erster");
    QTest::addColumn<QString>("letzter");

    QTest::newRow("Spalte 1") << 0 << "Aachen  Aachen "
                              << "Fulda  Fulda ";
    QTest::newRow("Spalte 2") << 1 << "Garmisch-Partenkirchen  Garmisch-Partenkirchen "
                              << "Münster; Stadt  Münster ";
    QTest::newRow("Spalte 3") << 2 << "Müritz  Waren (Müritz) "
                              << "Siegen-Wittgenstein  Siegen ";
    QTest::newRow("Spalte 4") << 3 << "Soest  Soest "
                              << "Wunsiedel i. Fichtelgebirge  Wunsiedel ";
}

void TestWindliste::anfangUndEnde()
{
    QFETCH(int, spalte);
    QFETCH(QString, erster);
    QFETCH(QString, letzter);

    const QStringList liste = eintraege(spalte);
    QCOMPARE(liste.first(), erster);
    QCOMPARE(liste.last(), letzter);
}

// "district  seat " with exactly one double blank and one closing blank.
void TestWindliste::zeilenform()
{
    static const QRegularExpression form(QStringLiteral("^\\S(?:\\S| (?! ))*  \\S(?:\\S| (?! ))* $"));
    for (const QString &eintrag : alleEintraege())
        QVERIFY2(form.match(eintrag).hasMatch(), qPrintable(QLatin1Char('"') + eintrag + QLatin1Char('"')));
}

void TestWindliste::umbrochen_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<QString>("zeile1");
    QTest::addColumn<QString>("zeile2");

    QTest::newRow("Breisgau-Hochschwarzwald, im Sitz umbrochen") << 0 << "Breisgau-Hochschwarzwald  Freiburg im"
                                                                 << "Breisgau ";
    QTest::newRow("Garmisch-Partenkirchen, vor dem Sitz umbrochen") << 1 << "Garmisch-Partenkirchen  "
                                                                    << "Garmisch-Partenkirchen ";
    QTest::newRow("Mönchengladbach; Stadt, vor dem Sitz umbrochen") << 1 << "Mönchengladbach; Stadt  "
                                                                    << "Mönchengladbach ";
    QTest::newRow("Oldenburg (Oldenburg); Stadt, vor dem Sitz umbrochen") << 2 << "Oldenburg (Oldenburg); Stadt  "
                                                                          << "Oldenburg/Oldenburg ";
}

void TestWindliste::umbrochen()
{
    QFETCH(int, spalte);
    QFETCH(QString, zeile1);
    QFETCH(QString, zeile2);

    const QStringList zeilen = spalten().at(spalte);
    const int i = zeilen.indexOf(zeile1);
    QVERIFY2(i >= 0, qPrintable(zeile1));
    QCOMPARE(zeilen.value(i + 1), zeile2);

    // No other line of the list lacks its seat or its closing blank.
    int unvollstaendig = 0;
    for (const QStringList &s : spalten())
        for (const QString &zeile : s)
            if (!zeile.isEmpty() && zeile != QLatin1String("Landkreis  Sitz")
                && (zeile.endsWith(QLatin1String("  ")) || !zeile.endsWith(QLatin1Char(' '))))
                ++unvollstaendig;
    QCOMPARE(unvollstaendig, 4);
}

// Lower case, ä/ö/ü as a/o/u, ß as ss, hyphens left out.
static QString Sortierschluessel(QString name)
{
    name = name.toLower();
    name.replace(QStringLiteral("ä"), QStringLiteral("a"));
    name.replace(QStringLiteral("ö"), QStringLiteral("o"));
    name.replace(QStringLiteral("ü"), QStringLiteral("u"));
    name.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    name.remove(QLatin1Char('-'));
    return name;
}

void TestWindliste::alphabetisch()
{
    const QStringList alle = alleEintraege();
    for (int i = 1; i < alle.size(); ++i) {
        const QString vorher = Landkreis(alle.at(i - 1));
        const QString nachher = Landkreis(alle.at(i));
        QVERIFY2(Sortierschluessel(vorher) < Sortierschluessel(nachher),
                 qPrintable(vorher + QStringLiteral(" vor ") + nachher));
    }
}

void TestWindliste::gleichnamig_data()
{
    QTest::addColumn<QString>("landkreis");
    QTest::addColumn<QString>("stadt");

    QTest::newRow("Aachen") << "Aachen  Aachen "
                            << "Aachen; Stadt  Aachen ";
    QTest::newRow("Hof") << "Hof  Hof "
                         << "Hof; Stadt  Hof ";
    QTest::newRow("Osnabrück") << "Osnabrück  Osnabrück "
                               << "Osnabrück; Stadt  Osnabrück ";
}

// The district comes first, the town of the same name right after it.
void TestWindliste::gleichnamig()
{
    QFETCH(QString, landkreis);
    QFETCH(QString, stadt);

    const QStringList alle = alleEintraege();
    const int i = alle.indexOf(landkreis);
    QVERIFY2(i >= 0, qPrintable(landkreis));
    QCOMPARE(alle.value(i + 1), stadt);
    QCOMPARE(alle.count(landkreis), 1);
    QCOMPARE(alle.count(stadt), 1);
}

// Towns of their own are "; Stadt" but for three.
void TestWindliste::stadtstatus()
{
    QStringList besondere;
    int staedte = 0;
    for (const QString &eintrag : alleEintraege()) {
        const QString name = Landkreis(eintrag);
        const int semikolon = name.indexOf(QLatin1String("; "));
        if (semikolon < 0)
            continue;
        const QString status = name.mid(semikolon + 2);
        if (status == QLatin1String("Stadt"))
            ++staedte;
        else
            besondere << name;
    }
    QCOMPARE(besondere,
             QStringList({QStringLiteral("Hamburg; Freie und Hansestadt"), QStringLiteral("Kiel; Landeshauptstadt"),
                          QStringLiteral("Lübeck; Hansestadt")}));
    QCOMPARE(staedte, 20);
}

void TestWindliste::suche_data()
{
    QTest::addColumn<QString>("anfrage");
    // district – seat, in the list's order; then today's districts with
    // their former ones
    QTest::addColumn<QStringList>("treffer");
    QTest::newRow("leer: alle") << "" << QStringList{};
    QTest::newRow("klein") << "aurich" << QStringList{"Aurich – Aurich"};
    QTest::newRow("Landkreis und Umlaut")
        << "Landkreis Görlitz"
        << QStringList{"Görlitz; Stadt – Görlitz",
                       "Landkreis Görlitz 2008: Löbau-Zittau windstark, "
                       "Niederschlesischer Oberlausitzkreis windschwach, Görlitz; Stadt windstark"};
    QTest::newRow("ohne Umlaut, groß") << "MURITZ" << QStringList{"Müritz – Waren (Müritz)"};
    QTest::newRow("ue für ü") << "Muenster" << QStringList{"Münster; Stadt – Münster"};
    QTest::newRow("oe für ö, ae für ä") << "Loerrach" << QStringList{"Lörrach – Lörrach"};
    QTest::newRow("ß als ss") << "grossenhain" << QStringList{"Riesa-Großenhain – Großenhain"};
    QTest::newRow("Bindestrich als Leerzeichen") << "Rhein Erft Kreis" << QStringList{"Rhein-Erft-Kreis – Bergheim"};
    QTest::newRow("Sitz über zwei Zeilen")
        << "freiburg" << QStringList{"Breisgau-Hochschwarzwald – Freiburg im Breisgau"};
    QTest::newRow("Kreis und Stadt") << "Kreis Osnabrück"
                                     << QStringList{"Osnabrück – Osnabrück", "Osnabrück; Stadt – Osnabrück"};
    QTest::newRow("nur am Wortanfang") << "Hof" << QStringList{"Hof – Hof", "Hof; Stadt – Hof"};
    QTest::newRow("heutiger Kreis") << "Vorpommern-Greifswald"
                                    << QStringList{"Vorpommern-Greifswald 2011: Ostvorpommern windstark, Uecker-Randow "
                                                   "windstark, Greifswald windstark, Demmin windstark"};
    QTest::newRow("umbenannt") << "Heidekreis" << QStringList{"Heidekreis 2011: Soltau-Fallingbostel windstark"};
    QTest::newRow("Kreis und heutiger Landkreis")
        << "Rostock"
        << QStringList{"Rostock – Rostock", "Landkreis Rostock 2011: Bad Doberan windstark, Güstrow windstark"};
    QTest::newRow("nicht genannt") << "Passau" << QStringList{};
    QTest::newRow("Ort, Postleitzahl") << "Norden 26506" << QStringList{};
}

void TestWindliste::suche()
{
    QFETCH(QString, anfrage);
    QFETCH(QStringList, treffer);
    const Suchergebnis ergebnis = Kreissuche(anfrage);
    QStringList gefunden;
    for (const Kreis &k : ergebnis.kreise)
        gefunden << k.name + QStringLiteral(" – ") + k.sitz;
    for (const Kreisreform &r : ergebnis.reformen) {
        QStringList vorher;
        for (const Vorgaenger &v : r.vorgaenger)
            vorher << v.name + (v.windstark ? " windstark" : " windschwach");
        gefunden << QStringLiteral("%1 %2: ").arg(r.name).arg(r.jahr) + vorher.join(", ");
    }
    if (anfrage.isEmpty())
        QCOMPARE(gefunden.size(), 183);
    else
        QCOMPARE(gefunden, treffer);
}

void TestWindliste::sucheImFenster_data()
{
    QTest::addColumn<QString>("anfrage");
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QString>("lage");  // what Enter in the search field offers to take over
    QTest::newRow("Ort: keine Einstufung")
        << "Sylt"
        << QStringList{"„Sylt“ wurde nicht gefunden. Ein Ort steht nur unter seinem Landkreis: schlagen Sie nach, zu "
                       "welchem Kreis die Gemeinde gehört, und suchen Sie nach ihm."}
        << "";
    QTest::newRow("ein Kreis") << "Heidekreis"
                               << QStringList{"Heidekreis (seit 2011), gebildet aus:",
                                              "    Soltau-Fallingbostel – Fallingbostel: windstark"}
                               << "windstark";
}

// The rows the window shows; Enter in the search field with a single
// district offers its class.
void TestWindliste::sucheImFenster()
{
    QFETCH(QString, anfrage);
    QFETCH(QStringList, zeilen);
    QFETCH(QString, lage);
    fenster->EditSuche->setText(anfrage);
    QStringList gezeigt;
    for (int i = 0; i < fenster->ListeTreffer->count(); ++i)
        gezeigt << fenster->ListeTreffer->item(i)->text();
    QCOMPARE(gezeigt, zeilen);

    auto offen = std::make_shared<bool>(true);  // this row still waits for a question
    QString gewaehlt;
    connect(fenster.get(), &TWindeinstufung::lageGewaehlt, this, [&](const QString &l) { gewaehlt = l; });
    // A row that expects no question leaves its answer waiting: it must
    // not take the next row's question.
    Beantworten<QMessageBox>([offen](QMessageBox *box) {
        if (*offen)
            box->defaultButton()->click();
    });
    QTest::keyClick(fenster->EditSuche, Qt::Key_Return);
    *offen = false;
    QCOMPARE(gewaehlt, lage);
}

QTEST_MAIN(TestWindliste)
#include "tst_windliste.moc"
