#include "app/Befehlszeile.h"
#include "app/Programm.h"
#include "fileio/Dateiname.h"
#include "project/Projektaufbau.h"
#include "project/Projektdatei.h"
#include "windowkit/Version.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// The command line: what each call leads to, and a project named on it
// opened in the whole program as "Öffnen" opens a chosen file.
class TestBefehlszeile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void lesen_data();
    void lesen();
    void projektOeffnen_data();
    void projektOeffnen();

private:
    QTemporaryDir ordner;
};

void TestBefehlszeile::initTestCase()
{
    QVERIFY(ordner.isValid());
    QVERIFY(QDir::setCurrent(ordner.path()));
    DeutscheUebersetzungLaden();

    TProjektdaten daten;
    daten.setzeText(Projektfeld::Objektbezeichnung, QStringLiteral("Haus Sonnenhang"));
    daten.setzeText(Projektfeld::Ergebnis, QStringLiteral("Lüftungstechnische Maßnahme ist notwendig !"));
    QVERIFY(ProjektdateiSchreiben(ordner.filePath("haus.lkz"), daten).gelungen());
    QVERIFY(ProjektdateiSchreiben(ordner.filePath("-strich.lkz"), daten).gelungen());
    // A project renamed by mistake.
    QVERIFY(ProjektdateiSchreiben(ordner.filePath("projekt.pdf"), daten).gelungen());
    QVERIFY(ProjektdateiSchreiben(ordner.filePath("zwei\nZeilen.lkz"), daten).gelungen());
    QFile kurz(ordner.filePath("kurz.lkz"));
    QVERIFY(kurz.open(QIODevice::WriteOnly));
    kurz.write(QByteArray(100, '\0'));
    QVERIFY(QFile::link(ordner.filePath("schleife.lkz"), ordner.filePath("schleife.lkz")));
    // A name from an old archive: "ungültig.lkz" with a Latin-1 "ü".
    QFile haus(ordner.filePath("haus.lkz"));
    QVERIFY(haus.open(QIODevice::ReadOnly));
    const QByteArray inhalt = haus.readAll();
    const int fd =
        ::open((QFile::encodeName(ordner.path()) + "/ung\xfcltig.lkz").constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, inhalt.constData(), std::size_t(inhalt.size())), ssize_t(inhalt.size()));
    ::close(fd);
}

void TestBefehlszeile::lesen_data()
{
    using A = Befehlszeile::Art;
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<A>("art");
    QTest::addColumn<QString>("pfad");  // relative to the working directory
    QTest::addColumn<QString>("text");  // a part of what is printed

    const QString haus = ordner.filePath("haus.lkz");
    QTest::newRow("ohne Argument") << QStringList{"luvanto"} << A::Starten << ""
                                   << "";
    QTest::newRow("absoluter Pfad") << QStringList{"luvanto", haus} << A::Starten << "haus.lkz"
                                    << "";
    QTest::newRow("relativer Pfad") << QStringList{"luvanto", "haus.lkz"} << A::Starten << "haus.lkz"
                                    << "";
    QTest::newRow("Pfad in Unterordner") << QStringList{"luvanto", "projekte/alt/haus.lkz"} << A::Starten
                                         << "projekte/alt/haus.lkz"
                                         << "";
    QTest::newRow("Pfad mit Minus nach --")
        << QStringList{"luvanto", "--", "-strich.lkz"} << A::Starten << "-strich.lkz"
        << "";
    QTest::newRow("zwei Pfade") << QStringList{"luvanto", "a.lkz", "b.lkz"} << A::Fehler << ""
                                << "luvanto: Es kann nur eine Projektdatei geöffnet werden.\n"
                                   "Aufruf: luvanto [PROJEKT.lkz]\n"
                                   "        luvanto --pruefen PFAD…\n"
                                   "        luvanto --pdf ZIEL.pdf PFAD…\n";
    QTest::newRow("leerer Pfad") << QStringList{"luvanto", ""} << A::Fehler << ""
                                 << "Der Name der Projektdatei ist leer.";
    QTest::newRow("unbekannte Option") << QStringList{"luvanto", "-x", "haus.lkz"} << A::Fehler << ""
                                       << "luvanto: Unbekannte Option 'x'.\nAufruf:";
    QTest::newRow("unbekannte lange Option")
        << QStringList{"/usr/bin/luvanto", "--drucken"} << A::Fehler << ""
        << "luvanto: Unbekannte Option 'drucken'.\nAufruf: luvanto [PROJEKT.lkz]\n"
           "        luvanto --pruefen PFAD…\n        luvanto --pdf ZIEL.pdf PFAD…\nMehr mit: luvanto --help\n";
    QTest::newRow("--pdf") << QStringList{"luvanto", "--pdf", "haus.PDF", "."} << A::SammelPdf << ""
                           << "";
    // "luvanto --pdf WE*.lkz": the first project would be overwritten.
    QTest::newRow("--pdf ohne Ziel") << QStringList{"luvanto", "--pdf", "haus.lkz", "kurz.lkz"} << A::Fehler << ""
                                     << "luvanto: Das Ziel „" + haus + "“ endet nicht auf .pdf.";
    QTest::newRow("--pdf Ziel ist Eingabe") << QStringList{"luvanto", "--pdf", "x.pdf", "./x.pdf"} << A::Fehler << ""
                                            << "ist zugleich eine der Projektdateien.";
    QTest::newRow("--pdf Ziel ist Projekt") << QStringList{"luvanto", "--pdf", "projekt.pdf", "."} << A::Fehler << ""
                                            << "ist eine vorhandene Projektdatei";
    QTest::newRow("Option von Qt") << QStringList{"luvanto", "-platform", "offscreen"} << A::Fehler << ""
                                   << "Unbekannte Option 'platform'.";
    QTest::newRow("Wert für Hilfe") << QStringList{"luvanto", "--help=ja"} << A::Fehler << ""
                                    << "Aufruf: luvanto";
    QTest::newRow("--help") << QStringList{"luvanto", "--help"} << A::Hilfe << ""
                            << "Zeigt Hilfe zu den Kommandozeilenoptionen an.";
    QTest::newRow("-h vor Pfad") << QStringList{"luvanto", "-h", "haus.lkz"} << A::Hilfe << ""
                                 << "Projektdatei, die beim Start geöffnet wird.";
    QTest::newRow("--help-all") << QStringList{"luvanto", "--help-all"} << A::Hilfe << ""
                                << "Optionen:";
    QTest::newRow("--version") << QStringList{"luvanto", "--version"} << A::Version << ""
                               << QStringLiteral("Luvanto Lüftungskonzept ") + Versionstext + "\n";
    QTest::newRow("-v nach Pfad") << QStringList{"luvanto", "haus.lkz", "-v"} << A::Version << "" << Versionstext;
}

