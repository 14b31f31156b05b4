#pragma once

#include <QGroupBox>
#include <QStringList>

#include <optional>

class QButtonGroup;
class QGridLayout;

// A captioned group of radio buttons with an index of the selected item,
// -1 for none.
//
// geklickt() is the group's click handler. It runs when the user selects a
// different item, and when code selects a different item with index 0 or
// more through setItemIndex(), at once, before setItemIndex() returns.
// Selecting -1 or the item that is already selected runs nothing; an index
// below -1 counts as -1, one beyond the last item as the last item. An
// index set while the group has no items yet is kept and selected, without
// a click, when the items come. Tab stops once in the group, on the
// selected item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    QStringList items() const { return eintraege; }
    void setItems(const QStringList &items);
    int columns() const { return spalten; }
    void setColumns(int columns);

    int itemIndex() const { return index; }
    void setItemIndex(int index);

signals:
    void geklickt();

protected:
    bool eventFilter(QObject *ziel, QEvent *ereignis) override;

private:
    void anordnen();
    void markieren();
    void vomBenutzer(int id);

    QStringList eintraege;
    int spalten = 1;
    int index = -1;
    std::optional<int> vorgemerkt;
    QButtonGroup *knoepfe;
    QGridLayout *raster;
};
