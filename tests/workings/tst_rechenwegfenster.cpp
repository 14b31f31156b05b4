// The Rechenweg as lines, on the page and in its window: what a run recorded
// turned into German lines, the verdicts of the question flow, the A4 page
// read back from its PDF, and the window following keystrokes in the real
// program.

#include "Dialogantwort.h"
#include "ErsatzBlatt.h"
#include "PdfPruefung.h"
#include "mainwindow/Bedienung.h"

#include "app/Programm.h"
#include "engine/Rechenweg.h"
#include "engine/Urteilstexte.h"
#include "project/Projektbefehle.h"
#include "report/Druckauftrag.h"
#include "report/PdfExport.h"
#include "windowkit/Version.h"
#include "workings/Rechenwegseite.h"
#include "workings/Rechenwegtext.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using S = Steuerelement;
using W = Rechenweg;

namespace {

const QString EFH = "EFH als mehrgeschossige Nutzungseinheit";
const QString MFH = "MFH als eingeschossige Nutzungseinheit";
const QString KeineRegel = " passt zu keiner Regel (Groß- und Kleinschreibung und Leerzeichen zählen)";

// Texts of the work page for one run, as control → text.
using Texte = QList<QPair<S, QString>>;

// The record of the last of the runs, each with its texts on the stand-in
// window's design-time texts.
W Aufzeichnen(const QList<Texte> &laeufe)
{
    W weg;
    Rechenzustand zustand;
    zustand.weg = &weg;
    ErsatzBlatt blatt(zustand);
    for (const Texte &lauf : laeufe) {
        for (const auto &[element, text] : lauf)
            blatt.vorgeben(element, text.toStdString());
        blatt.berechne();
    }
    return weg;
}

QStringList Gruppen(const std::vector<Rechenwegzeile> &zeilen)
{
    QStringList titel;
    for (const Rechenwegzeile &z : zeilen)
        if (z.art == Rechenwegzeile::Art::Gruppe)
            titel << z.was;
    return titel;
}

bool Enthaelt(const std::vector<Rechenwegzeile> &zeilen, const QString &was, const QString &wert)
{
    return std::find(zeilen.begin(), zeilen.end(), Rechenwegzeile{Rechenwegzeile::Art::Eintrag, was, wert})
        != zeilen.end();
}

QString Liste(const std::vector<Rechenwegzeile> &zeilen)
{
    QString text;
    for (const Rechenwegzeile &z : zeilen)
        text += z.was + QStringLiteral(" | ") + z.wert + u'\n';
    return text;
}

const Texte Neubau120 = {{S::Edit6, "120"}, {S::Edit8, "3,0"}};
const Texte Knapp = {{S::ComboBox1, MFH},
                     {S::ComboBox2, "windstark"},
                     {S::Edit6, "45"},
                     {S::ComboBox5, "nein"},
                     {S::ComboBox6, "freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE"}};

}  // namespace

Q_DECLARE_METATYPE(QList<Texte>)
Q_DECLARE_METATYPE(W::Urteilsgeber)

class TestRechenwegfenster : public QObject {
    Q_OBJECT

private slots:
    void zeilen_data();
    void zeilen();
    void fragenfluss_data();
    void fragenfluss();
    void unterscheidbar_data();
    void unterscheidbar();
    void seiteAusDemPdf();
    void nichtsUeberDenRand_data();
    void nichtsUeberDenRand();
    void langeRechenwegeAufMehrerenSeiten();
    void fensterFolgtDenTasten();
    void pdfUndDruckAusDemFenster();
};

