// The report as a PDF file without any printer: pages, place of every
// line from the page's corner, title, creator and embedded fonts read back
// with poppler; the file written whole or not at all; the proposed file
// name; the save dialog; the print preview of the same pages.

#include "Dialogantwort.h"
#include "PdfPruefung.h"
#include "logo/Logodatei.h"
#include "report/Drucken.h"
#include "report/PdfExport.h"
#include "windowkit/Version.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::vector<Seitenelement> Seite(const QString &objekt)
{
    Berichtswerte w;
    w.Edit2 = objekt;
    w.Label31 = QStringLiteral("Lüftungstechnische Maßnahmen sind notwendig");
    w.Label30 = Versionstext;
    w.RadioGroup1 = 1;
    return Berichtsseite(w, QDate(2026, 12, 7));
}

QByteArray Inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

}  // namespace

class TestPdfExport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void seitenVonDerEckeAus();
    void fehlschlagLaesstAlteDateiGanz();
    void fehlerNennenDenGrund_data();
    void fehlerNennenDenGrund();
    void vorschlag_data();
    void vorschlag();
    void speicherdialog();
    void vorschauZeigtDieSeiten();

private:
    std::unique_ptr<QTemporaryDir> ordner;
};

void TestPdfExport::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
}

void TestPdfExport::seitenVonDerEckeAus()
{
    const QString pfad = ordner->filePath(QStringLiteral("bericht.pdf"));
    const Seitenliste seiten{Seite(QStringLiteral("Haus am See")), Seite(QStringLiteral("Zweite Seite"))};
    QVERIFY(!PdfSchreiben(pfad, seiten, LeeresLogo(), QStringLiteral("Lüftungskonzept – Haus am See")));

    const auto gelesen = PdfLesen(pfad);
    QCOMPARE(gelesen.size(), std::size_t(2));
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        QVERIFY(std::abs(gelesen[i].breite - 2100) < 1 && std::abs(gelesen[i].hoehe - 2970) < 1);
        for (const Seitenelement &e : seiten[i]) {
            if (e.art != Seitenelement::Art::Text || e.text.trimmed().isEmpty())
                continue;
            const auto zeile = ZeileBei(gelesen[i], e.links, e.unten, 3);
            QVERIFY2(zeile, qPrintable(e.text));
            QCOMPARE(zeile->text, e.text.simplified());
        }
    }
    QCOMPARE(PdfEintrag(pfad, QStringLiteral("Title")), QStringLiteral("Lüftungskonzept – Haus am See"));
    QCOMPARE(PdfEintrag(pfad, QStringLiteral("Creator")), QStringLiteral("Luvanto Lüftungskonzept ") + Versionstext);
    QCOMPARE(NichtEingebetteteSchriften(pfad), QStringList());
    QVERIFY(QDir(ordner->path()).entryList(QDir::Files) == QStringList{QStringLiteral("bericht.pdf")});
}

