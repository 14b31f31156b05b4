#include "app/Befehlszeile.h"
#include "app/Programm.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("luvanto"));
    // The installed menu entry, for desktops that match windows to it by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.luvanto.lueftungskonzept"));
    DeutscheUebersetzungLaden();

    const Befehlszeile befehlszeile = Befehlszeile::Lesen(QCoreApplication::arguments());
    if (befehlszeile.art != Befehlszeile::Art::Starten) {
        std::FILE *ziel = befehlszeile.art == Befehlszeile::Art::Fehler ? stderr : stdout;
        std::fputs(befehlszeile.text.toLocal8Bit().constData(), ziel);
        return befehlszeile.Rueckgabewert();
    }

    Programm programm;
    programm.Form1->show();
    if (!befehlszeile.pfad.isEmpty())
        programm.ProjektOeffnen(befehlszeile.pfad);
    return anwendung.exec();
}
