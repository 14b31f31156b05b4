#include "reference/Information.h"

#include "reference/Referenzfenster.h"
#include "windowkit/Programmschrift.h"

TForm3::TForm3(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    ReferenzfensterEinrichten(this);
    Memo1->setFont(Programmschrift(11, true));
    MemoFuellen(Memo1, QStringLiteral(":/texts/information.txt"));
    connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
}

void TForm3::Button3Click()
{
    hide();
}
