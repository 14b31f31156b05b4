// "Ergebnis drucken" and "Druckereinstellung" without a print spooler: the
// values taken from the main window, the missing printer (a PDF file is
// none), and the pages on a printer that writes a PDF file. The test runs
// with CUPS_SERVER on a socket where no spooler listens.

#include "Dialogantwort.h"
#include "PdfPruefung.h"
#include "app/Druckmenue.h"
#include "engine/Rechenzustand.h"
#include "logo/Logodatei.h"
#include "mainwindow/Lueftung.h"
#include "report/Druckauftrag.h"
#include "report/Drucken.h"
#include "windowkit/Version.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class TestDrucken : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void werteAusDemHauptfenster();
    void ohneDruckerKeineDialoge_data();
    void ohneDruckerKeineDialoge();
    void eineSeiteImPdf();
    void zweimalGedrucktGleich();
    void ungueltigesLogoBeginntKeinDokument();
    void fehlerBeimBeginnenLaesstDruckerFrei();

private:
    QString pdfPfad(const QString &name) const { return ordner->filePath(name); }

    std::unique_ptr<Rechenzustand> zustand;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<QPrinter> drucker;
};

void TestDrucken::init()
{
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
    zustand = std::make_unique<Rechenzustand>();
    form = std::make_unique<TForm1>(*zustand);
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
    drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
}

void TestDrucken::cleanup()
{
    drucker.reset();
    form.reset();
    zustand.reset();
    ordner.reset();
}

void TestDrucken::werteAusDemHauptfenster()
{
    TForm1 &f = *form;
    f.Image7Click();
    f.RadioGroup1->setItemIndex(1);
    f.Edit2->setText(QStringLiteral("Haus am See"));
    f.Edit1->setText(QStringLiteral("Seeweg 1"));
    f.Edit4->setText(QStringLiteral("34117 Kassel"));
    f.Edit7->setText(QStringLiteral("E. Muster"));
    f.Edit3->setText(QStringLiteral("Firma"));
    f.Edit9->setText(QStringLiteral("Adresse"));
    f.Edit6->setText(QStringLiteral("120"));
    f.ComboBox7->setText(QStringLiteral("nein"));
    f.Edit11->setText(QStringLiteral("1980"));
    f.RadioGroup3->setItemIndex(2);
    // The verdict label hidden on screen still prints its text.
    f.seite().setzeText(Steuerelement::Label49, "versteckter Kommentar");
    f.seite().setzeSichtbar(Steuerelement::Label49, false);
    QVERIFY(f.Label49->isHidden());

    const Berichtswerte w = BerichtswerteLesen(f.seite());
    QCOMPARE(w.Edit2, QStringLiteral("Haus am See"));
    QCOMPARE(w.Edit1, QStringLiteral("Seeweg 1"));
    QCOMPARE(w.Edit4, QStringLiteral("34117 Kassel"));
    QCOMPARE(w.Edit7, QStringLiteral("E. Muster"));
    QCOMPARE(w.Edit3, QStringLiteral("Firma"));
    QCOMPARE(w.Edit9, QStringLiteral("Adresse"));
    QCOMPARE(w.Edit6, QStringLiteral("120"));
    QCOMPARE(w.Edit11, QStringLiteral("1980"));
    QCOMPARE(w.ComboBox7, QStringLiteral("nein"));
    QCOMPARE(w.ComboBox1, f.ComboBox1->text());
    QCOMPARE(w.ComboBox2, f.ComboBox2->text());
    QCOMPARE(w.ComboBox5, f.ComboBox5->text());
    QCOMPARE(w.ComboBox6, f.ComboBox6->text());
    QCOMPARE(w.ComboBox8, f.ComboBox8->text());
    QCOMPARE(w.Edit8, f.Edit8->text());
    QCOMPARE(w.Edit10, f.Edit10->text());
    QCOMPARE(w.Label26, f.Label26->text());
    QCOMPARE(w.Label27, f.Label27->text());
    QCOMPARE(w.Label28, f.Label28->text());
    QCOMPARE(w.Label38, f.Label38->text());
    QCOMPARE(w.Label39, f.Label39->text());
    QVERIFY(!w.Label27.isEmpty());
    QCOMPARE(w.Label31, f.Label31->text());
    QCOMPARE(w.Label49, QStringLiteral("versteckter Kommentar"));
    QCOMPARE(w.Label63, f.Label63->text());
    QCOMPARE(w.Label30, Versionstext);
    QCOMPARE(w.RadioGroup1, 1);
    QCOMPARE(w.RadioGroup2, f.RadioGroup2->itemIndex());
    QCOMPARE(w.RadioGroup3, 2);
}

void TestDrucken::ohneDruckerKeineDialoge_data()
{
    QTest::addColumn<QString>("pdf");  // a PDF file the printer writes to
    QTest::newRow("neuer Drucker") << QString();
    QTest::newRow("Drucker schreibt eine PDF-Datei") << QStringLiteral("bericht.pdf");
}

