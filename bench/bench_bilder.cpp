// Loading logos through the logo loader: how fast a hostile picture whose
// header claims billions of pixels is refused, and how fast a large logo
// (6000 × 1500, and one at the picture limit) loads; for comparison, a
// start-page picture as the start page shows it, from its raw form.
#include "fileio/Rohbild.h"
#include "logo/Logodatei.h"

#include "Bildkoepfe.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage Muster(QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB888);
    QPainter maler(&bild);
    maler.fillRect(bild.rect(), QColor(30, 90, 160));
    maler.setPen(Qt::white);
    for (int x = 0; x < groesse.width(); x += 37)
        maler.drawLine(x, 0, groesse.width() - x, groesse.height());
    return bild;
}

QByteArray Kodiert(const QImage &bild, const char *format)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, format);
    return daten;
}

QByteArray JpegMitKopf(int breite, int hoehe)
{
    return MitKopfgroesse(Kodiert(Muster(QSize(64, 64)), "JPEG"), breite, hoehe);
}

}  // namespace

class BenchBilder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void abweisen_data();
    void abweisen();
    void laden_data();
    void laden();
    void startbild();

private:
    QString ablegen(const QString &name, const QByteArray &inhalt);
    QTemporaryDir ordner;
};

QString BenchBilder::ablegen(const QString &name, const QByteArray &inhalt)
{
    QFile datei(ordner.filePath(name));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
        qFatal("cannot write %s", qPrintable(name));
    return datei.fileName();
}

void BenchBilder::initTestCase()
{
    QVERIFY(ordner.isValid());
}

void BenchBilder::abweisen_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::newRow("JPEG-Kopf 33039 x 12824") << ablegen("a.jpg", JpegMitKopf(33039, 12824));
    QTest::newRow("JPEG-Kopf 65500 x 65500") << ablegen("b.jpg", JpegMitKopf(65500, 65500));
    QTest::newRow("BMP-Kopf 6000 x 4200") << ablegen("c.bmp", BmpKopf(6000, 4200));
    QTest::newRow("BMP-Kopf 40000 x 40000") << ablegen("d.bmp", BmpKopf(40000, 40000));
    QTest::newRow("JPEG bricht ab (6000 x 1500)")
        << ablegen("e.jpg", Kodiert(Muster(QSize(6000, 1500)), "JPEG").left(200000));
    QFile gross(ordner.filePath("f.bmp"));
    QVERIFY(gross.open(QIODevice::WriteOnly) && gross.resize(6LL << 30));  // sparse, 6 GB
    QTest::newRow("Datei von 6 GB") << gross.fileName();
    QVERIFY(QFile::link("/dev/zero", ordner.filePath("g.bmp")));
    QTest::newRow("Verweis auf /dev/zero") << ordner.filePath("g.bmp");
}

void BenchBilder::abweisen()
{
    QFETCH(QString, pfad);
    QBENCHMARK
    {
        const Logoergebnis ergebnis = LogoLesen(pfad);
        if (ergebnis.ok())
            QFAIL("accepted");
    }
}

void BenchBilder::laden_data()
{
    QTest::addColumn<QString>("pfad");
    const QImage logo = Muster(QSize(6000, 1500));
    QTest::newRow("BMP 6000 x 1500") << ablegen("l.bmp", Kodiert(logo, "BMP"));
    QTest::newRow("PNG 6000 x 1500") << ablegen("l.png", Kodiert(logo, "PNG"));
    QTest::newRow("JPEG 6000 x 1500") << ablegen("l.jpg", Kodiert(logo, "JPEG"));
    const QImage grenze = Muster(QSize(5000, 5000));
    QTest::newRow("BMP 5000 x 5000 (Grenze)") << ablegen("grenze.bmp", Kodiert(grenze, "BMP"));
    QTest::newRow("JPEG 5000 x 5000 (Grenze)") << ablegen("grenze.jpg", Kodiert(grenze, "JPEG"));
}

void BenchBilder::laden()
{
    QFETCH(QString, pfad);
    QBENCHMARK
    {
        const Logoergebnis ergebnis = LogoLesen(pfad);
        if (!ergebnis.ok())
            QFAIL(qPrintable(ergebnis.fehler));
    }
}

void BenchBilder::startbild()
{
    QBENCHMARK
    {
        if (Rohbild(QStringLiteral(":/roh/start_lueftungsgeraet.rgba")).isNull())
            QFAIL("Startbild fehlt");
    }
}

QTEST_GUILESS_MAIN(BenchBilder)
#include "bench_bilder.moc"
