#include "project/Projektbefehle.h"

#include "engine/Dezimaltext.h"
#include "fileio/Dateiname.h"
#include "windowkit/Fehleranzeige.h"
#include "mainwindow/Lueftung.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

using F = Projektfeld;

void Sichtbar(std::initializer_list<QWidget *> elemente, bool sichtbar)
{
    for (QWidget *element : elemente)
        element->setVisible(sichtbar);
}

int Ganzzahl(const QString &text)
{
    return TextZuGanzzahl(text.toStdString());
}

// The slot holds 40 characters, two of the categories are longer: a text
// that is exactly the start of one of them is taken as that category.
QString Kategorie(const TForm1 &form, const QString &gespeichert)
{
    if (gespeichert.size() < qsizetype(TProjektdaten::lage(F::VorgabeKategorie).kapazitaet))
        return gespeichert;
    for (int i = 0; i < form.ComboBox6->count(); ++i) {
        const QString kategorie = form.ComboBox6->itemText(i);
        if (kategorie.size() > gespeichert.size() && kategorie.startsWith(gespeichert))
            return kategorie;
    }
    return gespeichert;
}

} // namespace

QString Datumstext(QDate datum, const QLocale &gebietsschema)
{
    QString format = gebietsschema.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return gebietsschema.toString(datum, format);
}

QString Fenstertitel(const QString &Projektname)
{
    // A line break or another control character of a file name would break
    // the title bar's line: it shows as "?", as a file list shows it.
    QString name = NameZumZeigen(Projektname);
    for (QChar &z : name) {
        if (z.category() == QChar::Other_Control || z.category() == QChar::Separator_Line
            || z.category() == QChar::Separator_Paragraph)
            z = u'?';
    }
    return QStringLiteral("Luvanto Wohnungslüftung          Aktuelles Projekt:      ") + name;
}

void FeldlaengenBegrenzen(TForm1 &form)
{
    const std::pair<QLineEdit *, Projektfeld> felder[] = {
        {form.Edit2, F::Objektbezeichnung}, {form.Edit1, F::StrasseNr},  {form.Edit4, F::PlzOrt},
        {form.Edit7, F::Bearbeiter},        {form.Edit3, F::Firmenname}, {form.Edit9, F::Firmenadresse},
        {form.Edit6, F::FlaecheNE},         {form.Edit5, F::LuftvolumenNE}, {form.Edit11, F::Baujahr},
        {form.Edit8, F::MesswertN50},       {form.Edit10, F::DruckexponentN},
    };
    for (const auto &[feld, slot] : felder)
        feld->setMaxLength(int(TProjektdaten::lage(slot).kapazitaet));
}

void ProjektSichern(const TForm1 &form, TProjektdaten &daten)
{
    daten.setzeText(F::Objektbezeichnung, form.Edit2->text());
    daten.setzeText(F::StrasseNr, form.Edit1->text());
    daten.setzeText(F::PlzOrt, form.Edit4->text());
    daten.setzeText(F::Bearbeitungsdatum, Datumstext(form.datum->date()));
    daten.setzeText(F::Bearbeiter, form.Edit7->text());
    daten.setzeText(F::Firmenname, form.Edit3->text());
    daten.setzeText(F::Firmenadresse, form.Edit9->text());
    daten.setzeText(F::Gebaeudetyp, form.ComboBox1->text());
    daten.setzeText(F::Gebaeudelage, form.ComboBox2->text());
    daten.setzeText(F::FlaecheNE, form.Edit6->text());
    daten.setzeText(F::LuftvolumenNE, form.Edit5->text());
    daten.setzeText(F::Neubau, form.ComboBox7->text());
    daten.setzeText(F::Baujahr, form.Edit11->text());
    daten.setzeText(F::SanierungWSVO, form.ComboBox8->text());
    daten.setzeText(F::FensterloseRaeume, QString::number(form.RadioGroup1->itemIndex()));
    daten.setzeText(F::WeitereAnforderungen, QString::number(form.RadioGroup2->itemIndex()));
    daten.setzeText(F::AnforderungenSHE, QString::number(form.RadioGroup3->itemIndex()));
    daten.setzeText(F::MesswertVorhanden, form.ComboBox5->text());
    daten.setzeText(F::MesswertN50, form.Edit8->text());
    daten.setzeText(F::DruckexponentN, form.Edit10->text());
    daten.setzeText(F::VorgabeKategorie, form.ComboBox6->text());
    daten.setzeText(F::ErgebnisWS, form.Label26->text());
    daten.setzeText(F::ErgebnisFS, form.Label27->text());
    daten.setzeText(F::ErgebnisRL, form.Label38->text());
    daten.setzeText(F::ErgebnisNL, form.Label39->text());
    daten.setzeText(F::ErgebnisI, form.Label28->text());
    daten.setzeText(F::Ergebnis, form.Label31->text());
    daten.setzeText(F::Kommentar1, form.Label49->text());
    daten.setzeText(F::Kommentar2, form.Label63->text());
}

