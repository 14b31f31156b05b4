#include "building/Nachrechnung.h"

#include "engine/Dezimaltext.h"
#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"
#include "report/Drucken.h"

namespace {

using F = Projektfeld;

bool Gezeigt(const QWidget *element)
{
    return !element->isHidden();
}

// A user's answer: a click on the item, which runs the group's handler
// where the selection changes.
void Klicken(RadioGroup *gruppe, const QString &index)
{
    gruppe->setItemIndex(TextZuGanzzahl(index.toStdString()));
}

// A user's typing: the field's change handler runs where the text changes.
void Tippen(QLineEdit *feld, const QString &text)
{
    feld->setText(text);
}

// A user's choice or typing in a combo box, which runs its change handler.
void Waehlen(Kombifeld *kombi, const QString &text)
{
    if (kombi->text() == text)
        return;
    kombi->setText(text);
    emit kombi->geaendert();
}

QList<QLabel *> Ergebnislabels(const TForm1 &form)
{
    return {form.Label26, form.Label27, form.Label28, form.Label38, form.Label39,
            form.Label40, form.Label31, form.Label49, form.Label63};
}

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
    : form(std::make_unique<TForm1>(zustand))
{
    for (const QLabel *label : Ergebnislabels(*form))
        anfangstexte.append(label->text());
}

Nachrechnung::~Nachrechnung() = default;

void Nachrechnung::Anfangen()
{
    // A freshly started program: engine values at zero, the result labels
    // as designed, then the start image's reset.
    zustand = Rechenzustand{};
    const QList<QLabel *> labels = Ergebnislabels(*form);
    for (qsizetype i = 0; i < labels.size(); ++i)
        labels[i]->setText(anfangstexte[i]);
    form->Zuruecksetzen();
}

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
        TProjektdaten zuletzt = eingeben(d, true);
        if (Pruefung(d, zuletzt) == QLatin1String("stimmt"))
            return zuletzt;
        urteilText = ersteUrteil;
    }
    return ergebnis;
}

TProjektdaten Nachrechnung::eingeben(const TProjektdaten &d, bool anforderungZuletzt)
{
    Anfangen();
    TForm1 &f = *form;
    Klicken(f.RadioGroup1, d.text(F::FensterloseRaeume));
    if (Gezeigt(f.RadioGroup2))
        Klicken(f.RadioGroup2, d.text(F::WeitereAnforderungen));
    if (Gezeigt(f.Panel11) && !anforderungZuletzt)
        Klicken(f.RadioGroup3, d.text(F::AnforderungenSHE));
    if (Gezeigt(f.Panel2)) {
        Waehlen(f.ComboBox1, d.text(F::Gebaeudetyp));
        Waehlen(f.ComboBox2, d.text(F::Gebaeudelage));
        Tippen(f.Edit6, d.text(F::FlaecheNE));
        Waehlen(f.ComboBox7, d.text(F::Neubau));
        if (Gezeigt(f.Edit11))
            Tippen(f.Edit11, d.text(F::Baujahr));
        if (Gezeigt(f.ComboBox8))
            Waehlen(f.ComboBox8, d.text(F::SanierungWSVO));
        Waehlen(f.ComboBox5, d.text(F::MesswertVorhanden));
        Tippen(f.Edit8, d.text(F::MesswertN50));
        Tippen(f.Edit10, d.text(F::DruckexponentN));
        if (Gezeigt(f.ComboBox6))
            Waehlen(f.ComboBox6, d.text(F::VorgabeKategorie));
    }
    if (Gezeigt(f.Panel11) && anforderungZuletzt)
        Klicken(f.RadioGroup3, d.text(F::AnforderungenSHE));
    TProjektdaten ergebnis = d;
    ProjektSichern(f, ergebnis);
    for (F feld : {F::Objektbezeichnung, F::StrasseNr, F::PlzOrt, F::Bearbeitungsdatum, F::Bearbeiter,
                   F::Firmenname, F::Firmenadresse, F::LuftvolumenNE})
        ergebnis.setzeText(feld, d.text(feld));
    urteilText = f.Label31->isHidden() ? QString() : f.Label31->text();
    return ergebnis;
}

QString Nachrechnung::urteil() const
{
    return urteilText;
}

Berichtswerte Nachrechnung::geoeffnet(const TProjektdaten &gespeichert)
{
    Anfangen();
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
