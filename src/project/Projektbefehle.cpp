#include "project/Projektbefehle.h"

#include "engine/Antworttexte.h"
#include "engine/Dezimaltext.h"
#include "fileio/Dateiname.h"

#include <QDir>
#include <QFileInfo>

namespace {

using F = Projektfeld;
using S = Steuerelement;

std::string Text(const TProjektdaten &daten, F feld)
{
    return daten.text(feld).toStdString();
}

QString Text(const Speicherblatt &seite, S element)
{
    return QString::fromStdString(seite.text(element));
}

}  // namespace

QString GespeicherteKategorie(const QString &gespeichert)
{
    if (gespeichert.size() < qsizetype(TProjektdaten::lage(F::VorgabeKategorie).kapazitaet))
        return gespeichert;
    for (const char *k : Antworttexte::Kategorien) {
        const QString kategorie = QString::fromUtf8(k);
        if (kategorie.size() > gespeichert.size() && kategorie.startsWith(gespeichert))
            return kategorie;
    }
    return gespeichert;
}

namespace {

QString Datumsformat(const QLocale &gebietsschema)
{
    QString format = gebietsschema.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

}  // namespace

QString Datumstext(QDate datum, const QLocale &gebietsschema)
{
    return gebietsschema.toString(datum, Datumsformat(gebietsschema));
}

QString Fenstertitel(const QString &Projektname)
{
    // The path as the system writes it (backslashes on Windows). A line
    // break or another control character of a file name would break the
    // title bar's line: it shows as "?", as a file list shows it.
    QString name = QDir::toNativeSeparators(NameZumZeigen(Projektname));
    for (QChar &z : name) {
        if (z.category() == QChar::Other_Control || z.category() == QChar::Separator_Line
            || z.category() == QChar::Separator_Paragraph)
            z = u'?';
    }
    return QStringLiteral("Luvanto Wohnungslüftung          Aktuelles Projekt:      ") + name;
}

std::vector<std::pair<Steuerelement, int>> Feldlaengen()
{
    const std::pair<S, F> felder[] = {
        {S::Edit2, F::Objektbezeichnung}, {S::Edit1, F::StrasseNr},       {S::Edit4, F::PlzOrt},
        {S::Edit7, F::Bearbeiter},        {S::Edit3, F::Firmenname},      {S::Edit9, F::Firmenadresse},
        {S::Edit6, F::FlaecheNE},         {S::Edit5, F::LuftvolumenNE},   {S::Edit11, F::Baujahr},
        {S::Edit8, F::MesswertN50},       {S::Edit10, F::DruckexponentN},
    };
    std::vector<std::pair<Steuerelement, int>> laengen;
    for (const auto &[element, slot] : felder)
        laengen.emplace_back(element, int(TProjektdaten::lage(slot).kapazitaet));
    return laengen;
}

void ProjektSichern(const Speicherblatt &seite, TProjektdaten &daten)
{
    const QDate datum = QDate::fromString(Text(seite, S::datum), Qt::ISODate);
    daten.setzeText(F::Objektbezeichnung, Text(seite, S::Edit2));
    daten.setzeText(F::StrasseNr, Text(seite, S::Edit1));
    daten.setzeText(F::PlzOrt, Text(seite, S::Edit4));
    daten.setzeText(F::Bearbeitungsdatum, Datumstext(datum));
    daten.setzeText(F::Bearbeiter, Text(seite, S::Edit7));
    daten.setzeText(F::Firmenname, Text(seite, S::Edit3));
    daten.setzeText(F::Firmenadresse, Text(seite, S::Edit9));
    daten.setzeText(F::Gebaeudetyp, Text(seite, S::ComboBox1));
    daten.setzeText(F::Gebaeudelage, Text(seite, S::ComboBox2));
    daten.setzeText(F::FlaecheNE, Text(seite, S::Edit6));
    daten.setzeText(F::LuftvolumenNE, Text(seite, S::Edit5));
    daten.setzeText(F::Neubau, Text(seite, S::ComboBox7));
    daten.setzeText(F::Baujahr, Text(seite, S::Edit11));
    daten.setzeText(F::SanierungWSVO, Text(seite, S::ComboBox8));
    daten.setzeText(F::FensterloseRaeume, QString::number(seite.radioIndex(S::RadioGroup1)));
    daten.setzeText(F::WeitereAnforderungen, QString::number(seite.radioIndex(S::RadioGroup2)));
    daten.setzeText(F::AnforderungenSHE, QString::number(seite.radioIndex(S::RadioGroup3)));
    daten.setzeText(F::MesswertVorhanden, Text(seite, S::ComboBox5));
    daten.setzeText(F::MesswertN50, Text(seite, S::Edit8));
    daten.setzeText(F::DruckexponentN, Text(seite, S::Edit10));
    daten.setzeText(F::VorgabeKategorie, Text(seite, S::ComboBox6));
    daten.setzeText(F::ErgebnisWS, Text(seite, S::Label26));
    daten.setzeText(F::ErgebnisFS, Text(seite, S::Label27));
    daten.setzeText(F::ErgebnisRL, Text(seite, S::Label38));
    daten.setzeText(F::ErgebnisNL, Text(seite, S::Label39));
    daten.setzeText(F::ErgebnisI, Text(seite, S::Label28));
    daten.setzeText(F::Ergebnis, Text(seite, S::Label31));
    daten.setzeText(F::Kommentar1, Text(seite, S::Label49));
    daten.setzeText(F::Kommentar2, Text(seite, S::Label63));
}

void ProjektLaden(Speicherblatt &seite, const TProjektdaten &daten, bool datumLesen, Rechenweg::Urteilsgeber geber)
{
    const auto setzen = [&](S element, F feld) { seite.setzeText(element, Text(daten, feld)); };
    setzen(S::Edit2, F::Objektbezeichnung);
    setzen(S::Edit1, F::StrasseNr);
    setzen(S::Edit4, F::PlzOrt);
    setzen(S::Edit7, F::Bearbeiter);
    setzen(S::Edit3, F::Firmenname);
    setzen(S::Edit9, F::Firmenadresse);
    if (datumLesen) {
        const QLocale gebietsschema = QLocale::system();
        const QDate datum = gebietsschema.toDate(daten.text(F::Bearbeitungsdatum), Datumsformat(gebietsschema));
        if (datum.isValid())
            seite.setzeText(S::datum, datum.toString(Qt::ISODate).toStdString());
    }
    setzen(S::ComboBox1, F::Gebaeudetyp);
    setzen(S::ComboBox2, F::Gebaeudelage);
    setzen(S::Edit6, F::FlaecheNE);
    setzen(S::Edit5, F::LuftvolumenNE);

    // Setting a combo box runs none of its handlers, so the rule of the
    // new-building answer is applied here.
    setzen(S::ComboBox7, F::Neubau);
    for (S element : {S::Edit11, S::ComboBox8, S::Label21, S::Label29})
        seite.setzeSichtbar(element, seite.text(S::ComboBox7) != Antworttexte::Ja);
    setzen(S::Edit11, F::Baujahr);
    setzen(S::ComboBox8, F::SanierungWSVO);

    // A group's click handler may reset the groups below it; the later
    // assignments put back what was stored.
    seite.setzeRadioIndex(S::RadioGroup1, TextZuGanzzahl(Text(daten, F::FensterloseRaeume)));
    seite.setzeRadioIndex(S::RadioGroup2, TextZuGanzzahl(Text(daten, F::WeitereAnforderungen)));
    seite.setzeRadioIndex(S::RadioGroup3, TextZuGanzzahl(Text(daten, F::AnforderungenSHE)));

    // The category goes in before n50 and the exponent: without a measured
    // value, the recalculations that these two fields run write the
    // category's default n50 into Edit8, which must be the stored one.
    setzen(S::ComboBox5, F::MesswertVorhanden);
    seite.setzeText(S::ComboBox6, GespeicherteKategorie(daten.text(F::VorgabeKategorie)).toStdString());
    setzen(S::Edit8, F::MesswertN50);
    setzen(S::Edit10, F::DruckexponentN);

    // And the rule of the measured-value answer.
    const bool messwert = seite.text(S::ComboBox5) == Antworttexte::Ja;
    seite.setzeGrau(!messwert);
    for (S element : {S::ComboBox6, S::Label19, S::Label62})
        seite.setzeSichtbar(element, !messwert);

    setzen(S::Label26, F::ErgebnisWS);
    setzen(S::Label27, F::ErgebnisFS);
    setzen(S::Label38, F::ErgebnisRL);
    setzen(S::Label39, F::ErgebnisNL);
    setzen(S::Label28, F::ErgebnisI);

    setzen(S::Label31, F::Ergebnis);
    setzen(S::Label49, F::Kommentar1);
    setzen(S::Label63, F::Kommentar2);
    for (S urteil : {S::Label31, S::Label49, S::Label63})
        seite.setzeSichtbar(urteil, true);
    seite.urteilVermerken(geber);
}

QString Objektvorschlag(const QString &objekt, const QString &ordner)
{
    const QString endung = QStringLiteral(".lkz");
    const QString name = Namensteil(objekt, endung.size());
    return name.isEmpty() ? ordner : QDir(ordner).filePath(name + endung);
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
