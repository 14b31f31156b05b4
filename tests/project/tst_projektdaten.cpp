// The project record byte by byte: where each slot lies, how texts become
// Windows-1252 bytes, what stays behind a shorter text and what the reset
// empties. Expected bytes are written out here from the file layout, not
// taken from the record's own table.
#include "project/TProjektdaten.h"

#include <QtTest>

Q_DECLARE_METATYPE(Projektfeld)

namespace {

struct Erwartet {
    Projektfeld feld;
    std::size_t offset;
    std::size_t kapazitaet;
};

// The layout of a project file.
const Erwartet Layout[] = {
    {Projektfeld::Objektbezeichnung, 0, 40},
    {Projektfeld::StrasseNr, 41, 40},
    {Projektfeld::PlzOrt, 82, 40},
    {Projektfeld::Bearbeitungsdatum, 123, 40},
    {Projektfeld::Bearbeiter, 164, 40},
    {Projektfeld::Firmenname, 205, 40},
    {Projektfeld::Firmenadresse, 246, 40},
    {Projektfeld::Gebaeudetyp, 287, 40},
    {Projektfeld::Gebaeudelage, 328, 40},
    {Projektfeld::FlaecheNE, 369, 20},
    {Projektfeld::LuftvolumenNE, 390, 20},
    {Projektfeld::Neubau, 411, 20},
    {Projektfeld::Baujahr, 432, 20},
    {Projektfeld::SanierungWSVO, 453, 20},
    {Projektfeld::FensterloseRaeume, 474, 20},
    {Projektfeld::WeitereAnforderungen, 495, 20},
    {Projektfeld::AnforderungenSHE, 516, 20},
    {Projektfeld::MesswertVorhanden, 537, 20},
    {Projektfeld::MesswertN50, 558, 20},
    {Projektfeld::DruckexponentN, 579, 20},
    {Projektfeld::VorgabeKategorie, 600, 40},
    {Projektfeld::ErgebnisWS, 641, 20},
    {Projektfeld::ErgebnisFS, 662, 20},
    {Projektfeld::ErgebnisRL, 683, 20},
    {Projektfeld::ErgebnisNL, 704, 20},
    {Projektfeld::ErgebnisI, 725, 20},
    {Projektfeld::Ergebnis, 746, 120},
    {Projektfeld::Kommentar1, 867, 120},
    {Projektfeld::Kommentar2, 988, 120},
};

QByteArray alsBytes(const TProjektdaten &daten)
{
    return QByteArray(reinterpret_cast<const char *>(daten.bytes().data()),
                      static_cast<qsizetype>(daten.bytes().size()));
}

}  // namespace

class TestProjektdaten : public QObject {
    Q_OBJECT

private slots:
    void anfangsAllesNull();
    void slotLage_data();
    void slotLage();
    void zeichen_data();
    void zeichen();
    void restBleibtStehen();
    void leerenSetztNurLaengen();
    void zuGrosseLaengenangabe_data();
    void zuGrosseLaengenangabe();
    void jedesByteKommtZurueck();
};

void TestProjektdaten::anfangsAllesNull()
{
    const TProjektdaten daten;
    QCOMPARE(alsBytes(daten), QByteArray(1109, '\0'));
    for (const Erwartet &slot : Layout)
        QVERIFY(daten.text(slot.feld).isEmpty());
}

void TestProjektdaten::slotLage_data()
{
    QTest::addColumn<Projektfeld>("feld");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("kapazitaet");
    int nummer = 1;
    for (const Erwartet &slot : Layout)
        QTest::addRow("Slot %d bei %d", nummer++, int(slot.offset))
            << slot.feld << int(slot.offset) << int(slot.kapazitaet);
}

// A text longer than any slot fills exactly the slot's bytes and nothing else.
void TestProjektdaten::slotLage()
{
    QFETCH(Projektfeld, feld);
    QFETCH(int, offset);
    QFETCH(int, kapazitaet);

    TProjektdaten daten;
    daten.setzeText(feld, QString(130, QLatin1Char('x')));

    QByteArray erwartet(1109, '\0');
    erwartet[offset] = char(kapazitaet);
    erwartet.replace(offset + 1, kapazitaet, QByteArray(kapazitaet, 'x'));
    QCOMPARE(alsBytes(daten), erwartet);
    QCOMPARE(daten.text(feld), QString(kapazitaet, QLatin1Char('x')));
}