void TestBefehlszeile::lesen()
{
    using A = Befehlszeile::Art;
    QFETCH(QStringList, argumente);
    QFETCH(Befehlszeile::Art, art);
    QFETCH(QString, pfad);
    QFETCH(QString, text);

    const Befehlszeile b = Befehlszeile::Lesen(argumente);
    QCOMPARE(b.art, art);
    QCOMPARE(b.pfad, pfad.isEmpty() ? QString() : ordner.filePath(pfad));
    QVERIFY2(b.text.contains(text), qPrintable(b.text));
    QCOMPARE(b.text.isEmpty(), b.Rueckgabewert() == 0 && art != A::Hilfe && art != A::Version);
    QCOMPARE(b.Rueckgabewert(), art == Befehlszeile::Art::Fehler ? 2 : 0);
}

void TestBefehlszeile::projektOeffnen_data()
{
    QTest::addColumn<QString>("argument");  // as main() reads it from the bytes of the command line
    QTest::addColumn<QString>("meldung");  // %1: the full path
    QTest::addColumn<QString>("objekt");  // Edit2 afterwards
    QTest::addColumn<QString>("projektname");  // relative to the working directory
    QTest::addColumn<bool>("arbeitsseite");

    const QString latin1 = NameAusBytes("ung\xfcltig.lkz");
    const QString nicht = QStringLiteral("Die Projektdatei „%1“ kann nicht geöffnet werden: ");
    QTest::newRow("Projekt") << "haus.lkz"
                             << ""
                             << "Haus Sonnenhang"
                             << "haus.lkz" << true;
    QTest::newRow("Name in Latin-1") << latin1 << ""
                                     << "Haus Sonnenhang" << latin1 << true;
    QTest::newRow("fehlende Datei") << "weg.lkz" << nicht + "Datei nicht gefunden."
                                    << ""
                                    << "" << false;
    QTest::newRow("zu kurze Datei") << "kurz.lkz" << nicht + "Versuch hinter dem Dateiende zu lesen."
                                    << ""
                                    << "kurz.lkz" << false;
    QTest::newRow("Zeilenumbruch im Namen") << "zwei\nZeilen.lkz"
                                            << ""
                                            << "Haus Sonnenhang"
                                            << "zwei\nZeilen.lkz" << true;
    QTest::newRow("Verweis auf sich selbst")
        << "schleife.lkz" << nicht + "Symbolische Verknüpfungen bilden eine Schleife."
        << ""
        << "" << false;
}

void TestBefehlszeile::projektOeffnen()
{
    QFETCH(QString, argument);
    QFETCH(QString, meldung);
    QFETCH(QString, objekt);
    QFETCH(QString, projektname);
    QFETCH(bool, arbeitsseite);

    const Befehlszeile b = Befehlszeile::Lesen({"luvanto", argument});
    QCOMPARE(b.art, Befehlszeile::Art::Starten);
    Programm programm;
    programm.Form1->show();
    const QString titel = programm.Form1->windowTitle();
    Fehlerbox box;
    programm.ProjektOeffnen(b.pfad);

    QCOMPARE(box.meldungen, meldung.isEmpty() ? QStringList() : QStringList{meldung.arg(b.pfad)});
    QCOMPARE(programm.Form1->Edit2->text(), objekt);
    QCOMPARE(programm.Projektname, projektname.isEmpty() ? QString() : ordner.filePath(projektname));
    QCOMPARE(programm.Form1->windowTitle(), arbeitsseite ? Fenstertitel(programm.Projektname) : titel);
    QCOMPARE(programm.Form1->Panel6->isHidden(), arbeitsseite);
    if (arbeitsseite) {
        QCOMPARE(programm.Form1->Label31->text(), QStringLiteral("Lüftungstechnische Maßnahme ist notwendig !"));
        QVERIFY(
            programm.Form1->windowTitle().endsWith(QDir::separator() + NameZumZeigen(argument).replace(u'\n', u'?')));
        QCOMPARE(programm.Form1->focusWidget(), programm.Form1->Edit2);
    }
}

QTEST_MAIN(TestBefehlszeile)
#include "tst_befehlszeile.moc"
