#include "building/Einheit.h"

#include "building/Nachrechnung.h"
#include "engine/Dezimaltext.h"
#include "engine/Urteilstexte.h"
#include "fileio/Dateiname.h"
#include "fileio/Ordnerliste.h"
#include "project/Projektdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace {

using F = Projektfeld;

QString Grund(const QString &pfad, const Dateiergebnis &ergebnis)
{
    if (ergebnis.art() == Dateiergebnis::Art::HinterDateiende)
        return QStringLiteral("falsche Länge (%1 Bytes statt %2)")
            .arg(QFileInfo(pfad).size())
            .arg(TProjektdaten::Groesse);
    const QFileInfo info(pfad);
    if (info.exists() && !info.isFile())
        return info.isDir() ? QStringLiteral("ein Ordner") : QStringLiteral("keine gewöhnliche Datei");
    return QStringLiteral("nicht lesbar (%1)").arg(ergebnis.meldung());
}

}  // namespace

Einheit EinheitLesen(const QString &pfad, Nachrechnung &nachrechnung)
{
    Einheit einheit;
    einheit.pfad = QFileInfo(pfad).absoluteFilePath();
    einheit.datei = QFileInfo(pfad).fileName();
    const Dateiergebnis ergebnis = ProjektdateiLesen(pfad, einheit.gespeichert);
    if (!ergebnis.gelungen()) {
        einheit.fehler = Grund(pfad, ergebnis);
        einheit.pruefung = QStringLiteral("keine Projektdatei: ") + einheit.fehler;
        return einheit;
    }
    einheit.nachgerechnet = nachrechnung.nachrechnen(einheit.gespeichert);
    einheit.mitBerechnung = !nachrechnung.nurUrteil();
    einheit.urteil = einheit.gespeichert.text(F::Ergebnis);
    QStringList hinweise;
    for (const Pruefhinweis &h : nachrechnung.hinweise())
        hinweise.append(QString::fromStdString(h.text));
    einheit.hinweise = hinweise.join(QStringLiteral(" · "));
    einheit.pruefung = Pruefung(einheit.gespeichert, einheit.nachgerechnet, nachrechnung.nurUrteil());
    const auto zahl = [&](Spalte spalte) { return TextZuZahl(Zelle(einheit, spalte).toStdString()); };
    einheit.flaeche = zahl(Spalte::Flaeche);
    einheit.qvRL = zahl(Spalte::QvRL);
    einheit.qvNL = zahl(Spalte::QvNL);
    einheit.massnahme = einheit.urteil == QString::fromUtf8(Urteilstexte::MassnahmeErforderlich)
        || einheit.urteil == QString::fromUtf8(Urteilstexte::ErhoehteAnforderungen)
        || einheit.urteil == QString::fromUtf8(Urteilstexte::AusreichendZeile1);
    return einheit;
}

QString Sortierschluessel(const QString &name)
{
    const QString zerlegt = NameZumZeigen(name).normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString schluessel;
    schluessel.reserve(zerlegt.size() + 20);
    for (qsizetype i = 0; i < zerlegt.size();) {
        const QChar c = zerlegt.at(i);
        if (c.isDigit()) {
            qsizetype ende = i;
            while (ende < zerlegt.size() && zerlegt.at(ende).isDigit())
                ++ende;
            qsizetype anfang = i;
            while (anfang + 1 < ende && zerlegt.at(anfang) == QLatin1Char('0'))
                ++anfang;
            // Longer numbers after shorter ones, equal lengths digit by digit.
            schluessel += QString(std::max<qsizetype>(0, 20 - (ende - anfang)), QLatin1Char('0'));
            schluessel += QStringView(zerlegt).mid(anfang, ende - anfang);
            i = ende;
            continue;
        }
        if (c.category() != QChar::Mark_NonSpacing)
            schluessel += c;
        ++i;
    }
    return schluessel;
}

QStringList Projektdateien(const QString &ordner)
{
    const QStringList namen = Ordnereintraege(ordner, QStringLiteral(".lkz"));
    std::vector<std::pair<QString, QString>> sortiert;
    sortiert.reserve(std::size_t(namen.size()));
    for (const QString &name : namen)
        sortiert.emplace_back(Sortierschluessel(name), name);
    std::sort(sortiert.begin(), sortiert.end());
    QStringList pfade;
    pfade.reserve(namen.size());
    const QString vorne = QFileInfo(ordner).absoluteFilePath() + QLatin1Char('/');
    for (const auto &[schluessel, name] : sortiert)
        pfade.append(vorne + name);
    return pfade;
}

QStringList DateienAusPfaden(const QStringList &pfade)
{
    QStringList dateien;
    for (const QString &pfad : pfade) {
        if (QFileInfo(pfad).isDir())
            dateien += Projektdateien(pfad);
        else
            dateien.append(pfad);
    }
    return dateien;
}