void TestProjektdaten::zeichen_data()
{
    QTest::addColumn<Projektfeld>("feld");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");  // length byte and characters
    QTest::addColumn<QString>("gelesen");

    QTest::newRow("ja in Slot 12") << Projektfeld::Neubau << 411 << "ja" << QByteArray::fromHex("026a61") << "ja";
    QTest::newRow("-1 in Slot 15") << Projektfeld::FensterloseRaeume << 474 << "-1" << QByteArray::fromHex("022d31")
                                   << "-1";
    QTest::newRow("Umlaute und ß") << Projektfeld::Objektbezeichnung << 0 << "Süß Öl Ä"
                                   << QByteArray::fromHex("08 53 fc df 20 d6 6c 20 c4") << "Süß Öl Ä";
    QTest::newRow("m³ und Euro") << Projektfeld::ErgebnisFS << 662 << "5 m³ 3 €"
                                 << QByteArray::fromHex("08 35 20 6d b3 20 33 20 80") << "5 m³ 3 €";
    // The 27 characters that Windows-1252 puts where Latin-1 has its C1
    // controls, in the order of their bytes 0x80 to 0x9F.
    QTest::newRow("0x80 bis 0x9F") << Projektfeld::Kommentar2 << 988 << QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")
                                   << QByteArray::fromHex("1b 80 82 83 84 85 86 87 88 89 8a 8b 8c 8e"
                                                          " 91 92 93 94 95 96 97 98 99 9a 9b 9c 9e 9f")
                                   << QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    QTest::newRow("Anführungen und Striche")
        << Projektfeld::Gebaeudelage << 328 << QString::fromUtf8("„Süd“ – ‚Nord‘ — Ŝ")
        << QByteArray::fromHex("12 84 53 fc 64 93 20 96 20 82 4e 6f 72 64 91"
                               " 20 97 20 3f")
        << QString::fromUtf8("„Süd“ – ‚Nord‘ — ?");
    QTest::newRow("Steuerzeichen U+0080 und U+0085 statt € und …")
        << Projektfeld::ErgebnisNL << 704 << QStringLiteral("a\u0080b\u0085") << QByteArray::fromHex("04 61 3f 62 3f")
        << "a?b?";
    QTest::newRow("Zeichen ohne Breite und einzelne Surrogate")
        << Projektfeld::ErgebnisI << 725 << QStringLiteral("a\u200Bb\uFEFF") + QChar(0xDC00) + QChar(0xD800) + "c"
        << QByteArray::fromHex("07 61 3f 62 3f 3f 3f 63") << "a?b???c";
    QTest::newRow("Ł ist nicht darstellbar")
        << Projektfeld::Bearbeiter << 164 << "Łódź" << QByteArray::fromHex("04 3f f3 64 3f") << "?ód?";
    QTest::newRow("Zeichen außerhalb der BMP wird ein ?")
        << Projektfeld::Kommentar1 << 867 << QString::fromUtf8("a\U0001F600b") << QByteArray::fromHex("03 61 3f 62")
        << "a?b";
    QTest::newRow("Kategorie MFH auf 40 gekürzt")
        << Projektfeld::VorgabeKategorie << 600 << "freie Lüftung bei Modernisierung in MFH als eingeschossige NE"
        << QByteArray(1, '\x28')
            + QByteArray("freie L\xfc"
                         "ftung bei Modernisierung in MFH ")
        << "freie Lüftung bei Modernisierung in MFH ";
    QTest::newRow("Objekttext mit 45 Zeichen")
        << Projektfeld::Firmenname << 205 << QString(40, QLatin1Char('a')) + "bcdef"
        << QByteArray(1, '\x28') + QByteArray(40, 'a') << QString(40, QLatin1Char('a'));
    QTest::newRow("Ungültiges Zeichen nach der Kürzung")
        << Projektfeld::FlaecheNE << 369 << QString(20, QLatin1Char('1')) + "Ł"
        << QByteArray(1, '\x14') + QByteArray(20, '1') << QString(20, QLatin1Char('1'));
    QTest::newRow("Urteil mit 120 Zeichen ganz")
        << Projektfeld::Ergebnis << 746 << QString(120, QLatin1Char('u'))
        << QByteArray(1, '\x78') + QByteArray(120, 'u') << QString(120, QLatin1Char('u'));
    QTest::newRow("leerer Text") << Projektfeld::Kommentar2 << 988 << "" << QByteArray(1, '\0') << "";
}

