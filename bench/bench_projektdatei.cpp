// Saving and opening one project, the file dialogs answered at once: the
// whole menu commands (window to record to file, file to record to window
// with the recalculations that loading runs), and the file steps alone.
#include "app/Projektmenue.h"
#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

class BenchProjektdatei : public QObject {
    Q_OBJECT

private slots:
    void init();
    void speichern();
    void oeffnen();
    void dateiSchreiben();
    void dateiLesen();

private:
    Dateiwahl antwort() const
    {
        const QString ziel = pfad;
        return {[ziel](QWidget *, const QString &) { return std::optional<QString>(ziel); },
                [ziel](QWidget *, const QString &) { return std::optional<QString>(ziel); },
                [](QWidget *, const QString &, bool) { return true; }};
    }

    QTemporaryDir ordner;
    QString pfad = ordner.filePath("projekt.lkz");
    Rechenzustand zustand;
    std::unique_ptr<TForm1> form;
    TProjektdaten daten;
    QString Projektname;
    Dateibindung bindung;
};

void BenchProjektdatei::init()
{
    form = std::make_unique<TForm1>(zustand);
    form->Edit2->setText("Wohnanlage Süd, Haus 3");
    form->RadioGroup1->setItemIndex(1);
    form->ComboBox7->setText("nein");
    form->Edit11->setText("1980");
    form->ComboBox5->setText("nein");
    emit form->ComboBox5->geaendert();
    form->Edit6->setText("120");
    Speichern1Click(*form, daten, Projektname, bindung, antwort());
    QCOMPARE(Projektname, pfad);
}

void BenchProjektdatei::speichern()
{
    const Dateiwahl wahl = antwort();
    QBENCHMARK
    {
        Speichern1Click(*form, daten, Projektname, bindung, wahl);
    }
    QCOMPARE(QFileInfo(pfad).size(), 1109);
}

// Each run opens the other of two projects that differ in every input, so
// that every setter changes something and runs its handlers.
void BenchProjektdatei::oeffnen()
{
    const QString anderer = ordner.filePath("anderes.lkz");
    {
        Rechenzustand z;
        TForm1 f(z);
        f.Edit2->setText("Einfamilienhaus");
        f.RadioGroup1->setItemIndex(0);
        f.RadioGroup2->setItemIndex(0);
        f.Edit6->setText("95,5");
        f.Edit8->setText("2,5");
        f.Edit10->setText("0,7");
        TProjektdaten d;
        QString name;
        Dateibindung b;
        Speichern1Click(f, d, name, b,
                        {[anderer](QWidget *, const QString &) { return std::optional(anderer); }, {}, {}});
        QCOMPARE(name, anderer);
    }
    auto naechster = std::make_shared<bool>(false);
    const QString erster = pfad;
    const Dateiwahl wahl{{},
                         [=](QWidget *, const QString &) {
                             *naechster = !*naechster;
                             return std::optional(*naechster ? anderer : erster);
                         },
                         {}};
    Rechenzustand neuerZustand;
    TForm1 neu(neuerZustand);
    QBENCHMARK
    {
        ffnen1Click(neu, daten, Projektname, bindung, wahl);
    }
    QVERIFY(neu.Edit6->text() == "120" || neu.Edit6->text() == "95,5");
}

void BenchProjektdatei::dateiSchreiben()
{
    QBENCHMARK
    {
        QVERIFY(ProjektdateiSchreiben(pfad, daten).gelungen());
    }
}

void BenchProjektdatei::dateiLesen()
{
    TProjektdaten gelesen;
    QBENCHMARK
    {
        QVERIFY(ProjektdateiLesen(pfad, gelesen).gelungen());
    }
    QCOMPARE(gelesen.bytes(), daten.bytes());
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    BenchProjektdatei bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_projektdatei.moc"
