// What the program finds in its folders at start and while it runs: copies
// of unsaved input left behind, with locks of every kind; a folder where
// no copy can be written; a settings file that is no file.
#include "mainwindow/Lueftung.h"
#include "project/Eingabesicherung.h"
#include "project/Sicherungskopie.h"
#include "windowkit/Einstellungsdatei.h"

#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Stamm = QStringLiteral("4711-0badf00d");

QByteArray Kopie(const QString &objekt)
{
    TProjektdaten daten;
    daten.setzeText(Projektfeld::Objektbezeichnung, objekt);
    const QByteArray satz(reinterpret_cast<const char *>(daten.bytes().data()), qsizetype(daten.bytes().size()));
    return StandZuBytes({satz, {}, {}, {}, QDateTime(QDate(2026, 3, 15), QTime(9, 30))});
}

bool Schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

// Lays down what a row names: a lock and a copy as they may lie there.
bool Anlegen(const QDir &ordner, const QString &sperre, const QString &kopie, Sperrdatei &gehalten)
{
    const QString s = ordner.filePath(Stamm + ".sperre");
    const QString k = ordner.filePath(Stamm + ".kopie");
    bool gut = true;
    if (sperre == "verlassen")
        gut = Schreiben(s, "4711\nluvanto\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    else if (sperre == "anderer Rechner")
        gut = Schreiben(s, "4711\nluvanto\nbuero-pc\n");
    else if (sperre == "leer")
        gut = Schreiben(s, "");
    else if (sperre == "Unsinn")
        gut = Schreiben(s, QByteArray(3000, '\xff'));
    else if (sperre == "gehalten") {
        int fehler = 0;
        gehalten = Sperrdatei::Anlegen(s, fehler);
        gut = gehalten.gehalten();
    } else if (sperre == "FIFO")
        gut = ::mkfifo(QFile::encodeName(s).constData(), 0600) == 0;
    else if (sperre == "/dev/zero")
        gut = QFile::link("/dev/zero", s);

    if (kopie == "gut")
        gut = gut && Schreiben(k, Kopie("WE 7"));
    else if (kopie == "Nachlauf")
        gut = gut && Schreiben(k, Kopie("WE 7") + "später angefügt");
    else if (kopie == "kaputt")
        gut = gut && Schreiben(k, "LKZKOPIE");
    else if (kopie == "spätere Fassung")
        gut = gut && Schreiben(k, "LKZKOPIE\x02" + QByteArray(2000, 'x'));
    else if (kopie == "zu groß")
        gut = gut && Schreiben(k, Kopie("WE 7") + QByteArray(2 << 20, 0));
    else if (kopie == "FIFO")
        gut = gut && ::mkfifo(QFile::encodeName(k).constData(), 0600) == 0;
    else if (kopie == "/dev/zero")
        gut = gut && QFile::link("/dev/zero", k);
    return gut;
}

} // namespace

class TestStartdateien : public QObject {
    Q_OBJECT

private slots:
    void hinterlassen_data();
    void hinterlassen();
    void keineKopieMoeglich_data();
    void keineKopieMoeglich();
    void einstellungsdatei_data();
    void einstellungsdatei();
};

void TestStartdateien::hinterlassen_data()
{
    QTest::addColumn<QString>("sperre");
    QTest::addColumn<QString>("kopie");
    QTest::addColumn<bool>("angeboten");
    QTest::addColumn<bool>("bleibt");  // the copy, when it is not taken
    QTest::addColumn<QString>("rechner");
    QTest::newRow("Programm beendet") << "verlassen" << "gut" << true << true << "";
    QTest::newRow("ohne Sperre") << "" << "gut" << true << true << "";
    QTest::newRow("leere Sperre") << "leer" << "gut" << true << true << "";
    QTest::newRow("Sperre voll Unsinn") << "Unsinn" << "gut" << true << true << "";
    QTest::newRow("von anderem Rechner") << "anderer Rechner" << "gut" << true << true << "buero-pc";
    QTest::newRow("Programm läuft noch") << "gehalten" << "gut" << false << true << "";
    QTest::newRow("Sperre ist FIFO") << "FIFO" << "gut" << false << true << "";
    QTest::newRow("Sperre zeigt auf /dev/zero") << "/dev/zero" << "gut" << false << true << "";
    QTest::newRow("Bytes nach der Kopie") << "verlassen" << "Nachlauf" << true << true << "";
    QTest::newRow("keine Kopie") << "verlassen" << "kaputt" << false << false << "";
    QTest::newRow("spätere Fassung") << "verlassen" << "spätere Fassung" << false << true << "";
    QTest::newRow("nicht ganz gelesen") << "verlassen" << "zu groß" << false << true << "";
    QTest::newRow("Kopie ist FIFO") << "verlassen" << "FIFO" << false << true << "";
    QTest::newRow("Kopie zeigt auf /dev/zero") << "verlassen" << "/dev/zero" << false << true << "";
}

