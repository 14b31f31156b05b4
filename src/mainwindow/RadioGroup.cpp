#include "mainwindow/RadioGroup.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

RadioGroup::RadioGroup(QWidget *parent)
    : QGroupBox(parent)
    , knoepfe(new QButtonGroup(this))
    , raster(new QGridLayout(this))
{
    raster->setContentsMargins(5, 0, 1, 0);
    raster->setVerticalSpacing(0);
    connect(knoepfe, &QButtonGroup::idClicked, this, &RadioGroup::vomBenutzer);
}

void RadioGroup::setItems(const QStringList &items)
{
    for (QAbstractButton *knopf : knoepfe->buttons())
        delete knopf;
    eintraege = items;
    for (int i = 0; i < eintraege.size(); ++i) {
        auto *knopf = new QRadioButton(eintraege[i], this);
        knopf->setObjectName(objectName() + QStringLiteral("_") + QString::number(i));
        knopf->installEventFilter(this);
        knoepfe->addButton(knopf, i);
    }
    // An index given before the items (as generated form code does) is
    // taken now, without running the click handler.
    index = std::clamp(vorgemerkt.value_or(index), -1, int(eintraege.size()) - 1);
    vorgemerkt.reset();
    anordnen();
    markieren();
}

void RadioGroup::setColumns(int columns)
{
    spalten = std::max(columns, 1);
    anordnen();
}

void RadioGroup::anordnen()
{
    const int zeilen = (int(eintraege.size()) + spalten - 1) / spalten;
    for (QAbstractButton *knopf : knoepfe->buttons()) {
        const int i = knoepfe->id(knopf);
        raster->addWidget(knopf, i % std::max(zeilen, 1), i / std::max(zeilen, 1));
    }
}

void RadioGroup::markieren()
{
    // An exclusive group cannot show "nothing selected"; lift exclusivity
    // for the moment it takes to clear the marks.
    knoepfe->setExclusive(false);
    for (QAbstractButton *knopf : knoepfe->buttons())
        knopf->setChecked(knoepfe->id(knopf) == index);
    knoepfe->setExclusive(true);
}

void RadioGroup::setItemIndex(int neu)
{
    if (eintraege.isEmpty()) {
        vorgemerkt = neu;
        return;
    }
    neu = std::clamp(neu, -1, int(eintraege.size()) - 1);
    if (neu == index)
        return;
    index = neu;
    markieren();
    if (index >= 0)
        emit geklickt();
}

void RadioGroup::vomBenutzer(int id)
{
    if (id == index)
        return;
    index = id;
    emit geklickt();
}

bool RadioGroup::eventFilter(QObject *ziel, QEvent *ereignis)
{
    // Tab stops once in the group, on the selected item where there is one.
    if (ereignis->type() == QEvent::FocusIn) {
        const Qt::FocusReason grund = static_cast<QFocusEvent *>(ereignis)->reason();
        QAbstractButton *gewaehlt = knoepfe->checkedButton();
        if ((grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason) && gewaehlt && gewaehlt != ziel)
            gewaehlt->setFocus(grund);
    }
    return QGroupBox::eventFilter(ziel, ereignis);
}
