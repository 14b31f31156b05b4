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
    case Qt::ToolTipRole:
        return Zelle(e, spalte);
    case Qt::UserRole:
        return e.pfad;
    case Qt::ForegroundRole:
        if (spalte == Spalte::Pruefung && (e.weichtAb() || !e.projekt()))
            return QBrush(QColor(0xb0, 0x00, 0x00));
        return {};
    case Qt::TextAlignmentRole:
        if (spalte == Spalte::Flaeche || spalte == Spalte::N50 || spalte == Spalte::QvFS || spalte == Spalte::QvInf)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
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
    endResetModel();
}

void Gebaeudetabelle::anhaengen(std::vector<Einheit> neue)
{
    if (neue.empty())
        return;
    beginInsertRows({}, int(liste.size()), int(liste.size() + neue.size()) - 1);
    std::move(neue.begin(), neue.end(), std::back_inserter(liste));
    endInsertRows();
}

void Gebaeudetabelle::ersetzen(Einheit einheit)
{
    const auto alt = std::find_if(liste.begin(), liste.end(), [&](const Einheit &e) { return e.pfad == einheit.pfad; });
    if (alt == liste.end()) {
        std::vector<Einheit> eine;
        eine.push_back(std::move(einheit));
        anhaengen(std::move(eine));
        return;
    }
    *alt = std::move(einheit);
    const int zeile = int(alt - liste.begin());
    emit dataChanged(index(zeile, 0), index(zeile, Spaltenzahl - 1));
}

void Gebaeudetabelle::entfernen(const QString &pfad)
{
    const auto alt = std::find_if(liste.begin(), liste.end(), [&](const Einheit &e) { return e.pfad == pfad; });
    if (alt == liste.end())
        return;
    const int zeile = int(alt - liste.begin());
    beginRemoveRows({}, zeile, zeile);
    liste.erase(alt);
    endRemoveRows();
}
