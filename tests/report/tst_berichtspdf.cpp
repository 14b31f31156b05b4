// The report page drawn by the real painter into a PDF and read back with
// poppler: every line at its place, the logo in its box, long lines kept to
// their columns.

#include "PdfPruefung.h"
#include "report/Bericht.h"
#include "report/Berichtsmaler.h"
#include "windowkit/Version.h"

#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// 0.3 mm
constexpr double Toleranz = 3.0;

const QMarginsF Raender(12, 9, 12, 9);  // mm: left, top, right, bottom

Berichtswerte Vollbewertung()
{
    Berichtswerte w;
    w.Edit2 = QStringLiteral("Wohnhaus Lindenstraße");
    w.Edit1 = QStringLiteral("Lindenstraße 4");
    w.Edit4 = QStringLiteral("34117 Kassel");
    w.Edit7 = QStringLiteral("Erika Mustermann");
    w.Edit3 = QStringLiteral("Lüftungsbau Nord GmbH");
    w.Edit9 = QStringLiteral("Hafenweg 9, 24103 Kiel");
    w.ComboBox1 = QStringLiteral("EFH als mehrgeschossige Nutzungseinheit");
    w.ComboBox2 = QStringLiteral("windschwach");
    w.Edit6 = QStringLiteral("120");
    w.ComboBox7 = QStringLiteral("nein");
    w.Edit11 = QStringLiteral("1978");
    w.ComboBox8 = QStringLiteral("ja");
    w.ComboBox5 = QStringLiteral("nein");
    w.Edit8 = QString();
    w.Edit10 = QStringLiteral("0,667");
    w.ComboBox6 = QStringLiteral("mittlerer Gebäudebestand");
    w.Label26 = QStringLiteral("hoch");
    w.Label27 = QStringLiteral("45,0");
    w.Label28 = QStringLiteral("38,5");
    w.Label38 = QStringLiteral("117,0");
    w.Label39 = QStringLiteral("167,1");
    w.Label31 = QStringLiteral("Lüftungstechnische Maßnahmen sind notwendig");
    w.Label49 = QStringLiteral("Kommentar eins");
    w.Label63 = QStringLiteral("Kommentar zwei");
    w.Label30 = Versionstext;
    w.RadioGroup1 = 1;
    w.RadioGroup2 = 1;
    w.RadioGroup3 = 2;
    return w;
}

QPageLayout Hochformat()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Raender, QPageLayout::Millimeter);
}

// Draws the page into a PDF file in the directory and returns its path.
QString PdfSchreiben(const QTemporaryDir &ordner, const std::vector<Seitenelement> &seite, const QImage &logo,
                     const QPageLayout &layout = Hochformat())
{
    const QString pfad = ordner.filePath(QStringLiteral("bericht.pdf"));
    QPdfWriter pdf(pfad);
    pdf.setPageLayout(layout);
    QPainter maler(&pdf);
    SeiteZeichnen(maler, seite, Druckbild(logo));
    maler.end();
    return pfad;
}

QImage Farblogo(QSize groesse)
{
    // Red with a blue top-left quarter, so that position, size and
    // orientation show.
    QImage logo(groesse, QImage::Format_RGB888);
    logo.fill(QColor(255, 0, 0));
    QPainter maler(&logo);
    maler.fillRect(0, 0, groesse.width() / 2, groesse.height() / 2, QColor(0, 0, 255));
    return logo;
}

QImage Weiss()
{
    QImage logo(600, 150, QImage::Format_RGB888);
    logo.fill(Qt::white);
    return logo;
}

int Woerter(const QString &text)
{
    return static_cast<int>(text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
}

}  // namespace

class TestBerichtspdf : public QObject {
    Q_OBJECT

private slots:
    void init();
    void arialIstLiberationSans();
    void jedeZeileAnIhremPlatz_data();
    void jedeZeileAnIhremPlatz();
    void logoFuelltSeinenKasten_data();
    void logoFuelltSeinenKasten();
    void leeresLogoBleibtUnsichtbar();
    void langerTextBleibtInSeinerSpalte_data();
    void langerTextBleibtInSeinerSpalte();
    void querformatSchneidetNurAb();

private:
    std::unique_ptr<QTemporaryDir> ordner;
};

void TestBerichtspdf::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
}