void TestRechenwegfenster::zeilen_data()
{
    QTest::addColumn<QList<Texte>>("laeufe");
    QTest::addColumn<QString>("was");
    QTest::addColumn<QString>("wert");

    QTest::newRow("Fläche mit Punkt") << QList<Texte>{{{S::Edit6, "75.5"}, {S::Edit8, "3"}}}
                                      << "Fläche Nutzungseinheit »75.5«"
                                      << "A_NE = 75,5 m²";
    QTest::newRow("negative Fläche") << QList<Texte>{{{S::Edit6, "-10"}}} << "Fläche Nutzungseinheit »-10«"
                                     << "A_NE = -10 m²; negativ, gerechnet wird mit A_NE = 0 m²";
    QTest::newRow("leerer Exponent") << QList<Texte>{{{S::Edit6, "120"}, {S::Edit10, ""}}} << "Druckexponent n »«"
                                     << "leer, also n = 0";
    QTest::newRow("Vorgabe: 2/3, nicht 0,667")
        << QList<Texte>{Knapp} << "Druckexponent n"
        << "ohne Messwert n = 2/3 = 0,666666666666667; eingetragen als »0,667«, gerechnet wird "
           "mit 2/3, nicht mit 0,667";
    QTest::newRow("Vorgabewert der Kategorie")
        << QList<Texte>{Knapp}
        << "Vorgabewert Auslegungsluftwechsel »freie Lüftung bei Modernisierung in EFH als "
           "mehrgeschossige NE«"
        << "n50 = 2 1/h, eingetragen als »2,0«";
    QTest::newRow("Grundsumme mit eingesetzten Zahlen")
        << QList<Texte>{Neubau120} << ""
        << "= 1,15 × max(120; 30) − 0,001 × max(14400; 900) + 20 = 138 − 14,4 + 20 = 143,6";
    QTest::newRow("Grundsumme rechnet unter 30 m² mit 30")
        << QList<Texte>{{{S::Edit6, "20"}, {S::Edit8, "3"}}} << ""
        << "= 1,15 × max(20; 30) − 0,001 × max(400; 900) + 20 = 34,5 − 0,9 + 20 = 53,6";
    QTest::newRow("Infiltration mit Druckterm") << QList<Texte>{Neubau120} << ""
                                                << "= 0,5 × 120 × 2,5 × 3 × 0,2153 = 96,8752 m³/h";
    QTest::newRow("Druckterm mit 2/3") << QList<Texte>{Knapp} << "Druckterm"
                                       << "(Druckdifferenz / 50)^n = (4 / 50)^(2/3) = 0,1857";
    QTest::newRow("20,9 gegen 20,9: ungerundet verglichen")
        << QList<Texte>{Knapp} << "Feuchteschutz"
        << "q_v,Inf 20,8871 < q_v,FS 20,9175 → Maßnahme erforderlich";
    QTest::newRow("beide zeigen 20,9")
        << QList<Texte>{Knapp} << "Angezeigt (gerundet)"
        << "q_v,FS 20,9 · q_v,Inf 20,9 · q_v,RL 48,8 · q_v,NL 69,7 m³/h; verglichen wird ungerundet";
    QTest::newRow("unsaniert")
        << QList<Texte>{{{S::ComboBox7, "nein"}, {S::Edit11, "1980"}, {S::ComboBox8, "nein"}}} << "Wärmeschutz"
        << "Baujahr 1980 bis 1994, nicht saniert nach WSVO 1995 → Qualität „niedrig“, f_WS = 0,4";
    QTest::newRow("Sanierung »vielleicht« behält niedrig")
        << QList<Texte>{{{S::ComboBox7, "nein"}, {S::Edit11, "1980"}, {S::ComboBox8, "nein"}},
                        {{S::ComboBox8, "vielleicht"}}}
        << "Wärmeschutz"
        << "Baujahr 1980 bis 1994, Sanierung »vielleicht«" + KeineRegel
            + ": Qualität und f_WS nicht neu bestimmt, weiter gilt „niedrig“, f_WS = 0,4 aus "
              "einer früheren Berechnung";
    QTest::newRow("»Windstark« behält die Druckdifferenz")
        << QList<Texte>{{{S::ComboBox2, "windstark"}}, {{S::ComboBox2, "Windstark"}}} << "Druckdifferenz"
        << "Gebäudelage »Windstark«" + KeineRegel + ": nicht neu bestimmt, weiter gilt 7 aus einer früheren Berechnung";
    QTest::newRow("»Windstark« im ersten Lauf") << QList<Texte>{{{S::ComboBox2, "Windstark"}}} << "Druckdifferenz"
                                                << "Gebäudelage »Windstark«" + KeineRegel
            + ": nicht neu bestimmt, weiter gilt 0 (in noch keiner Berechnung bestimmt)";
    QTest::newRow("unbekannter Gebäudetyp")
        << QList<Texte>{{}, {{S::ComboBox1, "<b>Reihenhaus</b>"}}} << "Infiltrationsfaktor"
        << "Gebäudetyp »<b>Reihenhaus</b>«" + KeineRegel
            + ": nicht neu bestimmt, weiter gilt 0,5 aus einer früheren Berechnung";
    QTest::newRow("Kategorie »Passivhaus« behält n50 eines Messwerts")
        << QList<Texte>{{{S::Edit8, "3,7"}}, {{S::ComboBox5, "nein"}, {S::ComboBox6, "Passivhaus"}}}
        << "Vorgabewert Auslegungsluftwechsel »Passivhaus«"
        << "die Kategorie" + KeineRegel
            + ": nicht neu bestimmt, weiter gilt n50 = 3,7 1/h aus einer früheren Berechnung, "
              "eingetragen als »3,7«";
    QTest::newRow("ohne Infiltration kein Urteil")
        << QList<Texte>{{{S::Edit6, ""}}} << "Infiltration"
        << "q_v,Inf = 0, nicht größer als 0: kein Urteil (Fläche, n50, Infiltrationsfaktor oder "
           "Druckdifferenz ist 0)";
}

