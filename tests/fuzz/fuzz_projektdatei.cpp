// Any byte string as a project file: read into the record and loaded into a
// real main window (offscreen), which runs the question flow and the
// recalculations on whatever the slots hold, then saved back into a record.
#include "Fuzzdatei.h"

#include "engine/Rechenzustand.h"
#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"
#include "project/Projektdatei.h"

#include <QApplication>

namespace {

TForm1 *Fenster = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication anwendung(*argc, *argv);
    static Rechenzustand zustand;
    static TForm1 form(zustand);
    Fenster = &form;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t laenge)
{
    const QString pfad = FuzzdateiSchreiben(QStringLiteral("projekt.lkz"), daten, laenge);
    TProjektdaten record;
    const Dateiergebnis ergebnis = ProjektdateiLesen(pfad, record);
    if (ergebnis.gelungen() != (laenge >= TProjektdaten::Groesse))
        std::abort();
    if (!ergebnis.gelungen())
        return 0;
    Fenster->Neu1Click();
    ProjektLaden(Fenster->seite(), record);
    TProjektdaten gesichert;
    ProjektSichern(Fenster->seite(), gesichert);
    for (int i = 0; i < TProjektdaten::Feldanzahl; ++i) {
        const auto feld = static_cast<Projektfeld>(i);
        if (gesichert.bytes()[TProjektdaten::lage(feld).offset] > TProjektdaten::lage(feld).kapazitaet)
            std::abort();
    }
    return 0;
}