void ProjektLaden(TForm1 &form, const TProjektdaten &daten)
{
    form.Edit2->setText(daten.text(F::Objektbezeichnung));
    form.Edit1->setText(daten.text(F::StrasseNr));
    form.Edit4->setText(daten.text(F::PlzOrt));
    form.Edit7->setText(daten.text(F::Bearbeiter));
    form.Edit3->setText(daten.text(F::Firmenname));
    form.Edit9->setText(daten.text(F::Firmenadresse));
    form.ComboBox1->setText(daten.text(F::Gebaeudetyp));
    form.ComboBox2->setText(daten.text(F::Gebaeudelage));
    form.Edit6->setText(daten.text(F::FlaecheNE));
    form.Edit5->setText(daten.text(F::LuftvolumenNE));

    // Setting a combo box runs none of its handlers, so the rule of the
    // new-building answer is applied here.
    form.ComboBox7->setText(daten.text(F::Neubau));
    Sichtbar({form.Edit11, form.ComboBox8, form.Label21, form.Label29},
             form.ComboBox7->text() != QLatin1String("ja"));
    form.Edit11->setText(daten.text(F::Baujahr));
    form.ComboBox8->setText(daten.text(F::SanierungWSVO));

    // A group's click handler may reset the groups below it; the later
    // assignments put back what was stored.
    form.RadioGroup1->setItemIndex(Ganzzahl(daten.text(F::FensterloseRaeume)));
    form.RadioGroup2->setItemIndex(Ganzzahl(daten.text(F::WeitereAnforderungen)));
    form.RadioGroup3->setItemIndex(Ganzzahl(daten.text(F::AnforderungenSHE)));

    // The category goes in before n50 and the exponent: without a measured
    // value, the recalculations that these two fields run write the
    // category's default n50 into Edit8, which must be the stored one.
    form.ComboBox5->setText(daten.text(F::MesswertVorhanden));
    form.ComboBox6->setText(Kategorie(form, daten.text(F::VorgabeKategorie)));
    form.Edit8->setText(daten.text(F::MesswertN50));
    form.Edit10->setText(daten.text(F::DruckexponentN));

    // And the rule of the measured-value answer.
    const bool messwert = form.ComboBox5->text() == QLatin1String("ja");
    const QColor farbe = messwert ? form.normaleFeldfarbe() : TForm1::Feldgrau;
    form.setzeFeldfarbe(form.Edit8, farbe);
    form.setzeFeldfarbe(form.Edit10, farbe);
    Sichtbar({form.ComboBox6, form.Label19, form.Label62}, !messwert);

    form.Label26->setText(daten.text(F::ErgebnisWS));
    form.Label27->setText(daten.text(F::ErgebnisFS));
    form.Label38->setText(daten.text(F::ErgebnisRL));
    form.Label39->setText(daten.text(F::ErgebnisNL));
    form.Label28->setText(daten.text(F::ErgebnisI));

    form.Label31->setText(daten.text(F::Ergebnis));
    form.Label49->setText(daten.text(F::Kommentar1));
    form.Label63->setText(daten.text(F::Kommentar2));
    Sichtbar({form.Label31, form.Label49, form.Label63}, true);

    // Long texts are shown from their beginning.
    for (QLineEdit *feld : form.findChildren<QLineEdit *>())
        feld->setCursorPosition(0);
    form.UrteilVermerken(Rechenweg::Urteilsgeber::Projektdatei);
}