void TestRechenwegfenster::zeilen()
{
    QFETCH(QList<Texte>, laeufe);
    QFETCH(QString, was);
    QFETCH(QString, wert);
    const auto zeilen = RechenwegZeilen(Aufzeichnen(laeufe));
    QVERIFY2(Enthaelt(zeilen, was, wert), qPrintable(Liste(zeilen)));
    QCOMPARE(Gruppen(zeilen),
             QStringList({"Eingaben, wie gelesen", "Beiwerte", "Formeln, Volumenströme in m³/h",
                          "Ergebnis und Begründung", "Verfahren"}));
    QVERIFY(Enthaelt(zeilen, "Norm",
                     "DIN 1946-6 (Ausgabe Mai 2009), Kapitel 4.2: Notwendigkeit lüftungstechnischer "
                     "Maßnahmen"));
}

void TestRechenwegfenster::fragenfluss_data()
{
    QTest::addColumn<W::Urteilsgeber>("geber");
    QTest::addColumn<bool>("mitBerechnung");
    QTest::addColumn<QStringList>("gruppen");
    QTest::addColumn<QString>("urteil");

    const QStringList nurUrteil = {"Ergebnis und Begründung", "Verfahren"};
    const QStringList alle = {"Eingaben, wie gelesen", "Beiwerte", "Formeln, Volumenströme in m³/h",
                              "Ergebnis und Begründung", "Verfahren"};
    const QString ausreichend = QString(Urteilstexte::AusreichendZeile1) + " " + Urteilstexte::AusreichendZeile2;
    QTest::newRow("noch nichts") << W::Urteilsgeber::Keiner << false << nurUrteil << QString();
    QTest::newRow("zurückgesetzt") << W::Urteilsgeber::Zurueckgesetzt << false << nurUrteil << QString();
    QTest::newRow("fensterlose Räume: ohne Berechnung")
        << W::Urteilsgeber::FensterloseRaeume << false << nurUrteil << ausreichend;
    QTest::newRow("fensterlose Räume mit sichtbarer Berechnung bleiben ohne Formeln")
        << W::Urteilsgeber::FensterloseRaeume << true << nurUrteil << ausreichend;
    QTest::newRow("wartet auf die nächste Eingabe")
        << W::Urteilsgeber::WartetAufBerechnung << true << nurUrteil << QString();
    QTest::newRow("erhöhte Anforderungen ohne Berechnungsfelder")
        << W::Urteilsgeber::ErhoehteAnforderungen << false << nurUrteil << QString(Urteilstexte::ErhoehteAnforderungen);
    QTest::newRow("erhöhte Anforderungen nach der Berechnung")
        << W::Urteilsgeber::ErhoehteAnforderungen << true << alle << QString(Urteilstexte::ErhoehteAnforderungen);
    QTest::newRow("aus der Projektdatei") << W::Urteilsgeber::Projektdatei << true
                                          << QStringList{"Herkunft",
                                                         "Eingaben, wie gelesen",
                                                         "Beiwerte",
                                                         "Formeln, Volumenströme in m³/h",
                                                         "Ergebnis und Begründung der Berechnung beim Öffnen",
                                                         "Verfahren"}
                                          << QString(Urteilstexte::KeineMassnahme);
    QTest::newRow("wiederhergestellte Eingaben")
        << W::Urteilsgeber::Wiederhergestellt << true
        << QStringList{"Herkunft",
                       "Eingaben, wie gelesen",
                       "Beiwerte",
                       "Formeln, Volumenströme in m³/h",
                       "Ergebnis und Begründung der Berechnung beim Wiederherstellen",
                       "Verfahren"}
        << QString(Urteilstexte::KeineMassnahme);
}

