// Printing through a real spooler: the private CUPS daemon of the test
// set-up with its cups-pdf queue "LuvantoPDF". The report goes through
// "Ergebnis drucken" with the print dialog confirmed, the job runs through
// CUPS's filters and cups-pdf, and the PDF that comes out is read back.

#include "Dialogantwort.h"
#include "PdfPruefung.h"
#include "app/Druckmenue.h"
#include "engine/Rechenzustand.h"
#include "mainwindow/Lueftung.h"
#include "report/Bericht.h"
#include "report/Drucken.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace {

const QString Warteschlange = QStringLiteral("LuvantoPDF");

QDir Ordner()
{
    return QDir(qEnvironmentVariable("LUVANTO_CUPS_ORDNER"));
}

QDir Ausgabe()
{
    return QDir(Ordner().filePath(QStringLiteral("pdf")));
}

QString Lpstat(const QStringList &argumente)
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), argumente);
    lpstat.waitForFinished(10000);
    return QString::fromUtf8(lpstat.readAllStandardOutput());
}

QString Protokolle()
{
    QString text;
    for (const QString &name : {QStringLiteral("pdflog/cups-pdf-LuvantoPDF_log"), QStringLiteral("log/error_log")}) {
        QFile datei(Ordner().filePath(name));
        if (datei.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(datei.readAll().right(4000));
    }
    return text;
}

// Waits until the queue is empty and cups-pdf has written its files (as
// many as given); the first of them, or nothing after a time-out.
QString PdfAbwarten(int anzahl = 1)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 90000) {
        const QStringList pdfs = Ausgabe().entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (pdfs.size() >= anzahl && Lpstat({QStringLiteral("-o"), Warteschlange}).trimmed().isEmpty())
            return Ausgabe().filePath(pdfs.constFirst());
        QTest::qWait(200);
    }
    return {};
}

QImage Farblogo()
{
    QImage logo(600, 150, QImage::Format_RGB888);
    logo.fill(QColor(255, 0, 0));
    QPainter(&logo).fillRect(0, 0, 300, 75, QColor(0, 0, 255));
    return logo;
}

void Bestaetigen(QDialog *dialog)
{
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class TestDruckCups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void druckdialogBestaetigtEineA4Seite();
    void abbrechenSchicktKeinenAuftrag();
    void jederBerichtEineEigeneDatei();
    void druckereinstellungGiltFuerDenNaechstenDruck();

private:
    void fuellen();

    std::unique_ptr<Rechenzustand> zustand;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<QPrinter> drucker;
};

void TestDruckCups::initTestCase()
{
    if (!QFileInfo::exists(Ordner().filePath(QStringLiteral("bereit")))) {
        if (qgetenv("CI") == "true")
            QFAIL("Der CUPS-Dienst des Tests läuft nicht (cups_starten).");
        QSKIP("Kein CUPS: Drucktest übersprungen.");
    }
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), Warteschlange);
}

void TestDruckCups::init()
{
    for (const QString &alt : Ausgabe().entryList(QDir::Files))
        QVERIFY(Ausgabe().remove(alt));
    zustand = std::make_unique<Rechenzustand>();
    form = std::make_unique<TForm1>(*zustand);
    drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    fuellen();
}

void TestDruckCups::cleanup()
{
    drucker.reset();
    form.reset();
    zustand.reset();
}

void TestDruckCups::fuellen()
{
    TForm1 &f = *form;
    f.Image7Click();
    f.RadioGroup1->setItemIndex(1);
    f.Edit2->setText(QStringLiteral("Wohnhaus Lindenstraße"));
    f.Edit7->setText(QStringLiteral("Erika Mustermann"));
    f.Edit6->setText(QStringLiteral("120"));
    f.ComboBox7->setText(QStringLiteral("nein"));
    f.ComboBox7Change();
    f.Edit11->setText(QStringLiteral("1978"));
    f.RadioGroup3->setItemIndex(3);
}

