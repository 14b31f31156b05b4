#include "app/Befehlszeile.h"
#include "app/Einstellungsort.h"
#include "app/Konsole.h"
#include "app/Programm.h"
#include "app/Signalende.h"
#include "building/Gebaeudebefehle.h"
#include "windowkit/Programmstil.h"
#include "windowkit/Tooltipumbruch.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// While the window system is reached, Qt's messages are held back: where it
// cannot be reached, Qt would print English warnings and abort; the program
// ends with one German message and code 1 instead.
QStringList zurueckgehalten;

void Anlaufmeldung(QtMsgType art, const QMessageLogContext &ort, const QString &text)
{
    if (art == QtFatalMsg) {
        std::fputs("luvanto: Keine grafische Oberfläche erreichbar. Das Programm braucht eine "
                   "Anzeige (DISPLAY oder WAYLAND_DISPLAY).\n",
                   stderr);
        std::_Exit(1);
    }
    zurueckgehalten << qFormatLogMessage(art, ort, text);
}

std::unique_ptr<QApplication> Oberflaeche(int &argc, char **argv)
{
    const QtMessageHandler vorher = qInstallMessageHandler(Anlaufmeldung);
    auto anwendung = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(vorher);
    for (const QString &meldung : std::as_const(zurueckgehalten))
        std::fprintf(stderr, "%s\n", qUtf8Printable(meldung));
    return anwendung;
}

}  // namespace

int main(int argc, char *argv[])
{
    // The command line is read before the window system is reached: help,
    // version and wrong calls are answered without a display, and Qt gets
    // nothing but the program's name to read. Arguments are taken as the
    // system holds them (app/Konsole.h).
    KonsoleEinrichten();
    EinstellungsortWaehlen();
    Befehlszeile befehlszeile;
    if (argc > 1) {
        // Qt's help names the program by the name it was started with.
        char name[] = "luvanto";
        char *nurName[] = {name, nullptr};
        int eins = 1;
        QCoreApplication lesen(eins, nurName);
        DeutscheUebersetzungLaden();
        befehlszeile = Befehlszeile::Lesen(Befehlszeilenargumente(argc, argv));
    }
    if (befehlszeile.art == Befehlszeile::Art::Hilfe || befehlszeile.art == Befehlszeile::Art::Version
        || befehlszeile.art == Befehlszeile::Art::Fehler) {
        std::FILE *ziel = befehlszeile.art == Befehlszeile::Art::Fehler ? stderr : stdout;
        std::fputs(Konsolentext(befehlszeile.text).constData(), ziel);
        return befehlszeile.Rueckgabewert();
    }

    int nurName = 1;
    if (befehlszeile.art == Befehlszeile::Art::Pruefen) {
        // The check recomputes on pages in memory: no window system at all.
        QCoreApplication anwendung(nurName, argv);
        DeutscheUebersetzungLaden();
        return PruefenAusgeben(befehlszeile.pfade, stdout);
    }
    if (befehlszeile.art == Befehlszeile::Art::SammelPdf) {
        // Painting needs fonts and pictures, but no display.
        qputenv("QT_QPA_PLATFORM", PlattformOhneFenster());
        QGuiApplication anwendung(nurName, argv);
        DeutscheUebersetzungLaden();
        return SammelPdfAusgeben(befehlszeile.pfade, befehlszeile.ziel);
    }
    const std::unique_ptr<QApplication> anwendung = Oberflaeche(nurName, argv);
    QApplication::setStyle(new Programmstil);
    EinstellungenEinrichten();
    Tooltipumbruch::Einrichten();
    // The installed menu entry, for desktops that match windows to it by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.luvanto.lueftungskonzept"));
    DeutscheUebersetzungLaden();

    // Ended by the system, the program still writes what is unsaved.
    Signalende signalende;
    Programm programm;
    programm.Form1->show();
    // Opened from within the event loop, so that a signal that comes while
    // an error about the file is shown still ends the program.
    if (!befehlszeile.pfad.isEmpty())
        QTimer::singleShot(0, programm.Form1.get(), [&] { programm.ProjektOeffnen(befehlszeile.pfad); });
    return QApplication::exec();
}
