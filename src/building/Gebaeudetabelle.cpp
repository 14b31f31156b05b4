#include "building/Gebaeudetabelle.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

int Gebaeudetabelle::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : int(liste.size());
}

int Gebaeudetabelle::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : Spaltenzahl;
}

QVariant Gebaeudetabelle::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= int(liste.size()))
        return {};
    const Einheit &e = liste[std::size_t(index.row())];
    const auto spalte = Spalte(index.column());
    switch (rolle) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return Zelle(e, spalte);
    case Qt::UserRole: return e.pfad;
    case Qt::ForegroundRole:
        if (spalte == Spalte::Pruefung && (e.weichtAb() || !e.projekt()))
            return QBrush(QColor(0xb0, 0x00, 0x00));
        return {};
    case Qt::TextAlignmentRole:
        if (Zahlenspalte(spalte))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant Gebaeudetabelle::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole)
        return Spaltennamen().value(abschnitt);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

void Gebaeudetabelle::leeren()
{
    beginResetModel();
    liste.clear();
    zeilen.clear();
    endResetModel();
}

bool Gebaeudetabelle::davor(const Einheit &a, const Einheit &b) const
{
    const QString x = Sortierschluessel(a.datei), y = Sortierschluessel(b.datei);
    return x != y ? x < y : a.datei < b.datei;
}

void Gebaeudetabelle::einfuegen(std::vector<Einheit> einheiten)
{
    // Read in the folder's order, most units belong at the end: they go in
    // as one block; any other goes to its place.
    std::vector<Einheit> hinten;
    const auto anhaengen = [&] {
        if (hinten.empty())
            return;
        beginInsertRows({}, int(liste.size()), int(liste.size() + hinten.size()) - 1);
        for (Einheit &e : hinten) {
            zeilen.insert(e.pfad, liste.size());
            liste.push_back(std::move(e));
        }
        endInsertRows();
        hinten.clear();
    };
    for (Einheit &e : einheiten) {
        if (const auto alt = zeilen.constFind(e.pfad); alt != zeilen.constEnd()) {
            const int zeile = int(*alt);
            liste[*alt] = std::move(e);
            emit dataChanged(index(zeile, 0), index(zeile, Spaltenzahl - 1));
            continue;
        }
        const Einheit *letzte = !hinten.empty() ? &hinten.back() : liste.empty() ? nullptr : &liste.back();
        if (!letzte || davor(*letzte, e)) {
            hinten.push_back(std::move(e));
            continue;
        }
        anhaengen();
        const auto ort = std::upper_bound(liste.begin(), liste.end(), e,
                                          [this](const Einheit &x, const Einheit &y) { return davor(x, y); });
        const int zeile = int(ort - liste.begin());
        beginInsertRows({}, zeile, zeile);
        liste.insert(ort, std::move(e));
        for (std::size_t i = std::size_t(zeile); i < liste.size(); ++i)
            zeilen.insert(liste[i].pfad, i);
        endInsertRows();
    }
    anhaengen();
}

void Gebaeudetabelle::erwarten(int anzahl)
{
    liste.reserve(std::size_t(std::max(anzahl, 0)));
    zeilen.reserve(anzahl);
}

void Gebaeudetabelle::entfernen(const QString &pfad)
{
    const auto alt = zeilen.constFind(pfad);
    if (alt == zeilen.constEnd())
        return;
    const std::size_t zeile = *alt;
    beginRemoveRows({}, int(zeile), int(zeile));
    liste.erase(liste.begin() + std::ptrdiff_t(zeile));
    zeilen.remove(pfad);
    for (std::size_t i = zeile; i < liste.size(); ++i)
        zeilen.insert(liste[i].pfad, i);
    endRemoveRows();
}