void TestDrucken::ohneDruckerKeineDialoge()
{
    QFETCH(QString, pdf);
    if (!pdf.isEmpty())
        drucker->setOutputFileName(pdfPfad(pdf));
    bool dialogGezeigt = false;
    Beantworten<QDialog>([&](QDialog *dialog) {
        if (dialog->objectName() == QLatin1String("Fehleranzeige"))
            return;
        dialogGezeigt = true;
        dialog->reject();
    });

    auto fehler = FehlerAbfangen();
    Drucken1Click(*form, LeeresLogo(), *drucker);
    QCOMPARE(fehler->anzahl, 1);
    QCOMPARE(fehler->text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));

    fehler = FehlerAbfangen();
    Druckereinstellung1Click(*form, *drucker);
    QCOMPARE(fehler->anzahl, 1);
    QCOMPARE(fehler->text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));
    QVERIFY(!dialogGezeigt);
    QCOMPARE(drucker->printerState(), QPrinter::Idle);
    QVERIFY(!QFile::exists(pdfPfad(QStringLiteral("bericht.pdf"))));
}

void TestDrucken::eineSeiteImPdf()
{
    drucker->setOutputFileName(pdfPfad(QStringLiteral("bericht.pdf")));
    drucker->setPageMargins(QMarginsF(5, 7, 5, 7), QPageLayout::Millimeter);
    form->Edit2->setText(QStringLiteral("Haus am See"));
    const auto seite = Berichtsseite(BerichtswerteLesen(form->seite()), QDate(2026, 12, 7));
    QVERIFY(!SeitenDrucken(*drucker, {seite}, LeeresLogo(), Berichtstitel(form->Edit2->text())));
    QCOMPARE(drucker->printerState(), QPrinter::Idle);
    QCOMPARE(PdfTitel(pdfPfad(QStringLiteral("bericht.pdf"))), QStringLiteral("Lüftungskonzept – Haus am See"));

    const auto gelesen = PdfLesen(pdfPfad(QStringLiteral("bericht.pdf")));
    QCOMPARE(gelesen.size(), std::size_t(1));
    QVERIFY(std::abs(gelesen.front().breite - 2100) < 1 && std::abs(gelesen.front().hoehe - 2970) < 1);
    for (const Seitenelement &e : seite) {
        if (e.art != Seitenelement::Art::Text || e.text.trimmed().isEmpty())
            continue;
        const auto zeile = ZeileBei(gelesen.front(), 50 + e.links, 70 + e.unten, 3);
        QVERIFY2(zeile, qPrintable(e.text));
        QCOMPARE(zeile->text, e.text.simplified());
    }
}

void TestDrucken::zweimalGedrucktGleich()
{
    const auto seite = Berichtsseite(BerichtswerteLesen(form->seite()), QDate(2026, 12, 7));
    drucker->setOutputFileName(pdfPfad(QStringLiteral("eins.pdf")));
    QVERIFY(!SeitenDrucken(*drucker, {seite}, LeeresLogo(), QString()));
    drucker->setOutputFileName(pdfPfad(QStringLiteral("zwei.pdf")));
    QVERIFY(!SeitenDrucken(*drucker, {seite}, LeeresLogo(), QString()));
    const QImage eins = PdfBild(pdfPfad(QStringLiteral("eins.pdf")), 100);
    QVERIFY(!eins.isNull());
    QCOMPARE(eins, PdfBild(pdfPfad(QStringLiteral("zwei.pdf")), 100));
}

void TestDrucken::ungueltigesLogoBeginntKeinDokument()
{
    const auto seite = Berichtsseite(BerichtswerteLesen(form->seite()), QDate(2026, 12, 7));
    drucker->setOutputFileName(pdfPfad(QStringLiteral("ohne.pdf")));
    QCOMPARE(SeitenDrucken(*drucker, {seite}, QImage(), QString()),
             std::optional<QString>(QStringLiteral("Bitmap ist ungültig")));
    QVERIFY(!QFile::exists(pdfPfad(QStringLiteral("ohne.pdf"))));
    QCOMPARE(drucker->printerState(), QPrinter::Idle);
    QVERIFY(!SeitenDrucken(*drucker, {seite}, LeeresLogo(), QString()));
    QCOMPARE(PdfLesen(pdfPfad(QStringLiteral("ohne.pdf"))).size(), std::size_t(1));
}

void TestDrucken::fehlerBeimBeginnenLaesstDruckerFrei()
{
    const auto seite = Berichtsseite(BerichtswerteLesen(form->seite()), QDate(2026, 12, 7));
    drucker->setOutputFileName(pdfPfad(QStringLiteral("fehlt/bericht.pdf")));
    const auto fehler = SeitenDrucken(*drucker, {seite}, LeeresLogo(), QString());
    QCOMPARE(fehler, std::optional<QString>(QStringLiteral("Druckauftrag kann nicht begonnen werden")));
    QVERIFY(drucker->printerState() != QPrinter::Active);

    drucker->setOutputFileName(pdfPfad(QStringLiteral("danach.pdf")));
    QVERIFY(!SeitenDrucken(*drucker, {seite}, LeeresLogo(), QString()));
    QCOMPARE(PdfLesen(pdfPfad(QStringLiteral("danach.pdf"))).size(), std::size_t(1));
}

QTEST_MAIN(TestDrucken)
#include "tst_drucken.moc"