void TestRechenwegfenster::fragenfluss()
{
    QFETCH(W::Urteilsgeber, geber);
    QFETCH(bool, mitBerechnung);
    QFETCH(QString, urteil);
    W weg = Aufzeichnen({Neubau120});
    weg.urteilsgeber = geber;
    weg.mitBerechnung = mitBerechnung;
    weg.fensterlos = 0;
    weg.weitere = 1;
    const auto zeilen = RechenwegZeilen(weg);
    QTEST(Gruppen(zeilen), "gruppen");

    QStringList urteile;
    for (const Rechenwegzeile &z : zeilen)
        if (z.was == QLatin1String("Urteil"))
            urteile << z.wert;
    QCOMPARE(urteile.isEmpty() ? QString() : urteile.last(), urteil);
    const bool fensterlos = geber == W::Urteilsgeber::FensterloseRaeume;
    QCOMPARE(Enthaelt(zeilen, "Gibt es fensterlose Räume ?", "ja"),
             fensterlos || geber == W::Urteilsgeber::WartetAufBerechnung);
    QCOMPARE(std::any_of(zeilen.begin(), zeilen.end(),
                         [](const Rechenwegzeile &z) {
                             return z.art == Rechenwegzeile::Art::Hinweis
                                 && z.was.contains(QStringLiteral("nach DIN 18017-3"));
                         }),
             fensterlos);
}

void TestRechenwegfenster::unterscheidbar_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::newRow("vierte Stelle genügt") << 20.9175 << 20.8871497513 << "20,9175"
                                          << "20,8871";
    QTest::newRow("erst die sechste Stelle") << 100.000004 << 100.000001 << "100,000004"
                                             << "100,000001";
    QTest::newRow("gleich") << 43.08 << 43.08 << "43,0800"
                            << "43,0800";
    QTest::newRow("negativ") << -12.0 << 0.5 << "-12,0000"
                             << "0,5000";
}

void TestRechenwegfenster::unterscheidbar()
{
    QFETCH(double, a);
    QFETCH(double, b);
    const auto [x, y] = Unterscheidbar(a, b);
    QTEST(x, "x");
    QTEST(y, "y");
}

namespace {

Berichtswerte Objekt()
{
    Berichtswerte w;
    w.Edit2 = QStringLiteral("Haus A");
    w.Edit1 = QStringLiteral("Lindenweg 7");
    w.Edit4 = QStringLiteral("12345 Musterstadt");
    w.Edit7 = QStringLiteral("M. Weber");
    w.Label30 = Versionstext;
    return w;
}

// The texts of a PDF page line by line, top to bottom.
QStringList Zeilentexte(const PdfSeite &seite)
{
    std::vector<PdfWort> woerter = seite.woerter;
    std::sort(woerter.begin(), woerter.end(), [](const PdfWort &a, const PdfWort &b) {
        return std::abs(a.unten - b.unten) > 5 ? a.unten < b.unten : a.links < b.links;
    });
    QStringList zeilen;
    double unten = -100;
    for (const PdfWort &w : woerter) {
        if (std::abs(w.unten - unten) > 5)
            zeilen << QString();
        else
            zeilen.last() += u' ';
        zeilen.last() += w.text;
        unten = w.unten;
    }
    return zeilen;
}

}  // namespace