void TestProjektdaten::zeichen()
{
    QFETCH(Projektfeld, feld);
    QFETCH(int, offset);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, gelesen);

    TProjektdaten daten;
    daten.setzeText(feld, text);

    QByteArray erwartet(1109, '\0');
    erwartet.replace(offset, bytes.size(), bytes);
    QCOMPARE(alsBytes(daten), erwartet);
    QCOMPARE(daten.text(feld), gelesen);
}

void TestProjektdaten::restBleibtStehen()
{
    TProjektdaten daten;
    daten.setzeText(Projektfeld::Baujahr, "Sanierung");
    daten.setzeText(Projektfeld::Baujahr, "1980");

    QByteArray erwartet(1109, '\0');
    erwartet.replace(432, 10,
                     QByteArray("\x04"
                                "1980erung"));
    QCOMPARE(alsBytes(daten), erwartet);
    QCOMPARE(daten.text(Projektfeld::Baujahr), QString("1980"));
}

void TestProjektdaten::leerenSetztNurLaengen()
{
    TProjektdaten daten;
    for (const Erwartet &slot : Layout)
        daten.setzeText(slot.feld, QString(130, QLatin1Char('z')));
    QByteArray erwartet = alsBytes(daten);
    for (const Erwartet &slot : Layout)
        erwartet[qsizetype(slot.offset)] = '\0';

    daten.Leeren();

    QCOMPARE(alsBytes(daten), erwartet);
    for (const Erwartet &slot : Layout)
        QVERIFY(daten.text(slot.feld).isEmpty());
}

void TestProjektdaten::zuGrosseLaengenangabe_data()
{
    QTest::addColumn<Projektfeld>("feld");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("kapazitaet");
    QTest::newRow("Slot 22, Länge 200") << Projektfeld::ErgebnisWS << 641 << 20;
    QTest::newRow("Slot 21, Länge 200") << Projektfeld::VorgabeKategorie << 600 << 40;
    QTest::newRow("letzter Slot, Länge 200") << Projektfeld::Kommentar2 << 988 << 120;
}

// A length byte beyond the capacity comes from a foreign file: the text ends
// with the slot, never in the next slot or beyond the record.
void TestProjektdaten::zuGrosseLaengenangabe()
{
    QFETCH(Projektfeld, feld);
    QFETCH(int, offset);
    QFETCH(int, kapazitaet);

    TProjektdaten daten;
    std::fill(daten.bytes().begin(), daten.bytes().end(), std::uint8_t('n'));
    std::fill_n(daten.bytes().begin() + offset + 1, kapazitaet, std::uint8_t('e'));
    daten.bytes()[std::size_t(offset)] = 200;

    QCOMPARE(daten.text(feld), QString(kapazitaet, QLatin1Char('e')));
}

// Opening and saving a file again must give back every byte it held, also
// those that Windows-1252 leaves undefined.
void TestProjektdaten::jedesByteKommtZurueck()
{
    for (int wert = 0; wert < 256; ++wert) {
        TProjektdaten daten;
        daten.bytes()[641] = 1;
        daten.bytes()[642] = std::uint8_t(wert);
        const QString text = daten.text(Projektfeld::ErgebnisWS);
        QCOMPARE(text.size(), 1);

        TProjektdaten wieder;
        wieder.setzeText(Projektfeld::ErgebnisWS, text);
        QCOMPARE(int(wieder.bytes()[641]), 1);
        QCOMPARE(int(wieder.bytes()[642]), wert);
    }
}

QTEST_GUILESS_MAIN(TestProjektdaten)
#include "tst_projektdaten.moc"
