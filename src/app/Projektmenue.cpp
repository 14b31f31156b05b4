#include "app/Projektmenue.h"

#include "building/Nachrechnung.h"
#include "engine/Antworttexte.h"
#include "fileio/Dateiname.h"
#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"
#include "windowkit/Fehleranzeige.h"

#include <QDir>
#include <QFileInfo>

void ProjektAnbinden(TForm1 &form, TProjektdaten &daten, Dateibindung &bindung)
{
    form.seite().projektdatenLeeren = [&daten, &bindung] {
        daten.Leeren();
        bindung.loesen();
    };
    for (const auto &[feld, laenge] : Feldlaengen())
        form.setzeFeldlaenge(feld, laenge);
}

bool Speichern1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                     const Dateiwahl &wahl, const Dateiaufrufe &aufrufe, const QString &vorschlag)
{
    ProjektSichern(form.seite(), daten);
    QString angebot = Projektname.isEmpty() ? vorschlag : Projektname;
    std::optional<QString> pfad;
    while ((pfad = wahl.speichern(&form, angebot)) && !bindung.ohneFrage(*pfad)
           && !wahl.ersetzen(&form, *pfad, bindung.fremdGeaendert(*pfad)))
        angebot = *pfad;
    bool geschrieben = false;
    if (pfad) {
        form.setWindowTitle(QFileInfo(NameZumZeigen(*pfad)).fileName());
        const Dateiergebnis ergebnis = ProjektdateiSchreiben(*pfad, daten, aufrufe);
        if (!ergebnis.gelungen()) {
            bindung.loesen();
            FehlerAnzeigen(&form, ergebnis.meldung());
            return false;
        }
        Projektname = *pfad;
        bindung.binden(*pfad);
        geschrieben = true;
    }
    form.setWindowTitle(Fenstertitel(Projektname));
    return geschrieben;
}

void NeueNutzungseinheit1Click(TForm1 &form, QString &Projektname, Dateibindung &bindung, QString &vorschlag)
{
    bindung.loesen();
    // Twice without saving, the first unsaved unit is replaced: its
    // proposal stays. The proposal is taken as the folder to save in and,
    // while the unit has no name of its own, as the name.
    if (!Projektname.isEmpty())
        vorschlag = NaechsterDateiname(Projektname);
    Projektname.clear();
    form.setWindowTitle(form.Starttitel());
    form.Button1->click();
    Speicherblatt &seite = form.seite();
    seite.setzeText(Steuerelement::Edit6, std::string());
    if (seite.text(Steuerelement::ComboBox5) == Antworttexte::Ja)
        seite.setzeText(Steuerelement::Edit8, std::string());
    form.Edit2->setFocus(Qt::OtherFocusReason);
    form.Edit2->selectAll();
}

bool ffnen1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung, const Dateiwahl &wahl,
                 const QString &ordner)
{
    return GewaehlteDateiOeffnen(form, daten, Projektname, bindung, wahl.oeffnen(&form, ordner));
}

bool GewaehlteDateiOeffnen(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                           const std::optional<QString> &pfad, bool dateiNennen)
{
    if (pfad) {
        const Dateiergebnis ergebnis = ProjektdateiLesen(*pfad, daten);
        // Once the file is open the path is the project's, even when
        // reading it fails.
        if (ergebnis.schritt() != Dateiergebnis::Schritt::Oeffnen) {
            Projektname = *pfad;
            bindung.loesen();
        }
        if (!ergebnis.gelungen()) {
            FehlerAnzeigen(&form,
                           dateiNennen ? QStringLiteral("Die Projektdatei „%1“ kann nicht geöffnet "
                                                        "werden: %2")
                                             .arg(QDir::toNativeSeparators(NameZumZeigen(*pfad)), ergebnis.meldung())
                                       : ergebnis.meldung());
            return false;
        }
        bindung.binden(*pfad);
    }
    form.setWindowTitle(Fenstertitel(Projektname));
    if (pfad) {
        ProjektLaden(form.seite(), daten);
        Nachrechnung nachrechnung;
        form.seite().hinweiseErsetzen(nachrechnung.hinweiseBeimOeffnen(daten));
        form.VomAnfangZeigen();
    }
    form.Button1->click();
    return pfad.has_value();
}