void TestPdfExport::fehlschlagLaesstAlteDateiGanz()
{
    const QString pfad = ordner->filePath(QStringLiteral("alt.pdf"));
    const Seitenliste seiten{Seite(QStringLiteral("Haus"))};
    QVERIFY(!PdfSchreiben(pfad, seiten, LeeresLogo(), QString()));
    const QByteArray vorher = Inhalt(pfad);

    // A file-size limit below the document's size makes the writing fail
    // half way, as a full disk would.
    rlimit alt{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = alt;
    eng.rlim_cur = 2048;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
    const auto fehler =
        PdfSchreiben(pfad, {Seite(QStringLiteral("Neu")), Seite(QStringLiteral("Neu"))}, LeeresLogo(), QString());
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, altesSignal);

    QCOMPARE(fehler.value_or(QString()),
             QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden. Zu wenig Speicherplatz").arg(pfad));
    QCOMPARE(Inhalt(pfad), vorher);
    QCOMPARE(QDir(ordner->path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.pdf")});
    QCOMPARE(PdfSchreiben(pfad, seiten, QImage(), QString()), QStringLiteral("Bitmap ist ungültig"));
}

void TestPdfExport::fehlerNennenDenGrund_data()
{
    QTest::addColumn<QString>("art");  // what stands at the path
    QTest::addColumn<QString>("grund");
    const QString verweigert = QStringLiteral("Dateizugriff verweigert");
    QTest::newRow("FIFO") << "FIFO" << verweigert;
    QTest::newRow("Verweis auf ein Gerät") << "/dev/null" << verweigert;
    QTest::newRow("Ordner") << "Ordner" << QStringLiteral("Ist ein Verzeichnis");
    QTest::newRow("fehlender Ordner") << "fehlt/neu.pdf" << QStringLiteral("Ungültiger Dateiname");
    QTest::newRow("Name mit 256 Bytes") << QString(252, u'n') + ".pdf" << QStringLiteral("Dateiname zu lang");
}

void TestPdfExport::fehlerNennenDenGrund()
{
    QFETCH(QString, art);
    QFETCH(QString, grund);
    QString pfad = ordner->filePath(QStringLiteral("x.pdf"));
    if (art == "FIFO")
        QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    else if (art == "Ordner")
        QVERIFY(QDir().mkdir(pfad));
    else if (art.startsWith(u'/'))
        QVERIFY(QFile::link(art, pfad));
    else
        pfad = ordner->filePath(art);
    QCOMPARE(PdfSchreiben(pfad, {Seite(QStringLiteral("Haus"))}, LeeresLogo(), QString()).value_or(QString()),
             QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden. %2").arg(pfad, grund));
}

void TestPdfExport::vorschlag_data()
{
    QTest::addColumn<QString>("objekt");
    QTest::addColumn<QString>("projekt");
    QTest::addColumn<QString>("erwartet");
    const QString heim = QDir::homePath() + QLatin1Char('/');
    QTest::newRow("ohne Projekt") << QStringLiteral("Haus am See") << QString()
                                  << heim + QStringLiteral("Lüftungskonzept Haus am See 2026-12-07.pdf");
    QTest::newRow("Ordner des Projekts") << QStringLiteral("Haus") << QStringLiteral("/daten/kunden/haus.lkz")
                                         << QStringLiteral("/daten/kunden/Lüftungskonzept Haus 2026-12-07.pdf");
    QTest::newRow("ohne Objektbezeichnung")
        << QStringLiteral("  ") << QString() << heim + QStringLiteral("Lüftungskonzept 2026-12-07.pdf");
    QTest::newRow("unzulässige Zeichen") << QStringLiteral("A/B\\C:D*E?F\"G<H>I|J\tK") << QString()
                                         << heim
            + QStringLiteral("Lüftungskonzept A_B_C_D_E_F_G_H_I_J K 2026-12-07.pdf");
    const QString lang = QString(200, QChar(0x00e4));
    QTest::newRow("lang gekürzt auf 255 Bytes")
        << lang << QString()
        << heim + QStringLiteral("Lüftungskonzept ") + QString(111, QChar(0x00e4)) + QStringLiteral(" 2026-12-07.pdf");
}

void TestPdfExport::vorschlag()
{
    QFETCH(QString, objekt);
    QFETCH(QString, projekt);
    QFETCH(QString, erwartet);
    const QString pfad = PdfVorschlag(QStringLiteral("Lüftungskonzept"), objekt, QDate(2026, 12, 7), projekt);
    QCOMPARE(pfad, erwartet);
    QVERIFY(QFileInfo(pfad).fileName().toUtf8().size() <= 255);
}

void TestPdfExport::speicherdialog()
{
    const QString vorschlag = ordner->filePath(QStringLiteral("Lüftungskonzept Haus 2026-12-07.pdf"));
    QString titel, name, ordnerImDialog, filter;
    Beantworten<QFileDialog>([&](QFileDialog *dialog) {
        titel = dialog->windowTitle();
        name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
        ordnerImDialog = dialog->directory().absolutePath();
        filter = dialog->selectedNameFilter();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("anders"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
    });
    QCOMPARE(PdfSpeicherdialog(nullptr, vorschlag), ordner->filePath(QStringLiteral("anders.pdf")));
    QCOMPARE(titel, QStringLiteral("Als PDF speichern"));
    QCOMPARE(name, QStringLiteral("Lüftungskonzept Haus 2026-12-07.pdf"));
    QCOMPARE(ordnerImDialog, QDir(ordner->path()).absolutePath());
    QCOMPARE(filter, QStringLiteral("PDF-Dateien (*.pdf)"));

    Beantworten<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    QCOMPARE(PdfSpeicherdialog(nullptr, vorschlag), std::nullopt);
}

void TestPdfExport::vorschauZeigtDieSeiten()
{
    QPrinter drucker(QPrinter::HighResolution);
    const QPageLayout vorher = drucker.pageLayout();
    int seiten = -1;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    std::shared_ptr<Fehlermeldung> fehler;
    Beantworten<QDialog>([&](QDialog *dialog) {
        auto *ansicht = dialog->findChild<QPrintPreviewWidget *>();
        seiten = ansicht->pageCount();
        zoom = ansicht->zoomMode();
        // Without a printer its "Drucken …" refuses, as "Ergebnis drucken" does.
        fehler = FehlerAbfangen();
        for (QAction *aktion : dialog->findChildren<QAction *>())
            if (aktion->text() == QStringLiteral("Drucken …"))
                aktion->trigger();
        dialog->reject();
    });
    DruckvorschauZeigen(nullptr, drucker, {Seite(QStringLiteral("A")), Seite(QStringLiteral("B"))}, LeeresLogo());
    QCOMPARE(seiten, 2);
    QCOMPARE(zoom, QPrintPreviewWidget::FitToWidth);
    QVERIFY(fehler);
    QCOMPARE(fehler->text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));
    QCOMPARE(drucker.outputFileName(), QString());
    QVERIFY(drucker.pageLayout().isEquivalentTo(vorher));
}

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
