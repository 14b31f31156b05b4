#pragma once

// The units of the overview as a Qt table model: one row per file, the
// columns of the CSV table. The window sorts and filters it through a proxy.

#include "building/Einheit.h"

#include <QAbstractTableModel>

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
    void anhaengen(std::vector<Einheit> neue);
    // Replaces the row of the same path, or appends it.
    void ersetzen(Einheit einheit);
    void entfernen(const QString &pfad);

private:
    std::vector<Einheit> liste;
};