void TestRechenwegfenster::seiteAusDemPdf()
{
    const auto zeilen = RechenwegZeilen(Aufzeichnen({Knapp}));
    const auto seiten = RechenwegSeiten(zeilen, Objekt(), QDate(2026, 12, 7));
    QCOMPARE(seiten.size(), std::size_t(1));

    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("rechenweg.pdf"));
    QCOMPARE(PdfSchreiben(pdf, seiten, QImage(), RechenwegDokumenttitel("Haus A")), std::nullopt);
    const std::vector<PdfSeite> gelesen = PdfLesen(pdf);
    QCOMPARE(gelesen.size(), std::size_t(1));
    const PdfSeite &seite = gelesen[0];
    QVERIFY(std::abs(seite.breite - 2100) < 5 && std::abs(seite.hoehe - 2970) < 5);

    const QStringList text = Zeilentexte(seite);
    const QString alles = text.join(u'\n');
    for (const char *erwartet :
         {"Rechenweg: Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6", "Objektbezeichnung: Haus A",
          "Strasse, Nr: Lindenweg 7", "PLZ, Ort: 12345 Musterstadt", "Bearbeiter: M. Weber", "Datum: 07.12.2026",
          "Eingaben, wie gelesen", "Feuchteschutz q_v,Inf 20,8871 < q_v,FS 20,9175 → Maßnahme erforderlich",
          "Norm DIN 1946-6 (Ausgabe Mai 2009), Kapitel 4.2: Notwendigkeit lüftungstechnischer"})
        QVERIFY2(alles.contains(QString::fromUtf8(erwartet)), qPrintable(alles));
    QVERIFY(!alles.contains(QStringLiteral("Seite 1")));

    // Every line stays within the page's margins of 15 mm, wrapped where
    // the verdict is longer than its column.
    for (const PdfWort &w : seite.woerter)
        QVERIFY2(w.links >= 145 && w.rechts <= 1955, qPrintable(w.text));
    QVERIFY(alles.contains(QStringLiteral("Lüftungstechnische Maßnahme zur Sicherstellung")));
}

void TestRechenwegfenster::nichtsUeberDenRand_data()
{
    QTest::addColumn<QList<Texte>>("laeufe");
    QTest::addColumn<QString>("erwartet");  // a part of the page's text
    QTest::newRow("Fläche 1e308 mit Zehnerpotenz")
        << QList<Texte>{{{S::Edit6, "1e308"}, {S::Edit8, "3,0"}}} << QStringLiteral("1,0 · 10³⁰⁸");
    QTest::newRow("Gebäudetyp ohne Blanks")
        << QList<Texte>{{{S::ComboBox1, QString(300, u'x')}, {S::Edit6, "120"}}} << QString(40, u'x');
}

// Long numbers and words never run past the margin of 15 mm.
void TestRechenwegfenster::nichtsUeberDenRand()
{
    QFETCH(QList<Texte>, laeufe);
    QFETCH(QString, erwartet);
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("rechenweg.pdf"));
    const auto seiten = RechenwegSeiten(RechenwegZeilen(Aufzeichnen(laeufe)), Objekt(), QDate(2026, 12, 7));
    QCOMPARE(PdfSchreiben(pdf, seiten, QImage(), QString()), std::nullopt);
    QString alles;
    for (const PdfSeite &seite : PdfLesen(pdf)) {
        alles += Zeilentexte(seite).join(u'\n');
        for (const PdfWort &w : seite.woerter)
            QVERIFY2(w.links >= 145 && w.rechts <= 1955, qPrintable(w.text));
    }
    alles.replace(QChar(0xa0), u' ');
    QVERIFY2(alles.contains(erwartet), qPrintable(alles));
    QVERIFY(!alles.contains(QString(20, u'0')));
}

