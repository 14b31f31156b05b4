// A building of many units: the command line's check of 10 000 project
// files (the real program, as a process: wall time and peak memory), the
// overview window loading them (first rows, all rows, the longest stall of
// its event loop), and the collective PDF of 100 units. Prints medians.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_gebaeude [Anzahl]
#include "building/Einheit.h"
#include "building/Gebaeudeuebersicht.h"
#include "building/Nachrechnung.h"
#include "building/Sammelpdf.h"
#include "logo/Logodatei.h"
#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"
#include "project/Projektdatei.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>

namespace {

using F = Projektfeld;

double Median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// Units of an existing block of flats, saved as the program saves them:
// areas, sites, years and measured values vary.
void GebaeudeAnlegen(const QString &ordner, int anzahl)
{
    Rechenzustand zustand;
    TForm1 form(zustand);
    form.Neu1Click();
    form.Edit1->setText(QStringLiteral("Lindenstraße 12"));
    form.RadioGroup1->setItemIndex(1);
    TProjektdaten vorlage;
    ProjektSichern(form.seite(), vorlage);
    Nachrechnung nachrechnung;
    for (int i = 0; i < anzahl; ++i) {
        TProjektdaten d = vorlage;
        d.setzeText(F::Objektbezeichnung, QStringLiteral("WE %1").arg(i + 1));
        d.setzeText(F::Gebaeudetyp, QStringLiteral("MFH als eingeschossige Nutzungseinheit"));
        d.setzeText(F::Gebaeudelage, i % 3 ? QStringLiteral("windschwach") : QStringLiteral("windstark"));
        d.setzeText(F::FlaecheNE, QString::number(35 + i % 90));
        d.setzeText(F::Neubau, QStringLiteral("nein"));
        d.setzeText(F::Baujahr, QString::number(1950 + i % 60));
        d.setzeText(F::SanierungWSVO, i % 2 ? QStringLiteral("ja") : QStringLiteral("nein"));
        d.setzeText(F::MesswertVorhanden, i % 4 ? QStringLiteral("ja") : QStringLiteral("nein"));
        d.setzeText(F::MesswertN50, QStringLiteral("%1,5").arg(1 + i % 5));
        d.setzeText(F::DruckexponentN, QStringLiteral("0,667"));
        const TProjektdaten fertig = nachrechnung.nachrechnen(d);
        ProjektdateiSchreiben(QStringLiteral("%1/WE %2.lkz").arg(ordner).arg(i + 1), fertig);
    }
}

void Befehlszeile(const QString &ordner)
{
    std::vector<double> zeiten;
    long spitze = 0;
    for (int lauf = 0; lauf < 5; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        QProcess programm;
        programm.setStandardOutputFile(QProcess::nullDevice());
        programm.start(QStringLiteral(LUVANTO_PROGRAMM), {QStringLiteral("--pruefen"), ordner});
        programm.waitForFinished(-1);
        zeiten.push_back(uhr.nsecsElapsed() / 1e9);
        rusage verbrauch{};
        getrusage(RUSAGE_CHILDREN, &verbrauch);
        spitze = std::max(spitze, verbrauch.ru_maxrss);
        if (programm.exitCode() != 0)
            std::printf("  (Code %d: nicht alle stimmen)\n", programm.exitCode());
    }
    std::printf("luvanto --pruefen: %.3f s (Median aus 5), Speicherspitze %.1f MB\n", Median(zeiten), spitze / 1024.0);
}

void Uebersicht(const QString &ordner)
{
    std::vector<double> erste, alle, stau;
    for (int lauf = 0; lauf < 3; ++lauf) {
        TGebaeudeuebersicht fenster;
        fenster.show();
        QElapsedTimer uhr, takt;
        double ersteZeilen = -1, laengsterStau = 0;
        QTimer puls;
        puls.setInterval(0);
        QObject::connect(&puls, &QTimer::timeout, [&] {
            laengsterStau = std::max(laengsterStau, takt.nsecsElapsed() / 1e6);
            takt.restart();
            if (ersteZeilen < 0 && fenster.Tabelle->model()->rowCount() > 0)
                ersteZeilen = uhr.nsecsElapsed() / 1e6;
        });
        uhr.start();
        takt.start();
        puls.start();
        fenster.OrdnerZeigen(ordner);
        while (fenster.liestNoch())
            QCoreApplication::processEvents();
        alle.push_back(uhr.nsecsElapsed() / 1e6);
        erste.push_back(ersteZeilen);
        stau.push_back(laengsterStau);
    }
    std::printf("Gebäudeübersicht: erste Zeilen nach %.0f ms, alle nach %.0f ms, längster Stau %.0f ms\n",
                Median(erste), Median(alle), *std::max_element(stau.begin(), stau.end()));
}

void SammelPdf(const QString &ordner, const QString &ziel)
{
    QStringList hundert = Projektdateien(ordner).mid(0, 100);
    const std::vector<Einheit> einheiten = EinheitenLesen(hundert);
    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 3; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        SammelPdfSchreiben(ziel, einheiten, LeeresLogo(), QDate(2026, 12, 8));
        zeiten.push_back(uhr.nsecsElapsed() / 1e9);
    }
    std::printf("Sammel-PDF von %d Nutzungseinheiten: %.3f s (Median aus 3)\n", int(einheiten.size()), Median(zeiten));
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    const int anzahl = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir ordner;
    GebaeudeAnlegen(ordner.path(), anzahl);
    std::printf("%d Projektdateien angelegt\n", anzahl);
    Befehlszeile(ordner.path());
    Uebersicht(ordner.path());
    SammelPdf(ordner.path(), ordner.filePath(QStringLiteral("haus.pdf")));
    return 0;
}
