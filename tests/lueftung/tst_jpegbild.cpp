#include "lueftung/JpegBild.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdio>

#include <jpeglib.h>

namespace {

// Encodes a picture with libjpeg, so the test does not depend on Qt's own
// JPEG support: left half red, right half blue.
QByteArray RotBlau(int breite, int hoehe)
{
    jpeg_compress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char *puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_mem_dest(&info, &puffer, &groesse);
    info.image_width = JDIMENSION(breite);
    info.image_height = JDIMENSION(hoehe);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    QByteArray zeile(breite * 3, 0);
    for (int x = 0; x < breite; ++x) {
        const bool links = x < breite / 2;
        zeile[3 * x] = char(links ? 255 : 0);
        zeile[3 * x + 2] = char(links ? 0 : 255);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW z = reinterpret_cast<JSAMPROW>(zeile.data());
        jpeg_write_scanlines(&info, &z, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray daten(reinterpret_cast<const char *>(puffer), qsizetype(groesse));
    std::free(puffer);
    return daten;
}

} // namespace

class TestJpegBild : public QObject {
    Q_OBJECT

private slots:
    void farbenUndGroesse();
    void mitgelieferteBilder_data();
    void mitgelieferteBilder();
    void beschaedigt_data();
    void beschaedigt();
    void fehlendeDatei();
};

void TestJpegBild::farbenUndGroesse()
{
    const JpegErgebnis ergebnis = JpegLesen(RotBlau(64, 32));
    QVERIFY2(ergebnis.ok(), qPrintable(ergebnis.fehler));
    QCOMPARE(ergebnis.bild.size(), QSize(64, 32));
    const QColor links = ergebnis.bild.pixelColor(8, 16);
    const QColor rechts = ergebnis.bild.pixelColor(56, 16);
    QVERIFY(links.red() > 230 && links.blue() < 25);
    QVERIFY(rechts.blue() > 230 && rechts.red() < 25);
}

void TestJpegBild::mitgelieferteBilder_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QSize>("groesse");
    QTest::newRow("Lüftungsgerät") << ":/bilder/start_lueftungsgeraet.jpg" << QSize(200, 175);
    QTest::newRow("Fensterfalz") << ":/bilder/start_fensterfalz.jpg" << QSize(200, 175);
    QTest::newRow("Außenwand") << ":/bilder/start_aussenwand.jpg" << QSize(200, 175);
    QTest::newRow("Herstellerlogo") << ":/bilder/logo_luvanto.jpg" << QSize(433, 113);
}

void TestJpegBild::mitgelieferteBilder()
{
    QFETCH(QString, pfad);
    const JpegErgebnis ergebnis = JpegDateiLesen(pfad);
    QVERIFY2(ergebnis.ok(), qPrintable(ergebnis.fehler));
    QTEST(ergebnis.bild.size(), "groesse");
}

void TestJpegBild::beschaedigt_data()
{
    QTest::addColumn<QByteArray>("daten");
    const QByteArray echt = RotBlau(64, 64);
    QByteArray zufall(4096, 0);
    QRandomGenerator zahlen(1946);
    for (char &c : zufall)
        c = char(zahlen.bounded(256));
    QByteArray falscherKopf = echt;
    falscherKopf[3] = char(0x00);
    falscherKopf[20] = char(0xff);

    QTest::newRow("leer") << QByteArray();
    QTest::newRow("abgeschnitten in der Mitte") << echt.left(echt.size() / 2);
    QTest::newRow("nur der Anfang") << echt.left(40);
    QTest::newRow("Zufallsbytes") << zufall;
    QTest::newRow("Zufallsbytes hinter JPEG-Kennung") << (QByteArray("\xff\xd8\xff\xe0", 4) + zufall);
    QTest::newRow("Text") << QByteArray("kein Bild");
}

void TestJpegBild::beschaedigt()
{
    QFETCH(QByteArray, daten);
    const JpegErgebnis ergebnis = JpegLesen(daten);
    QVERIFY(!ergebnis.ok());
    QVERIFY(ergebnis.bild.isNull());
}

void TestJpegBild::fehlendeDatei()
{
    const JpegErgebnis ergebnis = JpegDateiLesen("/nicht/vorhanden.jpg");
    QVERIFY(!ergebnis.ok());
}

QTEST_GUILESS_MAIN(TestJpegBild)
#include "tst_jpegbild.moc"
