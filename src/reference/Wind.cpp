#include "reference/Wind.h"

#include "windowkit/Programmschrift.h"
#include "reference/Referenzfenster.h"

#include <QTextBlockFormat>
#include <QTextCursor>

namespace {

// The longest column has 52 lines in a field 657 pixels high: at the
// 13 pixels a line of a plain text field the last lines would sit below the
// edge, and the scroll bar would narrow the field until long entries wrap.
// Hence rich-text fields (kept to plain text) with 12 pixels a line, which
// keep every column whole on the screen.
void Zeilenabstand(QTextEdit *memo, int pixel)
{
    QTextBlockFormat format;
    format.setLineHeight(pixel, QTextBlockFormat::FixedHeight);
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

} // namespace

TWindeinstufung::TWindeinstufung(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    ReferenzfensterEinrichten(this);
    Label1->setFont(Programmschrift(19, true));
    MemoFuellen(Memo_Spalte1, QStringLiteral(":/texts/wind1.txt"));
    MemoFuellen(Memo_Spalte2, QStringLiteral(":/texts/wind2.txt"));
    MemoFuellen(Memo_Spalte3, QStringLiteral(":/texts/wind3.txt"));
    MemoFuellen(Memo1, QStringLiteral(":/texts/wind4.txt"));
    for (QTextEdit *spalte : {Memo_Spalte1, Memo_Spalte2, Memo_Spalte3, Memo1})
        Zeilenabstand(spalte, 12);
    connect(Button1, &QPushButton::clicked, this, &TWindeinstufung::Button1Click);
}

void TWindeinstufung::Button1Click()
{
    hide();
}
