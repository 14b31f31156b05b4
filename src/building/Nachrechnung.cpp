#include "building/Nachrechnung.h"

#include "engine/Dezimaltext.h"
#include "engine/Pruefhinweise.h"
#include "engine/Speicherblatt.h"
#include "mainwindow/Lueftung.h"
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

QList<QLabel *> Ergebnislabels(const TForm1 &form)
{
    return {form.Label26, form.Label27, form.Label28, form.Label38, form.Label39,
            form.Label40, form.Label31, form.Label49, form.Label63};
}

// The slots that the recalculation and the question flow write.
struct Rechenslot {
    F feld;
    S element;
};
const Rechenslot Rechenslots[] = {
    {F::MesswertN50, S::Edit8},      {F::DruckexponentN, S::Edit10}, {F::VorgabeKategorie, S::ComboBox6},
    {F::ErgebnisWS, S::Label26},     {F::ErgebnisFS, S::Label27},    {F::ErgebnisRL, S::Label38},
    {F::ErgebnisNL, S::Label39},     {F::ErgebnisI, S::Label28},     {F::Ergebnis, S::Label31},
    {F::Kommentar1, S::Label49},     {F::Kommentar2, S::Label63},
};

struct Ergebnisfeld {
    F feld;
    const char *name;
};

const Ergebnisfeld Ergebnisfelder[] = {
    {F::ErgebnisWS, "Wärmeschutz"}, {F::ErgebnisFS, "q_v,FS"},    {F::ErgebnisRL, "q_v,RL"},
    {F::ErgebnisNL, "q_v,NL"},      {F::ErgebnisI, "q_v,Inf"},    {F::Ergebnis, "Urteil"},
    {F::Kommentar1, "Kommentar 1"}, {F::Kommentar2, "Kommentar 2"},
};

} // namespace

Nachrechnung::Nachrechnung()
    : form(std::make_unique<TForm1>(fensterzustand))
    , anfang(Speicherblatt::StandVon(*form))
{
    for (const QLabel *label : Ergebnislabels(*form))
        anfangstexte.append(label->text());
}

Nachrechnung::~Nachrechnung() = default;

TProjektdaten Nachrechnung::nachrechnen(const TProjektdaten &d)
{
    TProjektdaten ergebnis = eingeben(d, false);
    // The verdict of increased requirements depends on when they were
    // ticked: their handler writes it after a recalculation, and a later
    // recalculation keeps it only while there is infiltration. A unit whose
    // requirement was ticked last is entered that way too; the results of
    // the page's order stand unless those of that way are the stored ones.
    if (d.text(F::AnforderungenSHE) != QLatin1String("0") && Pruefung(d, ergebnis) != QLatin1String("stimmt")) {
        const QString ersteUrteil = urteilText;
        const QStringList ersteHinweise = hinweisTexte;
        TProjektdaten zuletzt = eingeben(d, true);
        if (Pruefung(d, zuletzt) == QLatin1String("stimmt"))
            return zuletzt;
        urteilText = ersteUrteil;
        hinweisTexte = ersteHinweise;
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
    Speicherblatt blatt(zustand, anfang);
    blatt.ablauf().FelderZuruecksetzen();
    blatt.ablauf().AnzeigeZuruecksetzen();

    const auto klicken = [&](S gruppe, F feld) {
        blatt.setzeRadioIndex(gruppe, TextZuGanzzahl(Text(d, feld)));
    };
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
            blatt.waehlen(S::ComboBox6, Text(d, F::VorgabeKategorie));
    }
    if (blatt.sichtbar(S::Panel11) && anforderungZuletzt)
        klicken(S::RadioGroup3, F::AnforderungenSHE);

    TProjektdaten ergebnis = d;
    for (const Rechenslot &r : Rechenslots)
        ergebnis.setzeText(r.feld, QString::fromStdString(blatt.text(r.element)));
    urteilText = blatt.sichtbar(S::Label31) ? QString::fromStdString(blatt.text(S::Label31)) : QString();
    hinweisTexte.clear();
    for (const Pruefhinweis &h : Pruefhinweise(weg, blatt, QDate::currentDate().year()))
        hinweisTexte.append(QString::fromStdString(h.text));
    return ergebnis;
}

QString Nachrechnung::urteil() const
{
    return urteilText;
}

Berichtswerte Nachrechnung::geoeffnet(const TProjektdaten &gespeichert)
{
    // The window as freshly started, then "Öffnen".
    fensterzustand = Rechenzustand{};
    const QList<QLabel *> labels = Ergebnislabels(*form);
    for (qsizetype i = 0; i < labels.size(); ++i)
        labels[i]->setText(anfangstexte[i]);
    form->Zuruecksetzen();
    ProjektLaden(*form, gespeichert);
    return BerichtswerteLesen(*form);
}

QString Pruefung(const TProjektdaten &gespeichert, const TProjektdaten &nachgerechnet)
{
    QStringList abweichungen;
    for (const Ergebnisfeld &e : Ergebnisfelder) {
        const QString alt = gespeichert.text(e.feld);
        const QString neu = nachgerechnet.text(e.feld);
        if (alt != neu)
            abweichungen.append(QStringLiteral("%1 gespeichert %2, nachgerechnet %3")
                                    .arg(QString::fromUtf8(e.name), alt.isEmpty() ? QStringLiteral("(leer)") : alt,
                                         neu.isEmpty() ? QStringLiteral("(leer)") : neu));
    }
    if (abweichungen.isEmpty())
        return QStringLiteral("stimmt");
    return QStringLiteral("weicht ab: ") + abweichungen.join(QStringLiteral("; "));
}