void TestDruckCups::druckdialogBestaetigtEineA4Seite()
{
    QString angeboten;
    Beantworten<QPrintDialog>([&](QPrintDialog *dialog) {
        if (auto *liste = dialog->findChild<QComboBox *>(QStringLiteral("printers")))
            angeboten = liste->currentText();
        Bestaetigen(dialog);
    });
    const auto fehler = FehlerAbfangen();
    const QDate heute = QDate::currentDate();
    Drucken1Click(*form, Farblogo(), *drucker);
    QCOMPARE(fehler->anzahl, 0);
    QCOMPARE(angeboten, Warteschlange);
    QCOMPARE(drucker->printerName(), Warteschlange);

    const QString pdf = PdfAbwarten();
    QVERIFY2(!pdf.isEmpty(), qPrintable(Protokolle()));
    QCOMPARE(Ausgabe().entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 1);

    const auto gelesen = PdfLesen(pdf);
    QCOMPARE(gelesen.size(), std::size_t(1));
    QVERIFY(std::abs(gelesen.front().breite - 2100) < 2 && std::abs(gelesen.front().hoehe - 2970) < 2);

    // The lines where the fixed layout puts them, from the top-left corner
    // of the printable area.
    const QMarginsF rand = drucker->pageLayout().marginsPoints();
    const double x0 = rand.left() * 254 / 72;
    const double y0 = rand.top() * 254 / 72;
    const auto seite = Berichtsseite(BerichtswerteLesen(form->seite()), heute);
    int gefunden = 0;
    for (const Seitenelement &e : seite) {
        if (e.art != Seitenelement::Art::Text || e.text.trimmed().isEmpty())
            continue;
        const auto zeile = ZeileBei(gelesen.front(), x0 + e.links, y0 + e.unten + e.hoehe, 3, Kante::Unten);
        QVERIFY2(zeile, qPrintable(e.text));
        QCOMPARE(zeile->text, e.text.simplified());
        ++gefunden;
    }
    QVERIFY(gefunden > 30);

    // The logo in its box, upright.
    const QImage bild = PdfBild(pdf, 254);
    const QRect kasten = Farbflaeche(bild, qRgb(255, 0, 0), 60) | Farbflaeche(bild, qRgb(0, 0, 255), 60);
    const QRect blau = Farbflaeche(bild, qRgb(0, 0, 255), 60);
    QVERIFY2(std::abs(kasten.left() - (x0 + 150)) <= 3 && std::abs(kasten.top() - (y0 + 200)) <= 3
                 && std::abs(kasten.width() - 750) <= 3 && std::abs(kasten.height() - 300) <= 3,
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(kasten.left())
                            .arg(kasten.top())
                            .arg(kasten.width())
                            .arg(kasten.height())));
    QVERIFY(std::abs(blau.width() - 375) <= 3 && std::abs(blau.height() - 150) <= 3);
    QVERIFY(std::abs(blau.left() - kasten.left()) <= 3 && std::abs(blau.top() - kasten.top()) <= 3);
}

void TestDruckCups::abbrechenSchicktKeinenAuftrag()
{
    const QString vorher = Lpstat({QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), Warteschlange});
    QAbstractPrintDialog::PrintDialogOptions optionen;
    int vonSeite = 0;
    Beantworten<QPrintDialog>([&](QPrintDialog *dialog) {
        optionen = dialog->options();
        vonSeite = dialog->fromPage();
        dialog->reject();
    });
    Drucken1Click(*form, Farblogo(), *drucker);
    QCOMPARE(optionen, QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection);
    QCOMPARE(vonSeite, 1);
    QTest::qWait(500);
    QCOMPARE(Lpstat({QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), Warteschlange}), vorher);
    QVERIFY(Ausgabe().entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty());
}

