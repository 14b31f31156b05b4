// What the program finds in its folders at start and while it runs: copies
// of unsaved input left behind, with locks of every kind; a folder where
// no copy can be written; a settings file that is no file.
#include "app/Eingabesicherung.h"
#include "mainwindow/Lueftung.h"
#include "project/Sicherungskopie.h"
#include "windowkit/Einstellungsdatei.h"

#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
    const QMap<QString, QByteArray> sperren{
        {"verlassen", "4711\nluvanto\n" + QSysInfo::machineHostName().toUtf8() + "\n"},
        {"anderer Rechner", "4711\nluvanto\nbuero-pc\n"},
        {"leer", ""},
        {"Unsinn", QByteArray(3000, '\xff')}};
    const QMap<QString, QByteArray> kopien{{"gut", Kopie("WE 7")},
                                           {"Nachlauf", Kopie("WE 7") + "später angefügt"},
                                           {"kaputt", "LKZKOPIE"},
                                           {"spätere Fassung", "LKZKOPIE\x02" + QByteArray(2000, 'x')},
                                           {"zu groß", Kopie("WE 7") + QByteArray(2 << 20, 0)}};
    int fehler = 0;
    const bool gesperrt = sperre.isEmpty() || (sperren.contains(sperre) && Schreiben(s, sperren[sperre]))
        || (sperre == "gehalten" && (gehalten = Sperrdatei::anlegen(s, fehler)).gehalten())
        || (sperre == "FIFO" && ::mkfifo(QFile::encodeName(s).constData(), 0600) == 0)
        || (sperre == "/dev/zero" && QFile::link("/dev/zero", s));
    return gesperrt
        && ((kopien.contains(kopie) && Schreiben(k, kopien[kopie]))
            || (kopie == "FIFO" && ::mkfifo(QFile::encodeName(k).constData(), 0600) == 0)
            || (kopie == "/dev/zero" && QFile::link("/dev/zero", k)));
}

}  // namespace

class TestStartdateien : public QObject {
    Q_OBJECT

private slots:
    void hinterlassen_data();
    void hinterlassen();
    void angebotNachDemErstenBild();
    void keineKopieMoeglich();
    void einstellungsdatei_data();
    void einstellungsdatei();
};

void TestStartdateien::hinterlassen_data()
{
    QTest::addColumn<QString>("sperre");
    QTest::addColumn<QString>("kopie");
    QTest::addColumn<bool>("angeboten");
    QTest::newRow("Programm beendet") << "verlassen"
                                      << "gut" << true;
    QTest::newRow("ohne Sperre") << ""
                                 << "gut" << true;
    QTest::newRow("leere Sperre") << "leer"
                                  << "gut" << true;
    QTest::newRow("Sperre voll Unsinn") << "Unsinn"
                                        << "gut" << true;
    QTest::newRow("von anderem Rechner") << "anderer Rechner"
                                         << "gut" << true;
    QTest::newRow("Programm läuft noch") << "gehalten"
                                         << "gut" << false;
    QTest::newRow("Sperre ist FIFO") << "FIFO"
                                     << "gut" << false;
    QTest::newRow("Sperre zeigt auf /dev/zero") << "/dev/zero"
                                                << "gut" << false;
    QTest::newRow("Bytes nach der Kopie") << "verlassen"
                                          << "Nachlauf" << true;
    QTest::newRow("keine Kopie: entfernt") << "verlassen"
                                           << "kaputt" << false;
    QTest::newRow("spätere Fassung") << "verlassen"
                                     << "spätere Fassung" << false;
    QTest::newRow("nicht ganz gelesen") << "verlassen"
                                        << "zu groß" << false;
    QTest::newRow("Kopie zeigt auf /dev/zero") << "verlassen"
                                               << "/dev/zero" << false;
}

// The program starting later finds what a row lays down, without waiting
// on a FIFO or reading /dev/zero.
void TestStartdateien::hinterlassen()
{
    QFETCH(QString, sperre);
    QFETCH(QString, kopie);
    QFETCH(bool, angeboten);
    const QString rechner = sperre == "anderer Rechner" ? "buero-pc" : "";
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
    QCOMPARE(liegtDa(), kopie != "kaputt");
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

// A copy left behind is neither claimed nor offered before the window has
// shown its first frame; then it is offered on the start page.
void TestStartdateien::angebotNachDemErstenBild()
{
    QTemporaryDir ordner;
    Sperrdatei gehalten;
    QVERIFY(Anlegen(QDir(ordner.path()), "verlassen", "gut", gehalten));
    Rechenzustand zustand;
    TForm1 form(zustand);
    QString name;
    QString vorschlag;
    Dateibindung bindung;
    Eingabesicherung sicherung(form, {name, vorschlag, bindung}, ordner.path());
    QCoreApplication::processEvents();
    QVERIFY(form.Wiederherstellung->isHidden());
    QVERIFY(Sicherungskopie(ordner.path()).hinterlassene());

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.Wiederherstellung->isVisible());
    QVERIFY(form.Wiederherstellen1->text().contains("(WE 7)"));
}

// Typing where no copy can be written: the status bar says where and why,
// once.
void TestStartdateien::keineKopieMoeglich()
{
    QTemporaryDir oben;
    const QString ordner = oben.filePath("oben/ungespeichert");
    QVERIFY(Schreiben(oben.filePath("oben"), "x"));

    Rechenzustand zustand;
    TForm1 form(zustand);
    QString name;
    QString vorschlag;
    Dateibindung bindung;
    Eingabesicherung sicherung(form, {name, vorschlag, bindung}, ordner);
    form.Edit2->setText("WE 1");
    sicherung.Sichern();
    const QString meldung = form.statusBar()->currentMessage();
    QVERIFY2(meldung.contains("„" + ordner + "“: „" + oben.filePath("oben") + "“ ist kein Ordner"),
             qPrintable(meldung));
    QVERIFY(!form.statusBar()->isHidden());
    form.statusBar()->clearMessage();
    form.Edit2->setText("WE 2");
    sicherung.Sichern();
    QCOMPARE(form.statusBar()->currentMessage(), QString());
}

void TestStartdateien::einstellungsdatei_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("grund");
    QTest::newRow("gewöhnlich") << "Datei"
                                << "";
    QTest::newRow("FIFO") << "FIFO"
                          << "ist keine gewöhnliche Datei";
    QTest::newRow("Verweis auf /dev/zero") << "/dev/zero"
                                           << "ist keine gewöhnliche Datei";
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
