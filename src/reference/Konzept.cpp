#include "reference/Konzept.h"

#include "reference/Referenzfenster.h"

TForm6::TForm6(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    ReferenzfensterEinrichten(this);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::showEvent(QShowEvent *event)
{
    if (!bildGeladen) {
        JpegZeigen(Image1, QStringLiteral(":/images/konzept_lueftungssysteme.jpg"));
        bildGeladen = true;
    }
    QWidget::showEvent(event);
}

void TForm6::Button1Click()
{
    hide();
}
