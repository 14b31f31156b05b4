// How errors of the operating system become the conditions and German
// messages of the project-file commands, and the reason that every other
// file names for the same error: the same words where both name it.
#include "project/Dateiergebnis.h"

#include "fileio/Systemfehler.h"

#include <QtTest>

#include <cerrno>

class TestDateiergebnis : public QObject {
    Q_OBJECT

private slots:
    void systemcodes_data();
    void systemcodes();
    void gelungen();
};

void TestDateiergebnis::systemcodes_data()
{
    QTest::addColumn<int>("systemcode");
    QTest::addColumn<bool>("ordnerVorhanden");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("grund");

    QTest::newRow("ENOENT, Ordner da") << ENOENT << true << 2 << "Datei nicht gefunden"
                                       << "Datei nicht gefunden";
    QTest::newRow("ENOENT, Ordner fehlt") << ENOENT << false << 3 << "Ungültiger Dateiname"
                                          << "Ungültiger Dateiname";
    QTest::newRow("ENOTDIR") << ENOTDIR << true << 3 << "Ungültiger Dateiname"
                             << "Ist kein Verzeichnis";
    QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << true << 3 << "Ungültiger Dateiname"
                                  << "Dateiname zu lang";
    QTest::newRow("EMFILE") << EMFILE << true << 4 << "Zu viele geöffnete Dateien"
                            << "Zu viele geöffnete Dateien";
    QTest::newRow("ENFILE") << ENFILE << true << 4 << "Zu viele geöffnete Dateien"
                            << "Zu viele geöffnete Dateien";
    QTest::newRow("EACCES") << EACCES << true << 5 << "Dateizugriff verweigert"
                            << "Dateizugriff verweigert";
    QTest::newRow("EPERM") << EPERM << true << 5 << "Dateizugriff verweigert"
                           << "Dateizugriff verweigert";
    QTest::newRow("EROFS") << EROFS << true << 5 << "Dateizugriff verweigert"
                           << "Dateisystem ist schreibgeschützt";
    QTest::newRow("EISDIR") << EISDIR << true << 5 << "Dateizugriff verweigert"
                            << "Ist ein Verzeichnis";
    QTest::newRow("ENXIO: Socket") << ENXIO << true << 5 << "Dateizugriff verweigert"
                                   << QString("E/A-Fehler %1").arg(ENXIO);
    QTest::newRow("ENOSPC") << ENOSPC << true << 101 << "Zu wenig Speicherplatz"
                            << "Zu wenig Speicherplatz";
    QTest::newRow("EDQUOT") << EDQUOT << true << 101 << "Zu wenig Speicherplatz"
                            << "Zu wenig Speicherplatz";
    // EIO is 5 on this system, but not the 5 of a refused access.
    QTest::newRow("EIO") << EIO << true << EIO << QString("E/A-Fehler %1").arg(EIO)
                         << QString("E/A-Fehler %1").arg(EIO);
    QTest::newRow("EBUSY") << EBUSY << true << EBUSY << QString("E/A-Fehler %1").arg(EBUSY)
                           << QString("E/A-Fehler %1").arg(EBUSY);
}

void TestDateiergebnis::systemcodes()
{
    QFETCH(int, systemcode);
    QFETCH(bool, ordnerVorhanden);
    QFETCH(int, code);
    QFETCH(QString, meldung);
    QFETCH(QString, grund);

    const Dateiergebnis ergebnis =
        Dateiergebnis::ausSystemcode(Dateiergebnis::Schritt::Oeffnen, systemcode, ordnerVorhanden);
    QVERIFY(!ergebnis.gelungen());
    QCOMPARE(ergebnis.code(), code);
    QCOMPARE(ergebnis.meldung(), meldung);
    QCOMPARE(ergebnis.systemcode(), systemcode);
    QCOMPARE(Systemgrund(systemcode, ordnerVorhanden), grund);
}

void TestDateiergebnis::gelungen()
{
    const Dateiergebnis ergebnis;
    QVERIFY(ergebnis.gelungen());
    QCOMPARE(ergebnis.code(), 0);
    QVERIFY(ergebnis.meldung().isEmpty());
}

QTEST_GUILESS_MAIN(TestDateiergebnis)
#include "tst_dateiergebnis.moc"
