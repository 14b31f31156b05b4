#include "reference/Programminfo.h"

#include "reference/Referenzfenster.h"

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    ReferenzfensterEinrichten(this, QStringLiteral(":/images/symbol_info_64.png"));
    JpegZeigen(Image1, QStringLiteral(":/images/logo_morvendix_info.jpg"));
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::Button1Click()
{
    hide();
}
