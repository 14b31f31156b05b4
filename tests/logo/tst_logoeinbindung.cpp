// The logo window: the blank logo, "Logo laden" through the real file
// dialog for every accepted format and every failure, "Logo.bmp" in the
// working directory, and hiding and showing again.

#include "Bildkoepfe.h"
#include "Dialogantwort.h"
#include "fileio/JpegBild.h"
#include "logo/Logodatei.h"
#include "logo/Logoeinbindung.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QRgb Silber = qRgb(192, 192, 192);

// A picture whose pixels tell position: a colour gradient with a dark
// top-left quarter.
QImage Muster(QSize groesse, bool durchsichtig = false)
{
    QImage bild(groesse, durchsichtig ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x)
            bild.setPixelColor(x, y, QColor(x * 255 / groesse.width(), y * 255 / groesse.height(), 128));
    QPainter maler(&bild);
    maler.fillRect(0, 0, groesse.width() / 2, groesse.height() / 2, QColor(20, 30, 40));
    if (durchsichtig) {
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        maler.fillRect(groesse.width() / 2, 0, groesse.width() / 2, groesse.height(), Qt::transparent);
    }
    return bild;
}

// Confirms the file dialog with its "Öffnen" button.
// Writes the path into the file name field and opens it. The file chosen
// last is still selected in the dialog's list, and a selection wins over
// the typed name, so it is cleared first, as a user's typing would.
void Oeffnen(QFileDialog *dialog, const QString &pfad)
{
    for (QAbstractItemView *liste : dialog->findChildren<QAbstractItemView *>())
        if (liste->selectionModel())
            liste->selectionModel()->clearSelection();
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(pfad);
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->click();
}

quint32 Crc32(const QByteArray &daten)
{
    quint32 crc = 0xffffffffu;
    for (const char c : daten) {
        crc ^= quint8(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A valid PNG of one pixel whose header (IHDR, with its checksum) claims
// the given size.
QByteArray PngKopf(quint32 breite, quint32 hoehe)
{
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB888).save(&puffer, "PNG");
    const auto setze = [&png](int stelle, quint32 wert) {
        for (int i = 0; i < 4; ++i)
            png[stelle + i] = char((wert >> (24 - 8 * i)) & 0xff);
    };
    setze(16, breite);
    setze(20, hoehe);
    setze(29, Crc32(png.mid(12, 17)));
    return png;
}

QImage Rgb(const QImage &bild)
{
    return bild.convertToFormat(QImage::Format_RGB888);
}

QByteArray Dateiinhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// What Image1 shows, as a picture of its pixels (600 × 150 at the design size).
QImage Angezeigt(TForm5 &form)
{
    return form.Image1->grab().toImage().convertToFormat(QImage::Format_RGB888);
}

}  // namespace

class TestLogoeinbindung : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void leeresLogoBeimStart();
    void dateidialog();
    void ladenUndLogoBmp_data();
    void ladenUndLogoBmp();
    void anzeigeBeschnittenVonObenLinks_data();
    void anzeigeBeschnittenVonObenLinks();
    void fehlerBehaeltAltesLogo_data();
    void fehlerBehaeltAltesLogo();
    void logoBmpSelbstLaden();
    void logoBmpNichtErstellbar();
    void logoBmpBeiVollerPlatte();
    void abbrechenAendertNichts();
    void verbergenUndZeigenBehaeltLogo();

private:
    // Chooses the file in the real dialog of "Logo laden".
    void waehlen(TForm5 &form, const QString &pfad);

    std::unique_ptr<QTemporaryDir> arbeit;  // the working directory
    std::unique_ptr<QTemporaryDir> quelle;  // where the pictures come from
    QString vorher;
};

void TestLogoeinbindung::init()
{
    arbeit = std::make_unique<QTemporaryDir>();
    quelle = std::make_unique<QTemporaryDir>();
    QVERIFY(arbeit->isValid() && quelle->isValid());
    vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(arbeit->path()));
}

void TestLogoeinbindung::cleanup()
{
    QDir::setCurrent(vorher);
    arbeit.reset();
    quelle.reset();
}

void TestLogoeinbindung::waehlen(TForm5 &form, const QString &pfad)
{
    Beantworten<QFileDialog>([pfad](QFileDialog *dialog) { Oeffnen(dialog, pfad); });
    form.Button3->click();
}