std::vector<Einheit> EinheitenLesen(const QStringList &dateien)
{
    Nachrechnung nachrechnung;
    std::vector<Einheit> einheiten;
    einheiten.reserve(std::size_t(dateien.size()));
    for (const QString &datei : dateien)
        einheiten.push_back(EinheitLesen(datei, nachrechnung));
    return einheiten;
}

int Pruefcode(const std::vector<Einheit> &einheiten)
{
    const bool alleStimmen =
        std::all_of(einheiten.begin(), einheiten.end(), [](const Einheit &e) { return e.projekt() && !e.weichtAb(); });
    return alleStimmen ? 0 : 1;
}

QStringList Spaltennamen()
{
    return {QStringLiteral("Datei"),       QStringLiteral("Objektbezeichnung"), QStringLiteral("Gebäudetyp"),
            QStringLiteral("Gebäudelage"), QStringLiteral("Fläche m²"),         QStringLiteral("n50 1/h"),
            QStringLiteral("Wärmeschutz"), QStringLiteral("q_v,FS m³/h"),       QStringLiteral("q_v,Inf m³/h"),
            QStringLiteral("q_v,RL m³/h"), QStringLiteral("q_v,NL m³/h"),       QStringLiteral("Urteil"),
            QStringLiteral("Prüfung"),     QStringLiteral("Hinweise")};
}

bool Zahlenspalte(Spalte spalte)
{
    switch (spalte) {
    case Spalte::Flaeche:
    case Spalte::N50:
    case Spalte::QvFS:
    case Spalte::QvInf:
    case Spalte::QvRL:
    case Spalte::QvNL: return true;
    default: return false;
    }
}

QString Zelle(const Einheit &e, Spalte spalte)
{
    switch (spalte) {
    case Spalte::Datei: return NameZumZeigen(e.datei);
    case Spalte::Pruefung: return e.pruefung;
    case Spalte::Hinweise: return e.hinweise;
    default: break;
    }
    if (!e.projekt())
        return {};
    // As the opened unit shows it: the stored texts, results only where
    // its answers lead to a calculation; n50 as the page holds it after
    // opening, where a default category writes its value.
    const TProjektdaten &g = e.gespeichert;
    const auto ergebnis = [&](F feld) { return e.mitBerechnung ? g.text(feld) : QString(); };
    switch (spalte) {
    case Spalte::Objektbezeichnung: return g.text(F::Objektbezeichnung);
    case Spalte::Gebaeudetyp: return g.text(F::Gebaeudetyp);
    case Spalte::Gebaeudelage: return g.text(F::Gebaeudelage);
    case Spalte::Flaeche: return g.text(F::FlaecheNE);
    case Spalte::N50: return e.nachgerechnet.text(F::MesswertN50);
    case Spalte::Waermeschutz: return ergebnis(F::ErgebnisWS);
    case Spalte::QvFS: return ergebnis(F::ErgebnisFS);
    case Spalte::QvInf: return ergebnis(F::ErgebnisI);
    case Spalte::QvRL: return ergebnis(F::ErgebnisRL);
    case Spalte::QvNL: return ergebnis(F::ErgebnisNL);
    case Spalte::Urteil: return e.urteil;
    default: return {};
    }
}

QString Summenzeile(const std::vector<Einheit> &einheiten)
{
    qsizetype projekte = 0, massnahme = 0, abweichend = 0, fremd = 0;
    for (const Einheit &e : einheiten) {
        if (!e.projekt()) {
            ++fremd;
            continue;
        }
        ++projekte;
        massnahme += e.mitMassnahme();
        abweichend += e.weichtAb();
    }
    QString zeile = QStringLiteral("%1 %2 · %3 mit Maßnahme · %4 weich%5 ab")
                        .arg(projekte)
                        .arg(projekte == 1 ? QStringLiteral("Nutzungseinheit") : QStringLiteral("Nutzungseinheiten"))
                        .arg(massnahme)
                        .arg(abweichend)
                        .arg(abweichend == 1 ? QStringLiteral("t") : QStringLiteral("en"));
    if (fremd > 0)
        zeile += QStringLiteral(" · %1 keine Projektdatei").arg(fremd);
    return zeile;
}

QString Summen(const std::vector<Einheit> &einheiten)
{
    qsizetype projekte = 0;
    double flaeche = 0, rl = 0, nl = 0;
    for (const Einheit &e : einheiten) {
        if (!e.projekt())
            continue;
        ++projekte;
        flaeche += e.flaeche;
        rl += e.qvRL;
        nl += e.qvNL;
    }
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const auto text = [&](double wert) { return deutsch.toString(wert, 'f', 1); };
    return QStringLiteral("%1 %2 · Fläche %3 m² · Σ q_v,RL %4 m³/h · Σ q_v,NL %5 m³/h")
        .arg(projekte)
        .arg(projekte == 1 ? QStringLiteral("Nutzungseinheit") : QStringLiteral("Nutzungseinheiten"))
        .arg(text(flaeche), text(rl), text(nl));
}
