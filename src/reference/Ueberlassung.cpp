#include "reference/Ueberlassung.h"

#include "reference/Referenzfenster.h"

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    ReferenzfensterEinrichten(this);
    MemoFuellen(Memo2, QStringLiteral(":/texts/ueberlassung.txt"));
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::Button1Click()
{
    hide();
}