void TestLogoeinbindung::leeresLogoBeimStart()
{
    TForm5 form;
    QVERIFY(form.isHidden());
    QCOMPARE(form.windowTitle(), QStringLiteral("Logo"));
    QCOMPARE(form.font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(form.font().pixelSize(), 11);
    QCOMPARE(form.logo().size(), QSize(600, 150));
    QCOMPARE(form.logo().depth(), 24);
    QImage weiss(600, 150, QImage::Format_RGB888);
    weiss.fill(Qt::white);
    QCOMPARE(form.logo(), weiss);
    QCOMPARE(form.Image1->size(), QSize(600, 150));
    QCOMPARE(Angezeigt(form), weiss);
    QVERIFY(!QFile::exists(QStringLiteral("Logo.bmp")));
}

void TestLogoeinbindung::dateidialog()
{
    TForm5 form;
    const QString pfad = quelle->filePath(QStringLiteral("firma.bmp"));
    QVERIFY(Muster(QSize(60, 15)).save(pfad, "BMP"));

    QString filter;
    bool nativ = true;
    QFileDialog::FileMode modus = QFileDialog::ExistingFiles;
    Beantworten<QFileDialog>([&](QFileDialog *dialog) {
        filter = dialog->nameFilters().join(QLatin1Char('|'));
        nativ = !dialog->testOption(QFileDialog::DontUseNativeDialog);
        modus = dialog->fileMode();
        Oeffnen(dialog, pfad);
    });
    form.Button3->click();
    QCOMPARE(filter, QStringLiteral("Logo-Datei (*.bmp)"));
    QVERIFY(!nativ);
    // A typed name of a file that does not exist closes the dialog too.
    QCOMPARE(modus, QFileDialog::AnyFile);
    QCOMPARE(QDir::currentPath(), QDir(arbeit->path()).canonicalPath());

    // The next time the dialog offers the file chosen last.
    QString angeboten;
    Beantworten<QFileDialog>([&](QFileDialog *dialog) {
        angeboten = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
        dialog->reject();
    });
    form.Button3->click();
    QCOMPARE(angeboten, QStringLiteral("firma.bmp"));
}

void TestLogoeinbindung::ladenUndLogoBmp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("groesse");

    QTest::newRow("BMP 600 x 150") << QStringLiteral("logo.bmp") << QByteArray("BMP") << QSize(600, 150);
    QTest::newRow("BMP 1200 x 300") << QStringLiteral("gross.bmp") << QByteArray("BMP") << QSize(1200, 300);
    QTest::newRow("BMP klein") << QStringLiteral("klein.bmp") << QByteArray("BMP") << QSize(50, 20);
    QTest::newRow("BMP 6000 x 1500") << QStringLiteral("breit.bmp") << QByteArray("BMP") << QSize(6000, 1500);
    QTest::newRow("BMP grosse Endung") << QStringLiteral("LOGO.BMP") << QByteArray("BMP") << QSize(600, 150);
    QTest::newRow("PNG mit Transparenz") << QStringLiteral("logo.png") << QByteArray("PNG") << QSize(300, 100);
    // 200 MB of pixels while decoding, more than Qt's readers take unasked.
    QTest::newRow("PNG 16 Bit 5000 x 5000") << QStringLiteral("tief.png") << QByteArray("PNG16") << QSize(5000, 5000);
    QTest::newRow("JPEG .jpg") << QStringLiteral("logo.jpg") << QByteArray("JPEG") << QSize(600, 150);
    QTest::newRow("JPEG .jpeg") << QStringLiteral("logo.jpeg") << QByteArray("JPEG") << QSize(200, 80);
}

