#include "reference/Handbuch.h"

#include "reference/Referenzfenster.h"

#include <QUrl>

THandbuch::THandbuch(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    ReferenzfensterEinrichten(this);
    Browser->setSource(QUrl(QStringLiteral("qrc:/texts/handbuch.html")));
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
}