void TestRechenwegfenster::langeRechenwegeAufMehrerenSeiten()
{
    auto zeilen = RechenwegZeilen(Aufzeichnen({Neubau120}));
    const std::size_t eine = RechenwegSeiten(zeilen, Objekt(), QDate(2026, 12, 7)).size();
    QCOMPARE(eine, std::size_t(1));
    for (int i = 0; i < 40; ++i)
        zeilen.push_back({Rechenwegzeile::Art::Eintrag, QStringLiteral("Zeile %1").arg(i), QStringLiteral("Wert")});
    const auto seiten = RechenwegSeiten(zeilen, Objekt(), QDate(2026, 12, 7));
    QCOMPARE(seiten.size(), std::size_t(2));
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const auto hat = [&](const QString &text) {
            return std::any_of(seiten[i].begin(), seiten[i].end(),
                               [&](const Seitenelement &e) { return e.text == text; });
        };
        QVERIFY(hat(QStringLiteral("Objektbezeichnung: Haus A")));
        QVERIFY(hat(QStringLiteral("Seite %1 von 2").arg(i + 1)));
        for (const Seitenelement &e : seiten[i])
            QVERIFY(e.unten <= 2750);
    }
    // Nothing is lost or doubled between the pages.
    int eintraege = 0;
    for (const auto &seite : seiten)
        eintraege += int(std::count_if(seite.begin(), seite.end(), [](const Seitenelement &e) {
            return e.text.startsWith(QStringLiteral("Zeile "));
        }));
    QCOMPARE(eintraege, 40);
}

namespace {

// The window's label that shows exactly this text, or null.
QLabel *LabelMit(QWidget *fenster, const QString &text)
{
    for (QLabel *label : fenster->findChildren<QLabel *>())
        if (label->isVisible() && label->text() == text)
            return label;
    return nullptr;
}

}  // namespace