void TestLogoeinbindung::ladenUndLogoBmp()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, groesse);

    const bool png = format.startsWith("PNG");
    QImage muster = Muster(groesse, png);
    const QString pfad = quelle->filePath(name);
    if (format == "PNG16")
        muster.convertTo(QImage::Format_RGBA64);
    QVERIFY(muster.save(pfad, png ? "PNG" : format.constData()));

    // What the file holds: the pattern itself, the decoded JPEG, or the
    // PNG's transparent half on white.
    QImage erwartet = Rgb(muster);
    if (format == "JPEG") {
        const JpegErgebnis jpeg = JpegLesen(Dateiinhalt(pfad));
        QVERIFY(jpeg.ok());
        erwartet = Rgb(jpeg.bild);
    } else if (png) {
        erwartet = QImage(groesse, QImage::Format_RGB888);
        erwartet.fill(Qt::white);
        QPainter(&erwartet).drawImage(0, 0, muster);
        QCOMPARE(erwartet.pixel(groesse.width() - 1, 0), qRgb(255, 255, 255));
    }

    TForm5 form;
    waehlen(form, pfad);
    QCOMPARE(form.logo().size(), groesse);
    QCOMPARE(form.logo().depth(), 24);
    QCOMPARE(Rgb(form.logo()), erwartet);

    // Logo.bmp in the working directory, a BMP file with the same pixels.
    const QByteArray geschrieben = Dateiinhalt(QStringLiteral("Logo.bmp"));
    QVERIFY(geschrieben.startsWith("BM"));
    QImage gelesen;
    QVERIFY(gelesen.loadFromData(geschrieben, "BMP"));
    QCOMPARE(Rgb(gelesen), erwartet);
    QVERIFY(QFile::exists(pfad));
}

void TestLogoeinbindung::anzeigeBeschnittenVonObenLinks_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QSize>("wachstum");  // the window grows by half of it before and after loading
    QTest::newRow("600 x 150 füllt die Fläche") << QSize(600, 150) << QSize(0, 0);
    QTest::newRow("1200 x 300 zeigt das linke obere Viertel") << QSize(1200, 300) << QSize(0, 0);
    QTest::newRow("klein oben links auf Silber") << QSize(50, 20) << QSize(0, 0);
    QTest::newRow("1200 x 300 im vergrößerten Fenster") << QSize(1200, 300) << QSize(200, 100);
    QTest::newRow("klein im vergrößerten Fenster") << QSize(100, 50) << QSize(200, 100);
}

void TestLogoeinbindung::anzeigeBeschnittenVonObenLinks()
{
    QFETCH(QSize, groesse);
    QFETCH(QSize, wachstum);
    const QString pfad = quelle->filePath(QStringLiteral("logo.bmp"));
    const QImage muster = Rgb(Muster(groesse));
    QVERIFY(muster.save(pfad, "BMP"));

    TForm5 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(form.size() + wachstum / 2);
    waehlen(form, pfad);
    form.resize(form.size() + wachstum / 2);

    const QImage angezeigt = Angezeigt(form);
    const QSize flaeche = QSize(600, 150) + wachstum;
    QCOMPARE(angezeigt.size(), flaeche);
    const QSize sichtbar = groesse.boundedTo(flaeche);
    QCOMPARE(angezeigt.copy(QRect(QPoint(0, 0), sichtbar)), muster.copy(QRect(QPoint(0, 0), sichtbar)));
    if (groesse.width() < flaeche.width()) {
        QCOMPARE(angezeigt.pixel(flaeche.width() - 1, flaeche.height() - 1), Silber);
        QCOMPARE(angezeigt.pixel(groesse.width(), 0), Silber);
        QCOMPARE(angezeigt.pixel(0, groesse.height()), Silber);
    }
}