void TestBerichtspdf::arialIstLiberationSans()
{
    QFont arial(Berichtsschrift());
    QCOMPARE(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
    arial.setBold(true);
    QVERIFY(QFontInfo(arial).bold());
}

void TestBerichtspdf::jedeZeileAnIhremPlatz_data()
{
    QTest::addColumn<Berichtswerte>("werte");
    Berichtswerte voll = Vollbewertung();
    QTest::newRow("volle Bewertung, Altbau ohne Messwert") << voll;

    Berichtswerte neubau = Vollbewertung();
    neubau.ComboBox7 = QStringLiteral("ja");
    neubau.ComboBox5 = QStringLiteral("ja");
    neubau.Edit8 = QStringLiteral("1,5");
    neubau.RadioGroup3 = 0;
    QTest::newRow("volle Bewertung, Neubau mit Messwert") << neubau;

    Berichtswerte din18017 = Vollbewertung();
    din18017.RadioGroup1 = 0;
    din18017.RadioGroup2 = 1;
    din18017.RadioGroup3 = 3;
    QTest::newRow("fensterlose Räume ohne weitere Anforderungen") << din18017;

    Berichtswerte leer;
    leer.RadioGroup3 = 1;
    QTest::newRow("leere Felder") << leer;
}

void TestBerichtspdf::jedeZeileAnIhremPlatz()
{
    QFETCH(Berichtswerte, werte);
    const auto seite = Berichtsseite(werte, QDate(2026, 12, 7));
    const auto gelesen = PdfLesen(PdfSchreiben(*ordner, seite, Weiss()));
    QCOMPARE(gelesen.size(), std::size_t(1));
    const PdfSeite &pdf = gelesen.front();
    QVERIFY(std::abs(pdf.breite - 2100) < 1);
    QVERIFY(std::abs(pdf.hoehe - 2970) < 1);

    const double x0 = Raender.left() * 10;
    const double y0 = Raender.top() * 10;
    int erwarteteWoerter = 0;
    for (const Seitenelement &e : seite) {
        if (e.art != Seitenelement::Art::Text)
            continue;
        erwarteteWoerter += Woerter(e.text);
        if (e.text.trimmed().isEmpty())
            continue;
        const auto zeile = ZeileBei(pdf, x0 + e.links, y0 + e.unten, Toleranz);
        QVERIFY2(zeile, qPrintable(QStringLiteral("nicht gefunden: ") + e.text));
        QCOMPARE(zeile->text, e.text.simplified());
    }
    QCOMPARE(int(pdf.woerter.size()), erwarteteWoerter);
}

void TestBerichtspdf::logoFuelltSeinenKasten_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::newRow("600 x 150 wie verlangt") << QSize(600, 150);
    QTest::newRow("1200 x 300") << QSize(1200, 300);
    QTest::newRow("klein 40 x 30") << QSize(40, 30);
    QTest::newRow("hochkant 100 x 400") << QSize(100, 400);
}

void TestBerichtspdf::logoFuelltSeinenKasten()
{
    QFETCH(QSize, groesse);
    const auto seite = Berichtsseite(Vollbewertung(), QDate(2026, 12, 7));
    // 254 dpi: one pixel is 0.1 mm.
    const QImage bild = PdfBild(PdfSchreiben(*ordner, seite, Farblogo(groesse)), 254);
    QVERIFY(!bild.isNull());

    const QRect rot = Farbflaeche(bild, qRgb(255, 0, 0), 60);
    const QRect blau = Farbflaeche(bild, qRgb(0, 0, 255), 60);
    const QRect kasten = rot | blau;
    const QPoint ecke(qRound(Raender.left() * 10) + 150, qRound(Raender.top() * 10) + 200);
    QVERIFY2(std::abs(kasten.left() - ecke.x()) <= 3 && std::abs(kasten.top() - ecke.y()) <= 3,
             qPrintable(QStringLiteral("Kasten bei %1, %2").arg(kasten.left()).arg(kasten.top())));
    QVERIFY2(std::abs(kasten.width() - 750) <= 3 && std::abs(kasten.height() - 300) <= 3,
             qPrintable(QStringLiteral("Kasten %1 x %2").arg(kasten.width()).arg(kasten.height())));
    // Upright and stretched: the blue quarter is the box's top-left quarter.
    QVERIFY(std::abs(blau.left() - ecke.x()) <= 3 && std::abs(blau.top() - ecke.y()) <= 3);
    QVERIFY(std::abs(blau.width() - 375) <= 3 && std::abs(blau.height() - 150) <= 3);
}

void TestBerichtspdf::leeresLogoBleibtUnsichtbar()
{
    const auto seite = Berichtsseite(Vollbewertung(), QDate(2026, 12, 7));
    const QImage mitLogo = PdfBild(PdfSchreiben(*ordner, seite, Weiss()), 100);
    auto ohneLogo = seite;
    ohneLogo.erase(ohneLogo.begin());
    QTemporaryDir zweiter;
    const QImage leer = PdfBild(PdfSchreiben(zweiter, ohneLogo, Weiss()), 100);
    QVERIFY(!mitLogo.isNull());
    QVERIFY(FastGleich(mitLogo, leer, 2));
}