void TestRechenwegfenster::fensterFolgtDenTasten()
{
    Programm p;
    TForm1 &f = *p.Form1;
    TRechenweg &r = *p.Rechenwegfenster;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::mouseClick(f.Image7, Qt::LeftButton);
    Bedienung::Klicken(f.RadioGroup1, 1);
    QVERIFY(!r.isVisible());
    QVERIFY(r.zeilen().empty());

    QTest::keyClick(&f, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(r.isVisible());
    QVERIFY(LabelMit(&r,
                     QStringLiteral("Noch kein Urteil: es erscheint mit der nächsten Änderung "
                                    "einer Eingabe, die neu berechnet.")));

    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    Bedienung::Tippen(f.Edit8, QStringLiteral("3"));
    Bedienung::Tippen(f.Edit6, QStringLiteral("12"));
    QVERIFY(Enthaelt(r.zeilen(), "Fläche Nutzungseinheit »12«", "A_NE = 12 m²"));
    QLabel *flaeche = LabelMit(&r, QStringLiteral("A_NE = 12 m²"));
    QVERIFY(flaeche);
    QCOMPARE(flaeche->textFormat(), Qt::PlainText);

    // Hidden, the window is not refreshed; shown again, it is current.
    r.close();
    QVERIFY(!r.isVisible());
    QTest::keyClick(f.Edit6, Qt::Key_0);
    QVERIFY(Enthaelt(r.zeilen(), "Fläche Nutzungseinheit »12«", "A_NE = 12 m²"));
    QTest::keyClick(&f, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(r.isVisible());
    QVERIFY(LabelMit(&r, QStringLiteral("A_NE = 120 m²")));
    QVERIFY(LabelMit(&r, QStringLiteral("\nFormeln, Volumenströme in m³/h")));

    // Typed markup stays text.
    Bedienung::Tippen(f.ComboBox1, QStringLiteral("<b>EFH</b>"));
    QVERIFY(LabelMit(&r, QStringLiteral("»<b>EFH</b>«")));

    // Windowless rooms: the question flow decides without a calculation.
    Bedienung::Klicken(f.RadioGroup1, 0);
    QVERIFY(LabelMit(&r, QString(Urteilstexte::AusreichendZeile1) + " " + Urteilstexte::AusreichendZeile2));
    QVERIFY(!LabelMit(&r, QStringLiteral("\nFormeln, Volumenströme in m³/h")));
    QVERIFY(!LabelMit(&r, QStringLiteral("A_NE = 120 m²")));

    // Increased requirements, then back to "nein": the flow's verdicts.
    Bedienung::Klicken(f.RadioGroup3, 2);
    QVERIFY(LabelMit(&r, QString(Urteilstexte::ErhoehteAnforderungen)));
    Bedienung::Klicken(f.RadioGroup3, 0);
    QVERIFY(LabelMit(&r, QString(Urteilstexte::AusreichendZeile1) + " " + Urteilstexte::AusreichendZeile2));

    // An opened project shows its stored verdict: the Rechenweg says so.
    ProjektSichern(f.seite(), p.daten);
    ProjektLaden(f.seite(), p.daten);
    QVERIFY(LabelMit(&r, QStringLiteral("\nHerkunft")));
}

void TestRechenwegfenster::pdfUndDruckAusDemFenster()
{
    Programm p;
    TForm1 &f = *p.Form1;
    f.show();
    QTest::mouseClick(f.Image7, Qt::LeftButton);
    f.Edit2->setText(QStringLiteral("Haus A"));
    Bedienung::Klicken(f.RadioGroup1, 1);
    Bedienung::Tippen(f.Edit8, QStringLiteral("3"));
    Bedienung::Tippen(f.Edit6, QStringLiteral("120"));
    p.Rechenweg1Click();

    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("rw.pdf"));
    QString vorschlag;
    Beantworten<QFileDialog>([&](QFileDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        vorschlag = name->text();
        name->setText(pdf);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
    });
    QTest::mouseClick(p.Rechenwegfenster->ButtonPdf, Qt::LeftButton);
    QCOMPARE(vorschlag,
             QStringLiteral("Rechenweg Haus A ") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
                 + QStringLiteral(".pdf"));
    const auto seiten = PdfLesen(pdf);
    QCOMPARE(seiten.size(), std::size_t(1));
    const QString alles = Zeilentexte(seiten[0]).join(u'\n');
    QVERIFY2(alles.contains(QStringLiteral("Fläche Nutzungseinheit »120« A_NE = 120 m²")), qPrintable(alles));
    QVERIFY(alles.contains(QStringLiteral("Objektbezeichnung: Haus A")));
    QCOMPARE(PdfTitel(pdf), QStringLiteral("Rechenweg – Haus A"));

    // Without a printer, "Drucken" says so and shows no dialog.
    const auto fehler = FehlerAbfangen();
    QTest::mouseClick(p.Rechenwegfenster->ButtonDrucken, Qt::LeftButton);
    QCOMPARE(fehler->text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));

    // The pages as the printer gets them, here one that writes a file.
    const QString gedruckt = ordner.filePath(QStringLiteral("gedruckt.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(gedruckt);
    QCOMPARE(SeitenDrucken(drucker, p.Rechenwegfenster->Seiten(QDate(2026, 12, 7)), QImage(),
                           RechenwegDokumenttitel(QStringLiteral("Haus A"))),
             std::nullopt);
    QCOMPARE(PdfTitel(gedruckt), QStringLiteral("Rechenweg – Haus A"));
    const auto papier = PdfLesen(gedruckt);
    QCOMPARE(papier.size(), std::size_t(1));
    QVERIFY(Zeilentexte(papier[0]).join(u'\n').contains(QStringLiteral("Fläche Nutzungseinheit »120« A_NE = 120 m²")));
}

QTEST_MAIN(TestRechenwegfenster)
#include "tst_rechenwegfenster.moc"