void TestLogoeinbindung::fehlerBehaeltAltesLogo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("art");  // what stands at the path
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung");  // %1: the path; empty: any text

    const auto zuGross = [](int breite, int hoehe) {
        return QStringLiteral("Bild %1 kann nicht geladen werden. Das Bild ist mit ") + QString::number(breite)
            + QStringLiteral(" × ") + QString::number(hoehe)
            + QStringLiteral(" Pixeln zu groß; erlaubt sind höchstens 25 Millionen Pixel und 32767 Pixel je Seite.");
    };
    const QString verweigert = QStringLiteral("Datei %1 kann nicht geöffnet werden. Dateizugriff verweigert.");
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    puffer.open(QIODevice::WriteOnly);
    Muster(QSize(64, 64)).save(&puffer, "JPEG");
    const QByteArray riesigesJpeg = MitKopfgroesse(jpeg, 33039, 12824);

    QTest::newRow("unbekannte Endung") << QStringLiteral("logo.gif") << "Datei" << QByteArray("GIF89a")
                                       << QStringLiteral("Unbekannte Bilddateierweiterung (.gif).");
    QTest::newRow("keine Endung") << QStringLiteral("logo") << "Datei" << QByteArray("BM")
                                  << QStringLiteral("Unbekannte Bilddateierweiterung (.).");
    QTest::newRow("beschädigte Bitmap") << QStringLiteral("kaputt.bmp") << "Datei"
                                        << QByteArray("BM\x10\x00 nichts", 12)
                                        << QStringLiteral("Bitmap ist ungültig.");
    QTest::newRow("leere Bitmap") << QStringLiteral("leer.bmp") << "Datei" << QByteArray()
                                  << QStringLiteral("Bitmap ist ungültig.");
    QTest::newRow("fehlende Datei") << QStringLiteral("fehlt.bmp") << "fehlt" << QByteArray()
                                    << QStringLiteral("Datei %1 kann nicht geöffnet werden. "
                                                      "Datei nicht gefunden.");
    QTest::newRow("beschädigtes JPEG") << QStringLiteral("kaputt.jpg") << "Datei"
                                       << QByteArray("\xff\xd8\xff\xe0 kaputt", 12) << QString();
    QTest::newRow("JPEG bricht ab") << QStringLiteral("halb.jpg") << "Datei" << jpeg.left(jpeg.size() * 2 / 3)
                                    << QStringLiteral(
                                           "Bild %1 kann nicht geladen werden. Die JPEG-Daten brechen vorzeitig ab.");
    QTest::newRow("JPEG-Kopf 33039 x 12824")
        << QStringLiteral("riesig.jpg") << "Datei" << riesigesJpeg << zuGross(33039, 12824);
    QTest::newRow("BMP-Kopf 40000 x 40000")
        << QStringLiteral("riesig.bmp") << "Datei" << BmpKopf(40000, 40000) << zuGross(40000, 40000);
    QTest::newRow("PNG-Kopf 65500 x 65500")
        << QStringLiteral("riesig.png") << "Datei" << PngKopf(65500, 65500) << zuGross(65500, 65500);
    QTest::newRow("BMP 6000 x 4200 in 54 Bytes")
        << QStringLiteral("hoch.bmp") << "Datei" << BmpKopf(6000, 4200) << zuGross(6000, 4200);
    QTest::newRow("Datei über 256 MB") << QStringLiteral("gross.bmp") << "gross" << BmpKopf(600, 150)
                                       << QStringLiteral(
                                              "Bild %1 kann nicht geladen werden. Die Datei ist größer als 256 MB.");
    QTest::newRow("Verweis auf /dev/zero") << QStringLiteral("null.bmp") << "/dev/zero" << QByteArray() << verweigert;
    QTest::newRow("FIFO") << QStringLiteral("fifo.bmp") << "FIFO" << QByteArray() << verweigert;
}

