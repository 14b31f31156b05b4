#include "fileio/JpegBild.h"

#include "Bildkoepfe.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Encodes a picture with libjpeg, so the test does not depend on Qt's own
// JPEG support: left half red, right half blue. CMYK and YCCK are written
// as inverted CMYK with an Adobe marker, as Adobe's programs write them;
// a grey picture is left white, right black.
QByteArray RotBlau(int breite, int hoehe, J_COLOR_SPACE farbraum = JCS_RGB, bool progressiv = false)
{
    jpeg_compress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char *puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_mem_dest(&info, &puffer, &groesse);
    const bool cmyk = farbraum == JCS_CMYK || farbraum == JCS_YCCK;
    const int kanaele = cmyk ? 4 : farbraum == JCS_GRAYSCALE ? 1 : 3;
    info.image_width = JDIMENSION(breite);
    info.image_height = JDIMENSION(hoehe);
    info.input_components = kanaele;
    info.in_color_space = cmyk ? JCS_CMYK : farbraum;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, farbraum);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressiv)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    // Inverted CMYK: red is (255, 0, 0, 255), blue (0, 0, 255, 255).
    const unsigned char rot[4] = {255, 0, 0, 255};
    const unsigned char blau[4] = {0, 0, 255, 255};
    QByteArray zeile(breite * kanaele, 0);
    for (int x = 0; x < breite; ++x) {
        const bool links = x < breite / 2;
        for (int k = 0; k < kanaele; ++k)
            zeile[kanaele * x + k] = char(kanaele == 1 ? (links ? 255 : 0) : (links ? rot : blau)[k]);
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

QString Zugross(int breite, int hoehe)
{
    return QStringLiteral("Das Bild ist mit %1 × %2 Pixeln zu groß; erlaubt sind höchstens "
                          "25 Millionen Pixel und 32767 Pixel je Seite")
        .arg(breite)
        .arg(hoehe);
}

}  // namespace

class TestJpegBild : public QObject {
    Q_OBJECT

private slots:
    void farbenUndGroesse_data();
    void farbenUndGroesse();
    void mitgelieferteBilder_data();
    void mitgelieferteBilder();
    void beschaedigt_data();
    void beschaedigt();
    void harmlos_data();
    void harmlos();
    void fehlendeDatei();
};

void TestJpegBild::farbenUndGroesse_data()
{
    QTest::addColumn<int>("farbraum");
    QTest::addColumn<bool>("progressiv");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QColor>("links");
    QTest::addColumn<QColor>("rechts");
    const QColor rot(255, 0, 0), blau(0, 0, 255);
    QTest::newRow("RGB") << int(JCS_YCbCr) << false << QSize(64, 32) << rot << blau;
    QTest::newRow("RGB progressiv") << int(JCS_YCbCr) << true << QSize(64, 32) << rot << blau;
    QTest::newRow("Graustufen") << int(JCS_GRAYSCALE) << false << QSize(64, 32) << QColor(Qt::white)
                                << QColor(Qt::black);
    QTest::newRow("CMYK (Adobe)") << int(JCS_CMYK) << false << QSize(64, 32) << rot << blau;
    QTest::newRow("YCCK (Adobe)") << int(JCS_YCCK) << false << QSize(64, 32) << rot << blau;
    QTest::newRow("6000 x 1500") << int(JCS_YCbCr) << false << QSize(6000, 1500) << rot << blau;
}

void TestJpegBild::farbenUndGroesse()
{
    QFETCH(int, farbraum);
    QFETCH(bool, progressiv);
    QFETCH(QSize, groesse);
    QFETCH(QColor, links);
    QFETCH(QColor, rechts);
    const auto raum = J_COLOR_SPACE(farbraum);
    const QByteArray daten = RotBlau(groesse.width(), groesse.height(), raum == JCS_YCbCr ? JCS_RGB : raum, progressiv);
    const JpegErgebnis ergebnis = JpegLesen(daten);
    QVERIFY2(ergebnis.ok(), qPrintable(ergebnis.fehler));
    QCOMPARE(ergebnis.bild.size(), groesse);
    const auto nahe = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) < 25 && qAbs(a.green() - b.green()) < 25 && qAbs(a.blue() - b.blue()) < 25;
    };
    const int y = groesse.height() / 2;
    QVERIFY(nahe(ergebnis.bild.pixelColor(groesse.width() / 8, y), links));
    QVERIFY(nahe(ergebnis.bild.pixelColor(groesse.width() * 7 / 8, y), rechts));
}