void TestBerichtspdf::langerTextBleibtInSeinerSpalte_data()
{
    QTest::addColumn<bool>("rechts");  // the right column's line, else the left one's
    QTest::addColumn<QString>("wert");
    QTest::addColumn<bool>("ganz");  // it fits whole at 7 pt or more
    QTest::newRow("Objektbezeichnung mit 39 Zeichen")
        << false << QStringLiteral("MFH Lindenstraße 12 – WE 4, 1.OG rechts") << true;
    QTest::newRow("Objektbezeichnung zu lang auch in 7 pt")
        << false << QStringLiteral("Wohnanlage am Lindenpark, Haus ").repeated(3) << false;
    QTest::newRow("Bearbeiter bis zum rechten Rand")
        << true << QStringLiteral("Erika Mustermann-Lüdenscheidt, Dipl.-Ing.") << true;
}

// A text that would reach its neighbour is drawn smaller at its place, and
// cut off only where even 7 pt is too wide: the neighbour stays whole.
void TestBerichtspdf::langerTextBleibtInSeinerSpalte()
{
    QFETCH(bool, rechts);
    QFETCH(QString, wert);
    QFETCH(bool, ganz);
    Berichtswerte mit = Vollbewertung();
    Berichtswerte ohne = Vollbewertung();
    (rechts ? mit.Edit7 : mit.Edit2) = wert;
    (rechts ? ohne.Edit7 : ohne.Edit2).clear();
    const QDate tag(2026, 12, 7);
    const int links = rechts ? 1150 : 150;
    const int ende = rechts ? 2100 - 150 : 1150 - 20;

    const QString pdf = PdfSchreiben(*ordner, Berichtsseite(mit, tag), Weiss());
    const auto gelesen = PdfLesen(pdf);
    QCOMPARE(gelesen.size(), std::size_t(1));
    const double x0 = Raender.left() * 10;
    const double y0 = Raender.top() * 10;
    const auto zeile = ZeileBei(gelesen.front(), x0 + links, y0 + 850, Toleranz);
    QVERIFY(zeile);
    if (ganz) {
        QCOMPARE(
            zeile->text,
            ((rechts ? QStringLiteral("Bearbeiter: ") : QStringLiteral("Objektbezeichnung: ")) + wert).simplified());
        QVERIFY2(zeile->rechts <= x0 + ende, qPrintable(QString::number(zeile->rechts - x0)));
    }

    // Right of its room the page looks as if the text were not there.
    QTemporaryDir zweiter;
    const QImage bildMit = PdfBild(pdf, 254);
    const QImage bildOhne = PdfBild(PdfSchreiben(zweiter, Berichtsseite(ohne, tag), Weiss()), 254);
    const QRect dahinter(QPoint(qRound(x0) + ende + 1, qRound(y0) + 850),
                         QPoint(bildMit.width() - 1, qRound(y0) + 890));
    QVERIFY(FastGleich(bildMit.copy(dahinter), bildOhne.copy(dahinter), 2));
}

void TestBerichtspdf::querformatSchneidetNurAb()
{
    // A4 landscape: the printable area is 192 mm high, the lines below are
    // cut off; all others stand where they stand in portrait.
    const auto seite = Berichtsseite(Vollbewertung(), QDate(2026, 12, 7));
    const QPageLayout quer(QPageSize(QPageSize::A4), QPageLayout::Landscape, Raender, QPageLayout::Millimeter);
    const QString pdf = PdfSchreiben(*ordner, seite, Weiss(), quer);
    const auto gelesen = PdfLesen(pdf);
    QCOMPARE(gelesen.size(), std::size_t(1));
    const double x0 = Raender.left() * 10;
    const double y0 = Raender.top() * 10;
    const int sichtbarBis = qRound(2100 - Raender.bottom() * 10 - y0);
    int abgeschnitten = 0;
    for (const Seitenelement &e : seite) {
        if (e.art != Seitenelement::Art::Text || e.text.trimmed().isEmpty())
            continue;
        if (e.unten + e.hoehe <= sichtbarBis) {
            const auto zeile = ZeileBei(gelesen.front(), x0 + e.links, y0 + e.unten, Toleranz);
            QVERIFY2(zeile, qPrintable(e.text));
            QCOMPARE(zeile->text, e.text.simplified());
        } else {
            ++abgeschnitten;
        }
    }
    QVERIFY(abgeschnitten > 5);

    // Below the printable area the page stays white.
    const QImage bild = PdfBild(pdf, 254);
    QVERIFY(std::abs(bild.width() - 2970) <= 1 && std::abs(bild.height() - 2100) <= 1);
    const QRect rand(0, qRound(y0) + sichtbarBis + 2, bild.width(), bild.height() - qRound(y0) - sichtbarBis - 2);
    QImage weiss(rand.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    QVERIFY(FastGleich(bild.copy(rand), weiss, 2));
    // Above it the cut line shows: the line at Down 1900 lies inside.
    const QRect innen(qRound(x0) + 150, qRound(y0) + 1900, 1000, 40);
    QVERIFY(!FastGleich(bild.copy(innen), weiss.copy(0, 0, 1000, 40), 2));
}

QTEST_MAIN(TestBerichtspdf)
#include "tst_berichtspdf.moc"