// The program starting later finds what a row lays down, without waiting
// on a FIFO or reading /dev/zero.
void TestStartdateien::hinterlassen()
{
    QFETCH(QString, sperre);
    QFETCH(QString, kopie);
    QFETCH(bool, angeboten);
    QFETCH(bool, bleibt);
    QFETCH(QString, rechner);
    QTemporaryDir ordner;
    Sperrdatei gehalten;
    QVERIFY(Anlegen(QDir(ordner.path()), sperre, kopie, gehalten));
    const QString datei = QDir(ordner.path()).filePath(Stamm + ".kopie");
    const auto liegtDa = [&datei] {
        const QFileInfo info(datei);
        return info.exists() || info.isSymLink();
    };

    Sicherungskopie spaeter(ordner.path());
    const std::optional<Eingabestand> stand = spaeter.hinterlassene();
    QCOMPARE(stand.has_value(), angeboten);
    QCOMPARE(liegtDa(), bleibt);
    if (!stand)
        return;
    QCOMPARE(stand->objekt(), QStringLiteral("WE 7"));
    QCOMPARE(spaeter.angebotenVonRechner(), rechner);
    QCOMPARE(Eingabesicherung::Angebotstext(*stand, rechner),
             "Nicht gespeicherte Eingaben vom 15.03.2026 09:30 (WE 7) wiederherstellen"
                 + (rechner.isEmpty() ? QString() : "\nHinterlassen auf dem Rechner „buero-pc“"));
    // Claimed: no other program offers it meanwhile.
    QVERIFY(!Sicherungskopie(ordner.path()).hinterlassene());
    spaeter.hinterlasseneEntfernen();
    QVERIFY(!liegtDa());
    QVERIFY(!QFileInfo::exists(QDir(ordner.path()).filePath(Stamm + ".sperre")));
}

void TestStartdateien::keineKopieMoeglich_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("grund");
    QTest::newRow("kein Ordner") << "Datei" << "das ist kein Ordner";
    QTest::newRow("Datei darüber") << "Datei darüber" << "/oben“ ist kein Ordner";
    QTest::newRow("nicht beschreibbar") << "schreibgeschützt" << "keine Schreibberechtigung";
}

// Typing where no copy can be written: the status bar says where and why,
// once.
void TestStartdateien::keineKopieMoeglich()
{
    QFETCH(QString, art);
    QFETCH(QString, grund);
    if (art == "schreibgeschützt" && ::geteuid() == 0)
        QSKIP("root may write anywhere");
    QTemporaryDir oben;
    QString ordner = oben.filePath("ungespeichert");
    if (art == "Datei")
        QVERIFY(Schreiben(ordner, "x"));
    else if (art == "Datei darüber") {
        QVERIFY(Schreiben(oben.filePath("oben"), "x"));
        ordner = oben.filePath("oben/ungespeichert");
    }
    else
        QVERIFY(QDir(oben.path()).mkdir("ungespeichert") && ::chmod(QFile::encodeName(ordner).constData(), 0500) == 0);

    Rechenzustand zustand;
    TForm1 form(zustand);
    QString name;
    QString vorschlag;
    Dateibindung bindung;
    Eingabesicherung sicherung(form, {name, vorschlag, bindung}, ordner);
    form.Edit2->setText("WE 1");
    sicherung.Sichern();
    const QString meldung = form.statusBar()->currentMessage();
    QVERIFY2(meldung.contains("„" + ordner + "“: ") && meldung.contains(grund), qPrintable(meldung));
    QVERIFY(!form.statusBar()->isHidden());
    form.statusBar()->clearMessage();
    form.Edit2->setText("WE 2");
    sicherung.Sichern();
    QCOMPARE(form.statusBar()->currentMessage(), QString());
    ::chmod(QFile::encodeName(ordner).constData(), 0700);
}

void TestStartdateien::einstellungsdatei_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("grund");
    QTest::newRow("gewöhnlich") << "Datei" << "";
    QTest::newRow("FIFO") << "FIFO" << "ist keine gewöhnliche Datei";
    QTest::newRow("Verweis auf /dev/zero") << "/dev/zero" << "ist keine gewöhnliche Datei";
}

// Checked before anything reads it: then QSettings neither waits on the
// FIFO nor reads /dev/zero.
void TestStartdateien::einstellungsdatei()
{
    QFETCH(QString, art);
    QFETCH(QString, grund);
    QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(konfiguration.path()));
    const QString datei = Einstellungsdateien().constFirst();
    QVERIFY(datei.startsWith(konfiguration.path() + "/"));
    QVERIFY(QDir().mkpath(QFileInfo(datei).absolutePath()));
    if (art == "Datei")
        QVERIFY(Schreiben(datei, "[General]\nzuletzt=a\n"));
    else if (art == "FIFO")
        QVERIFY(::mkfifo(QFile::encodeName(datei).constData(), 0600) == 0);
    else
        QVERIFY(QFile::link("/dev/zero", datei));

    const std::optional<QString> gemeldet = EinstellungsdateiPruefen();
    QCOMPARE(gemeldet.value_or(QString()).contains(grund), true);
    QCOMPARE(gemeldet.has_value(), !grund.isEmpty());
    QCOMPARE(QSettings().value("zuletzt").toString(), grund.isEmpty() ? "a" : "");
}

QTEST_MAIN(TestStartdateien)
#include "tst_startdateien.moc"