void TestLogoeinbindung::fehlerBehaeltAltesLogo()
{
    QFETCH(QString, name);
    QFETCH(QString, art);
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);

    TForm5 form;
    const QString gut = quelle->filePath(QStringLiteral("gut.bmp"));
    QVERIFY(Muster(QSize(120, 30)).save(gut, "BMP"));
    waehlen(form, gut);
    const QImage altesLogo = form.logo();
    const QByteArray alteDatei = Dateiinhalt(QStringLiteral("Logo.bmp"));
    QVERIFY(!alteDatei.isEmpty());

    const QString pfad = quelle->filePath(name);
    if (art == QLatin1String("Datei") || art == QLatin1String("gross")) {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        // A sparse file: large, but nothing on disk.
        if (art == QLatin1String("gross"))
            QVERIFY(datei.resize((256LL << 20) + 1));
    } else if (art == QLatin1String("/dev/zero")) {
        QVERIFY(QFile::link(art, pfad));
    } else if (art == QLatin1String("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    }
    const auto fehler = FehlerAbfangen();
    waehlen(form, pfad);

    QCOMPARE(fehler->anzahl, 1);
    if (meldung.isEmpty())
        QVERIFY2(fehler->text.endsWith(QLatin1Char('.')) && fehler->text.size() > 1, qPrintable(fehler->text));
    else if (meldung.contains(QLatin1String("%1")))
        QCOMPARE(fehler->text, meldung.arg(pfad));
    else
        QCOMPARE(fehler->text, meldung);
    QCOMPARE(form.logo(), altesLogo);
    QCOMPARE(Dateiinhalt(QStringLiteral("Logo.bmp")), alteDatei);
}

void TestLogoeinbindung::logoBmpSelbstLaden()
{
    const QImage muster = Rgb(Muster(QSize(300, 90)));
    QVERIFY(muster.save(QStringLiteral("Logo.bmp"), "BMP"));
    TForm5 form;
    waehlen(form, QDir::current().absoluteFilePath(QStringLiteral("Logo.bmp")));
    QCOMPARE(Rgb(form.logo()), muster);
    QImage gelesen(QStringLiteral("Logo.bmp"), "BMP");
    QCOMPARE(Rgb(gelesen), muster);
}

void TestLogoeinbindung::logoBmpNichtErstellbar()
{
    // A folder of that name stands in the way, for root as for anyone.
    QVERIFY(QDir::current().mkdir(QStringLiteral("Logo.bmp")));
    const QString pfad = quelle->filePath(QStringLiteral("neu.bmp"));
    const QImage muster = Rgb(Muster(QSize(80, 40)));
    QVERIFY(muster.save(pfad, "BMP"));

    TForm5 form;
    const auto fehler = FehlerAbfangen();
    waehlen(form, pfad);
    QCOMPARE(fehler->anzahl, 1);
    QCOMPARE(fehler->text,
             QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Ist ein Verzeichnis.")
                 .arg(QDir::current().absoluteFilePath(QStringLiteral("Logo.bmp"))));
    // The new logo stays all the same.
    QCOMPARE(Rgb(form.logo()), muster);
}

// The disk fills up after 100 bytes of the new Logo.bmp: the previous one
// stands whole, nothing else is left in the folder.
void TestLogoeinbindung::logoBmpBeiVollerPlatte()
{
    QVERIFY(Rgb(Muster(QSize(90, 30))).save(QStringLiteral("Logo.bmp"), "BMP"));
    const QByteArray alt = Dateiinhalt(QStringLiteral("Logo.bmp"));
    const Schreibaufruf platteVoll = [](int fd, const void *puffer, std::size_t anzahl) -> ssize_t {
        const off_t stand = ::lseek(fd, 0, SEEK_CUR);
        if (stand >= 100) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, puffer, std::min<std::size_t>(anzahl, std::size_t(100 - stand)));
    };
    const auto fehler = LogoSchreiben(Rgb(Muster(QSize(600, 150))), QStringLiteral("Logo.bmp"), platteVoll);
    QVERIFY(fehler);
    QCOMPARE(*fehler,
             QStringLiteral("Datei \"%1\" kann nicht geschrieben werden. Zu wenig Speicherplatz")
                 .arg(QDir::current().absoluteFilePath(QStringLiteral("Logo.bmp"))));
    QCOMPARE(Dateiinhalt(QStringLiteral("Logo.bmp")), alt);
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Logo.bmp"});
}

void TestLogoeinbindung::abbrechenAendertNichts()
{
    TForm5 form;
    const QImage vorher = form.logo();
    Beantworten<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    form.Button3->click();
    QCOMPARE(form.logo(), vorher);
    QVERIFY(!QFile::exists(QStringLiteral("Logo.bmp")));
}

void TestLogoeinbindung::verbergenUndZeigenBehaeltLogo()
{
    const QString pfad = quelle->filePath(QStringLiteral("logo.bmp"));
    const QImage muster = Rgb(Muster(QSize(600, 150)));
    QVERIFY(muster.save(pfad, "BMP"));
    TForm5 form;
    Logoeinbindung1Click(form);
    QVERIFY(form.isVisible());
    waehlen(form, pfad);
    form.Button1->click();
    QVERIFY(form.isHidden());
    Logoeinbindung1Click(form);
    QVERIFY(form.isVisible());
    form.close();
    QVERIFY(form.isHidden());
    Logoeinbindung1Click(form);
    QCOMPARE(Rgb(form.logo()), muster);
    QCOMPARE(Angezeigt(form), muster);
}

QTEST_MAIN(TestLogoeinbindung)
#include "tst_logoeinbindung.moc"
