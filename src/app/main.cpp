#include "app/Befehlszeile.h"
#include "app/Programm.h"
#include "building/Gebaeudebefehle.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is read before the window system is reached: help,
    // version and wrong calls are answered without a display, and Qt gets
    // nothing but the program's name to read.
    Befehlszeile befehlszeile;
    if (argc > 1) {
        QCoreApplication lesen(argc, argv);
        DeutscheUebersetzungLaden();
        befehlszeile = Befehlszeile::Lesen(QCoreApplication::arguments());
    }
    if (befehlszeile.art == Befehlszeile::Art::Hilfe || befehlszeile.art == Befehlszeile::Art::Version
        || befehlszeile.art == Befehlszeile::Art::Fehler) {
        std::FILE *ziel = befehlszeile.art == Befehlszeile::Art::Fehler ? stderr : stdout;
        std::fputs(befehlszeile.text.toLocal8Bit().constData(), ziel);
        return befehlszeile.Rueckgabewert();
    }

    int nurName = 1;
    if (befehlszeile.art == Befehlszeile::Art::Pruefen || befehlszeile.art == Befehlszeile::Art::SammelPdf) {
        // No window is shown: the hidden main window that recomputes the
        // units needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication anwendung(nurName, argv);
        DeutscheUebersetzungLaden();
        if (befehlszeile.art == Befehlszeile::Art::Pruefen)
            return PruefenAusgeben(befehlszeile.pfade, stdout);
        return SammelPdfAusgeben(befehlszeile.pfade, befehlszeile.ziel);
    }
    QApplication anwendung(nurName, argv);
    QApplication::setApplicationName(QStringLiteral("luvanto"));
    // The installed menu entry, for desktops that match windows to it by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.luvanto.lueftungskonzept"));
    DeutscheUebersetzungLaden();

    Programm programm;
    programm.Form1->show();
    if (!befehlszeile.pfad.isEmpty())
        programm.ProjektOeffnen(befehlszeile.pfad);
    return anwendung.exec();
}
