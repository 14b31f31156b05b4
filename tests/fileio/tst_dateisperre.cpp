// Lock files on this system: who may take a lock while another holds it,
// what a new lock replaces and where it cannot be made, and that the
// holder and others can still read what the file says.
#include "fileio/Dateisperre.h"

#include <QtTest>

#include <cerrno>

namespace {

const QByteArray Inhalt = "4711\nluvanto\nbuero-pc\n";

QByteArray Lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<nicht lesbar>");
}

}  // namespace

class TestDateisperre : public QObject {
    Q_OBJECT

private slots:
    void anlegen_data();
    void anlegen();
    void uebernehmen_data();
    void uebernehmen();
    void freigegebenWiederZuHaben();
};

void TestDateisperre::anlegen_data()
{
    QTest::addColumn<QString>("vorher");  // what lies at the name or beside it
    QTest::addColumn<int>("fehler");
    QTest::newRow("nichts") << "" << 0;
    QTest::newRow("alte Sperrdatei wird ersetzt") << "alt" << 0;
    QTest::newRow("halb angelegte Sperrdatei") << "neu" << EEXIST;
    QTest::newRow("Ordner fehlt") << "kein Ordner" << ENOENT;
}

// A lock is held as soon as it bears its name, and no other can then be
// taken; a failed one leaves nothing of its own behind.
void TestDateisperre::anlegen()
{
    QFETCH(QString, vorher);
    QFETCH(int, fehler);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pfad = vorher == "kein Ordner" ? dir.filePath("fehlt/a.sperre") : dir.filePath("a.sperre");
    if (vorher == "alt" || vorher == "neu") {
        QFile datei(vorher == "alt" ? pfad : pfad + ".neu");
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("alt");
    }

    int fehlernummer = 0;
    const Dateisperre sperre = Dateisperre::anlegen(pfad, Inhalt, fehlernummer);

    QCOMPARE(sperre.gehalten(), fehler == 0);
    QCOMPARE(fehlernummer, fehler);
    if (fehler == 0) {
        QCOMPARE(Lesen(pfad), Inhalt);
        QCOMPARE(sperre.lesen(4096), Inhalt);
        QVERIFY(!QFile::exists(pfad + ".neu"));
        QVERIFY(!Dateisperre::uebernehmen(pfad).gehalten());
    } else if (vorher == "neu") {
        QCOMPARE(Lesen(pfad + ".neu"), QByteArray("alt"));
        QVERIFY(!QFile::exists(pfad));
    }
}

void TestDateisperre::uebernehmen_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<bool>("gehalten");
    QTest::addColumn<QByteArray>("gelesen");
    QTest::newRow("keine Datei: neu und leer") << "" << true << QByteArray();
    QTest::newRow("verlassene Sperrdatei") << "verlassen" << true << Inhalt;
    QTest::newRow("von anderem gehalten") << "gehalten" << false << QByteArray();
    QTest::newRow("Ordner") << "Ordner" << false << QByteArray();
}

void TestDateisperre::uebernehmen()
{
    QFETCH(QString, vorher);
    QFETCH(bool, gehalten);
    QFETCH(QByteArray, gelesen);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pfad = dir.filePath("a.sperre");
    Dateisperre anderer;
    if (vorher == "verlassen") {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(Inhalt);
    } else if (vorher == "gehalten") {
        int fehlernummer = 0;
        anderer = Dateisperre::anlegen(pfad, Inhalt, fehlernummer);
        QVERIFY(anderer.gehalten());
    } else if (vorher == "Ordner") {
        QVERIFY(QDir(dir.path()).mkdir("a.sperre"));
    }

    const Dateisperre sperre = Dateisperre::uebernehmen(pfad);

    QCOMPARE(sperre.gehalten(), gehalten);
    QCOMPARE(sperre.lesen(4096), gelesen);
    QCOMPARE(QFileInfo(pfad).isFile(), vorher != "Ordner");
    // The holder's file stays readable for everyone.
    if (vorher == "gehalten")
        QCOMPARE(Lesen(pfad), Inhalt);
}

// The lock goes with its holder, and the file may be removed while held.
void TestDateisperre::freigegebenWiederZuHaben()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pfad = dir.filePath("a.sperre");
    int fehlernummer = 0;
    Dateisperre erste = Dateisperre::anlegen(pfad, Inhalt, fehlernummer);
    QVERIFY(erste.gehalten());

    erste.freigeben();
    Dateisperre zweite = Dateisperre::uebernehmen(pfad);
    QVERIFY(zweite.gehalten());
    QCOMPARE(zweite.lesen(5), QByteArray("4711\n"));

    QVERIFY(QFile::remove(pfad));
    zweite.freigeben();
    QVERIFY(!QFile::exists(pfad));
}

QTEST_GUILESS_MAIN(TestDateisperre)
#include "tst_dateisperre.moc"
