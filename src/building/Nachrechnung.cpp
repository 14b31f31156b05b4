#include "building/Nachrechnung.h"

#include "engine/Dezimaltext.h"
#include "engine/Speicherblatt.h"
#include "project/Projektbefehle.h"
#include "report/Drucken.h"

#include <QDate>

namespace {

using F = Projektfeld;
using S = Steuerelement;

std::string Text(const TProjektdaten &d, F feld)
{
    return d.text(feld).toStdString();
}

// The slots that the recalculation and the question flow write.
struct Rechenslot {
    F feld;
    S element;
};
const Rechenslot Rechenslots[] = {
    {F::MesswertN50, S::Edit8},  {F::DruckexponentN, S::Edit10}, {F::VorgabeKategorie, S::ComboBox6},
    {F::ErgebnisWS, S::Label26}, {F::ErgebnisFS, S::Label27},    {F::ErgebnisRL, S::Label38},
    {F::ErgebnisNL, S::Label39}, {F::ErgebnisI, S::Label28},     {F::Ergebnis, S::Label31},
    {F::Kommentar1, S::Label49}, {F::Kommentar2, S::Label63},
};

struct Ergebnisfeld {
    F feld;
    const char *name;
    const char *einheit;  // of a flow; none for texts
};

const Ergebnisfeld Ergebnisfelder[] = {
    {F::ErgebnisWS, "Wärmeschutz", nullptr}, {F::ErgebnisFS, "q_v,FS", "m³/h"},       {F::ErgebnisRL, "q_v,RL", "m³/h"},
    {F::ErgebnisNL, "q_v,NL", "m³/h"},       {F::ErgebnisI, "q_v,Inf", "m³/h"},       {F::Ergebnis, "Urteil", nullptr},
    {F::Kommentar1, "Kommentar 1", nullptr}, {F::Kommentar2, "Kommentar 2", nullptr},
};

bool Verglichen(const Ergebnisfeld &e, bool nurUrteil)
{
    return !nurUrteil || e.feld == F::Ergebnis || e.feld == F::Kommentar1 || e.feld == F::Kommentar2;
}

QString Leer(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("(leer)") : text;
}

}  // namespace

TProjektdaten Nachrechnung::nachrechnen(const TProjektdaten &d)
{
    TProjektdaten ergebnis = eingeben(d, false);
    // The verdict of increased requirements depends on when they were
    // ticked: their handler writes it after a recalculation, and a later
    // recalculation keeps it only while there is infiltration. A unit whose
    // requirement was ticked last is entered that way too; the results of
    // the page's order stand unless those of that way are the stored ones.
    if (d.text(F::AnforderungenSHE) != QLatin1String("0")
        && Pruefung(d, ergebnis, ohneBerechnung) != QLatin1String("stimmt")) {
        const bool ersteOhne = ohneBerechnung;
        std::vector<Pruefhinweis> ersteHinweise = hinweisListe;
        TProjektdaten zuletzt = eingeben(d, true);
        if (Pruefung(d, zuletzt, ohneBerechnung) == QLatin1String("stimmt"))
            return zuletzt;
        ohneBerechnung = ersteOhne;
        hinweisListe = std::move(ersteHinweise);
    }
    return ergebnis;
}

