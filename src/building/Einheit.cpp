#include "building/Einheit.h"

#include "building/Nachrechnung.h"
#include "engine/Urteilstexte.h"
#include "project/Projektdatei.h"

#include <QCollator>
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

} // namespace

bool Einheit::mitMassnahme() const
{
    if (!projekt())
        return false;
    return urteil == QString::fromUtf8(Urteilstexte::MassnahmeErforderlich)
        || urteil == QString::fromUtf8(Urteilstexte::ErhoehteAnforderungen)
        || urteil == QString::fromUtf8(Urteilstexte::AusreichendZeile1);
}

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
    einheit.urteil = nachrechnung.urteil();
    einheit.hinweise = nachrechnung.hinweise().join(QStringLiteral(" · "));
    einheit.pruefung = Pruefung(einheit.gespeichert, einheit.nachgerechnet);
    return einheit;
}

QStringList Projektdateien(const QString &ordner)
{
    QStringList namen = QDir(ordner).entryList({QStringLiteral("*.lkz")},
                                               QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    QCollator sortierung(QLocale(QLocale::German, QLocale::Germany));
    sortierung.setNumericMode(true);
    // Keys made once per name: comparing them is a fraction of comparing
    // the names each time.
    std::vector<std::pair<QCollatorSortKey, QString>> sortiert;
    sortiert.reserve(std::size_t(namen.size()));
    for (const QString &name : namen)
        sortiert.emplace_back(sortierung.sortKey(name), name);
    std::sort(sortiert.begin(), sortiert.end(), [](const auto &a, const auto &b) {
        const int c = a.first.compare(b.first);
        return c != 0 ? c < 0 : a.second < b.second;
    });
    QStringList pfade;
    pfade.reserve(namen.size());
    const QDir dir(ordner);
    for (const auto &[schluessel, name] : sortiert)
        pfade.append(dir.absoluteFilePath(name));
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
    const bool alleStimmen = std::all_of(einheiten.begin(), einheiten.end(),
                                         [](const Einheit &e) { return e.projekt() && !e.weichtAb(); });
    return alleStimmen ? 0 : 1;
}

QStringList Spaltennamen()
{
    return {QStringLiteral("Datei"),       QStringLiteral("Objektbezeichnung"), QStringLiteral("Gebäudetyp"),
            QStringLiteral("Gebäudelage"), QStringLiteral("Fläche m²"),         QStringLiteral("n50 1/h"),
            QStringLiteral("Wärmeschutz"), QStringLiteral("q_v,FS m³/h"),       QStringLiteral("q_v,Inf m³/h"),
            QStringLiteral("Urteil"),      QStringLiteral("Prüfung"),           QStringLiteral("Hinweise")};
}

QString Zelle(const Einheit &e, Spalte spalte)
{
    switch (spalte) {
    case Spalte::Datei: return e.datei;
    case Spalte::Pruefung: return e.pruefung;
    case Spalte::Hinweise: return e.hinweise;
    default: break;
    }
    if (!e.projekt())
        return {};
    const TProjektdaten &n = e.nachgerechnet;
    switch (spalte) {
    case Spalte::Objektbezeichnung: return n.text(F::Objektbezeichnung);
    case Spalte::Gebaeudetyp: return n.text(F::Gebaeudetyp);
    case Spalte::Gebaeudelage: return n.text(F::Gebaeudelage);
    case Spalte::Flaeche: return n.text(F::FlaecheNE);
    case Spalte::N50: return n.text(F::MesswertN50);
    case Spalte::Waermeschutz: return n.text(F::ErgebnisWS);
    case Spalte::QvFS: return n.text(F::ErgebnisFS);
    case Spalte::QvInf: return n.text(F::ErgebnisI);
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
