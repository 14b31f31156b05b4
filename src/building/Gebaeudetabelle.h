#pragma once

// The units of the overview as a Qt table model: one row per file in the
// order of the names, numbers in order ("WE 2" before "WE 10"), the
// columns of the CSV table. A unit read later is sorted in. The window
// sorts and filters it through a proxy.

#include "building/Einheit.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

class Gebaeudetabelle : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

    const std::vector<Einheit> &einheiten() const { return liste; }
    void leeren();
    // Each unit replaces the row of the same path, or goes in at its place.
    void einfuegen(std::vector<Einheit> einheiten);
    void entfernen(const QString &pfad);
    // Room for this many units: a unit is large, and moving all of them
    // when the list grows would hold up the window.
    void erwarten(int anzahl);

private:
    bool davor(const Einheit &a, const Einheit &b) const;

    std::vector<Einheit> liste;
    QHash<QString, std::size_t> zeilen;  // of each path
};