bool Speichern1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                     const Dateiwahl &wahl, const Dateiaufrufe &aufrufe, const QString &vorschlag)
{
    ProjektSichern(form, daten);
    QString angebot = Projektname.isEmpty() ? vorschlag : Projektname;
    std::optional<QString> pfad;
    while ((pfad = wahl.speichern(&form, angebot)) && !bindung.ohneFrage(*pfad) && !wahl.ersetzen(&form, *pfad))
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

QString Objektvorschlag(const QString &objekt, const QString &ordner)
{
    const QString endung = QStringLiteral(".lkz");
    const QString name = Namensteil(objekt, endung.size());
    return name.isEmpty() ? ordner : QDir(ordner).filePath(name + endung);
}

void NeueNutzungseinheit1Click(TForm1 &form, QString &Projektname, Dateibindung &bindung, QString &vorschlag)
{
    bindung.loesen();
    // Twice without saving, the first unsaved unit is replaced: its
    // proposal stays.
    if (!Projektname.isEmpty())
        vorschlag = NaechsterDateiname(Projektname);
    Projektname.clear();
    form.setWindowTitle(form.Starttitel());
    form.Button1->click();
    form.Edit6->setText(QString());
    if (form.ComboBox5->text() == QLatin1String("ja"))
        form.Edit8->setText(QString());
    form.Edit2->setFocus(Qt::OtherFocusReason);
    form.Edit2->selectAll();
}

QString NaechsterDateiname(const QString &pfad)
{
    if (pfad.isEmpty())
        return {};
    const QFileInfo info(pfad);
    const QString name = info.completeBaseName();
    const QString endung = info.suffix().isEmpty() ? QStringLiteral("lkz") : info.suffix();
    qsizetype ziffern = 0;
    while (ziffern < name.size() && name.at(name.size() - 1 - ziffern).isDigit())
        ++ziffern;
    const bool mitZahl = ziffern > 0 && ziffern < 10;
    const QString stamm = mitZahl ? name.left(name.size() - ziffern) : name + QLatin1Char(' ');
    qlonglong zahl = mitZahl ? name.right(ziffern).toLongLong() + 1 : 2;
    const QDir ordner = info.absoluteDir();
    QString kandidat;
    do {
        kandidat = ordner.filePath(stamm + QString::number(zahl++) + QLatin1Char('.') + endung);
    } while (QFileInfo::exists(kandidat));
    return kandidat;
}

bool ffnen1Click(TForm1 &form, TProjektdaten &daten, QString &Projektname, Dateibindung &bindung,
                 const Dateiwahl &wahl, const QString &ordner)
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
            FehlerAnzeigen(&form, dateiNennen ? QStringLiteral("Die Projektdatei „%1“ kann nicht geöffnet "
                                                               "werden: %2")
                                                    .arg(QDir::toNativeSeparators(NameZumZeigen(*pfad)),
                                                         ergebnis.meldung())
                                              : ergebnis.meldung());
            return false;
        }
        bindung.binden(*pfad);
    }
    form.setWindowTitle(Fenstertitel(Projektname));
    if (pfad)
        ProjektLaden(form, daten);
    form.Button1->click();
    return pfad.has_value();
}