void TestJpegBild::mitgelieferteBilder_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QSize>("groesse");
    QTest::newRow("Lüftungssysteme") << ":/images/konzept_lueftungssysteme.jpg" << QSize(947, 670);
    QTest::newRow("Herstellerlogo") << ":/images/logo_morvendix_info.jpg" << QSize(250, 100);
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
    QTest::addColumn<QString>("meldung");  // empty: any German text
    const QByteArray echt = RotBlau(64, 64);
    QByteArray zufall(4096, 0);
    QRandomGenerator zahlen(1946);
    for (char &c : zufall)
        c = char(zahlen.bounded(256));
    QByteArray falscherKopf = echt;
    falscherKopf[3] = char(0x00);
    falscherKopf[20] = char(0xff);

    const QString bruch = QStringLiteral("Die JPEG-Daten brechen vorzeitig ab");
    // A quantisation table numbered 5; there are four.
    QByteArray tabelle = echt;
    tabelle[tabelle.indexOf(QByteArray("\xff\xdb", 2)) + 4] = 5;
    // A frame of 12-bit samples, which this libjpeg does not decode.
    QByteArray zwoelfBit = echt;
    zwoelfBit[zwoelfBit.indexOf(QByteArray("\xff\xc0", 2)) + 4] = 12;

    QTest::newRow("leer") << QByteArray() << QStringLiteral("Die JPEG-Datei ist leer");
    QTest::newRow("abgeschnitten in der Mitte") << echt.left(echt.size() / 2) << bruch;
    QTest::newRow("ohne die letzten zwei Bytes") << echt.left(echt.size() - 2) << bruch;
    QTest::newRow("nur der Anfang") << echt.left(40) << bruch;
    QTest::newRow("Tabellennummer 5") << tabelle << QStringLiteral("Die JPEG-Daten sind beschädigt");
    QTest::newRow("12 Bit je Abtastwert")
        << zwoelfBit << QStringLiteral("Das JPEG-Verfahren dieses Bildes wird nicht unterstützt");
    QTest::newRow("Zufallsbytes") << zufall << QStringLiteral("Die Datei ist kein JPEG-Bild");
    QTest::newRow("Zufallsbytes hinter JPEG-Kennung") << (QByteArray("\xff\xd8\xff\xe0", 4) + zufall) << QString();
    QTest::newRow("Text") << QByteArray("kein Bild") << QStringLiteral("Die Datei ist kein JPEG-Bild");
    QTest::newRow("Kopf 33039 x 12824") << MitKopfgroesse(echt, 33039, 12824) << Zugross(33039, 12824);
    QTest::newRow("Kopf 65500 x 65500") << MitKopfgroesse(echt, 65500, 65500) << Zugross(65500, 65500);
    QTest::newRow("Kopf 5000 x 5001") << MitKopfgroesse(echt, 5000, 5001) << Zugross(5000, 5001);
    QTest::newRow("Kopf 32768 x 8") << MitKopfgroesse(echt, 32768, 8) << Zugross(32768, 8);
    QTest::newRow("Kopf 5000 x 5000: Daten fehlen") << MitKopfgroesse(echt, 5000, 5000) << bruch;
}

void TestJpegBild::beschaedigt()
{
    QFETCH(QByteArray, daten);
    QFETCH(QString, meldung);
    const JpegErgebnis ergebnis = JpegLesen(daten);
    QVERIFY(!ergebnis.ok());
    QVERIFY(ergebnis.bild.isNull());
    if (!meldung.isEmpty())
        QCOMPARE(ergebnis.fehler, meldung);
    // Never one of libjpeg's English texts.
    QVERIFY2(ergebnis.fehler.startsWith(QLatin1String("Die")) || ergebnis.fehler.startsWith(QLatin1String("Das")),
             qPrintable(ergebnis.fehler));
}

void TestJpegBild::harmlos_data()
{
    QTest::addColumn<QByteArray>("daten");
    const QByteArray echt = RotBlau(64, 64);
    // Two bytes of padding after the JFIF segment, before the next marker.
    QByteArray fuellbytes = echt;
    fuellbytes.insert(4 + (quint8(echt[4]) << 8 | quint8(echt[5])), QByteArray(2, '\0'));
    // Bytes between the picture data and its end marker.
    QByteArray ueberzaehlig = echt;
    ueberzaehlig.insert(ueberzaehlig.size() - 2, QByteArray(8, '\x01'));
    QTest::newRow("zwei Füllbytes zwischen Kopfsegmenten") << fuellbytes;
    QTest::newRow("überzählige Bytes vor dem Ende") << ueberzaehlig;
}

// libjpeg warns, and the picture is the same as without the extra bytes.
void TestJpegBild::harmlos()
{
    QFETCH(QByteArray, daten);
    const JpegErgebnis ergebnis = JpegLesen(daten);
    QVERIFY2(ergebnis.ok(), qPrintable(ergebnis.fehler));
    QCOMPARE(ergebnis.bild, JpegLesen(RotBlau(64, 64)).bild);
}

void TestJpegBild::fehlendeDatei()
{
    const JpegErgebnis ergebnis = JpegDateiLesen("/nicht/vorhanden.jpg");
    QVERIFY(!ergebnis.ok());
}

QTEST_GUILESS_MAIN(TestJpegBild)
#include "tst_jpegbild.moc"