// A freshly started program, the start image's reset, then the unit typed,
// clicked and chosen as a user would, where the page shows each input.
TProjektdaten Nachrechnung::eingeben(const TProjektdaten &d, bool anforderungZuletzt)
{
    Rechenzustand zustand;
    Rechenweg weg;
    zustand.weg = &weg;
    Speicherblatt blatt(zustand);
    blatt.ablauf().FelderZuruecksetzen();
    blatt.ablauf().AnzeigeZuruecksetzen();

    const auto klicken = [&](S gruppe, F feld) { blatt.setzeRadioIndex(gruppe, TextZuGanzzahl(Text(d, feld))); };
    klicken(S::RadioGroup1, F::FensterloseRaeume);
    if (blatt.sichtbar(S::RadioGroup2))
        klicken(S::RadioGroup2, F::WeitereAnforderungen);
    if (blatt.sichtbar(S::Panel11) && !anforderungZuletzt)
        klicken(S::RadioGroup3, F::AnforderungenSHE);
    if (blatt.sichtbar(S::Panel2)) {
        blatt.waehlen(S::ComboBox1, Text(d, F::Gebaeudetyp));
        blatt.waehlen(S::ComboBox2, Text(d, F::Gebaeudelage));
        blatt.setzeText(S::Edit6, Text(d, F::FlaecheNE));
        blatt.waehlen(S::ComboBox7, Text(d, F::Neubau));
        if (blatt.sichtbar(S::Edit11))
            blatt.setzeText(S::Edit11, Text(d, F::Baujahr));
        if (blatt.sichtbar(S::ComboBox8))
            blatt.waehlen(S::ComboBox8, Text(d, F::SanierungWSVO));
        blatt.waehlen(S::ComboBox5, Text(d, F::MesswertVorhanden));
        blatt.setzeText(S::Edit8, Text(d, F::MesswertN50));
        blatt.setzeText(S::Edit10, Text(d, F::DruckexponentN));
        if (blatt.sichtbar(S::ComboBox6))
            blatt.waehlen(S::ComboBox6, GespeicherteKategorie(d.text(F::VorgabeKategorie)).toStdString());
    }
    if (blatt.sichtbar(S::Panel11) && anforderungZuletzt)
        klicken(S::RadioGroup3, F::AnforderungenSHE);

    TProjektdaten ergebnis = d;
    for (const Rechenslot &r : Rechenslots)
        ergebnis.setzeText(r.feld, QString::fromStdString(blatt.text(r.element)));
    ohneBerechnung = !blatt.sichtbar(S::Panel2);
    hinweisListe = Pruefhinweise(weg, blatt, QDate::currentDate().year());
    return ergebnis;
}

std::vector<Pruefhinweis> Nachrechnung::hinweiseBeimOeffnen(const TProjektdaten &gespeichert)
{
    const TProjektdaten nachgerechnet = nachrechnen(gespeichert);
    std::vector<Pruefhinweis> hinweise = Abweichungshinweise(gespeichert, nachgerechnet, ohneBerechnung);
    hinweise.insert(hinweise.end(), hinweisListe.begin(), hinweisListe.end());
    return hinweise;
}

// The page of a freshly started program, the start image's reset, then
// "Öffnen".
Berichtswerte Nachrechnung::geoeffnet(const TProjektdaten &gespeichert)
{
    Rechenzustand zustand;
    Rechenweg weg;
    zustand.weg = &weg;
    Speicherblatt seite(zustand);
    seite.Zuruecksetzen();
    ProjektLaden(seite, gespeichert);
    seite.hinweiseErsetzen(hinweiseBeimOeffnen(gespeichert));
    return BerichtswerteLesen(seite);
}

std::vector<Pruefhinweis> Abweichungshinweise(const TProjektdaten &gespeichert, const TProjektdaten &nachgerechnet,
                                              bool nurUrteil)
{
    std::vector<Pruefhinweis> hinweise;
    for (const Ergebnisfeld &e : Ergebnisfelder) {
        const QString alt = gespeichert.text(e.feld);
        const QString neu = nachgerechnet.text(e.feld);
        if (alt == neu || !Verglichen(e, nurUrteil))
            continue;
        const QString text = e.einheit
            ? QStringLiteral("%1: Gespeichert %2 %4, nachgerechnet %3 %4")
                  .arg(QString::fromUtf8(e.name), Leer(alt), Leer(neu), QString::fromUtf8(e.einheit))
            : QStringLiteral("%1: Gespeichert „%2“, nachgerechnet „%3“")
                  .arg(QString::fromUtf8(e.name), Leer(alt), Leer(neu));
        hinweise.push_back(
            {(text + QStringLiteral(". Angezeigt und gedruckt wird der gespeicherte Wert.")).toStdString(), {}});
    }
    return hinweise;
}

QString Pruefung(const TProjektdaten &gespeichert, const TProjektdaten &nachgerechnet, bool nurUrteil)
{
    QStringList abweichungen;
    for (const Ergebnisfeld &e : Ergebnisfelder) {
        const QString alt = gespeichert.text(e.feld);
        const QString neu = nachgerechnet.text(e.feld);
        if (alt != neu && Verglichen(e, nurUrteil))
            abweichungen.append(QStringLiteral("%1 gespeichert %2, nachgerechnet %3")
                                    .arg(QString::fromUtf8(e.name), Leer(alt), Leer(neu)));
    }
    if (abweichungen.isEmpty())
        return QStringLiteral("stimmt");
    return QStringLiteral("weicht ab: ") + abweichungen.join(QStringLiteral("; "));
}