void TestDruckCups::jederBerichtEineEigeneDatei()
{
    // The PDF queue names its files after the job's title: two objects must
    // not end up in one file.
    const auto fehler = FehlerAbfangen();
    Beantworten<QPrintDialog>([](QPrintDialog *dialog) { Bestaetigen(dialog); });
    Drucken1Click(*form, Farblogo(), *drucker);
    QVERIFY2(!PdfAbwarten().isEmpty(), qPrintable(Protokolle()));
    form->Edit2->setText(QStringLiteral("Haus am See"));
    Beantworten<QPrintDialog>([](QPrintDialog *dialog) { Bestaetigen(dialog); });
    Drucken1Click(*form, Farblogo(), *drucker);
    QVERIFY2(!PdfAbwarten(2).isEmpty(), qPrintable(Protokolle()));
    QCOMPARE(fehler->anzahl, 0);

    // cups-pdf spells the title into the file name with its own escapes.
    const QStringList pdfs = Ausgabe().entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    QCOMPARE(pdfs.size(), 2);
    QVERIFY2(pdfs[0].contains(QLatin1String("Haus_am_See")), qPrintable(pdfs[0]));
    QVERIFY2(pdfs[1].contains(QLatin1String("Wohnhaus_Lindenstra")), qPrintable(pdfs[1]));
}

void TestDruckCups::druckereinstellungGiltFuerDenNaechstenDruck()
{
    bool eingestellt = false;
    QString titel, ok;
    Beantworten<QPrintDialog>([&](QPrintDialog *dialog) {
        titel = dialog->windowTitle();
        ok = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly)
                 ->button(QDialogButtonBox::Ok)
                 ->text();
        eingestellt = QuerformatBestaetigen(dialog);
    });
    const auto fehler = FehlerAbfangen();
    Druckereinstellung1Click(*form, *drucker);
    QVERIFY(eingestellt);
    QCOMPARE(titel, QStringLiteral("Druckereinstellung"));
    QCOMPARE(ok, QStringLiteral("OK"));
    QCOMPARE(drucker->printerName(), Warteschlange);
    QCOMPARE(drucker->pageLayout().orientation(), QPageLayout::Landscape);

    Beantworten<QPrintDialog>([](QPrintDialog *dialog) { Bestaetigen(dialog); });
    Drucken1Click(*form, Farblogo(), *drucker);
    QCOMPARE(fehler->anzahl, 0);
    const QString pdf = PdfAbwarten();
    QVERIFY2(!pdf.isEmpty(), qPrintable(Protokolle()));
    // The paper stays A4 upright; CUPS turns the landscape page onto it.
    const auto gelesen = PdfLesen(pdf);
    QCOMPARE(gelesen.size(), std::size_t(1));
    const PdfSeite &papier = gelesen.front();
    QVERIFY(std::abs(papier.breite - 2100) < 2 && std::abs(papier.hoehe - 2970) < 2);
    const auto bewertung = std::find_if(papier.woerter.begin(), papier.woerter.end(),
                                        [](const PdfWort &w) { return w.text == QLatin1String("Bewertung"); });
    QVERIFY(bewertung != papier.woerter.end());
    QVERIFY(bewertung->unten - bewertung->oben > bewertung->rechts - bewertung->links);
    // The title's cell ends where it ends in landscape, turned a quarter.
    const QMarginsF rand = drucker->pageLayout().marginsPoints();
    const double x0 = rand.left() * 254 / 72;
    const double y0 = rand.top() * 254 / 72;
    QVERIFY2(std::abs(bewertung->rechts - (y0 + 700 + 60)) <= 3, qPrintable(QString::number(bewertung->rechts)));
    QVERIFY2(std::abs(papier.hoehe - bewertung->unten - (x0 + 150)) <= 3,
             qPrintable(QString::number(bewertung->unten)));
    // Lines below the landscape page's printable area are cut off.
    for (const PdfWort &w : papier.woerter)
        QVERIFY2(!w.text.startsWith(QLatin1String("Unterschrift")), qPrintable(w.text));
}

QTEST_MAIN(TestDruckCups)
#include "tst_druck_cups.moc"
