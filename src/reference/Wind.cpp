#include "reference/Wind.h"

#include "windowkit/Programmschrift.h"
#include "reference/Kreissuche.h"
#include "reference/Referenzfenster.h"

#include <QMessageBox>
#include <QPushButton>

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
    connect(EditSuche, &QLineEdit::textChanged, this, &TWindeinstufung::EditSucheChange);
    connect(ListeTreffer, &QListWidget::activated, this,
            [this](const QModelIndex &index) { ListeTrefferActivated(index.row()); });
    LabelAusgabe->setFont(Programmschrift(10));
}

void TWindeinstufung::EditSucheChange()
{
    const bool suchen = !EditSuche->text().trimmed().isEmpty();
    ListeTreffer->clear();
    if (suchen) {
        const std::vector<Kreis> treffer = Kreissuche(EditSuche->text());
        for (const Kreis &k : treffer)
            ListeTreffer->addItem(k.name + QStringLiteral(" – ") + k.sitz);
        if (treffer.empty())
            ListeTreffer->addItem(QStringLiteral("Kein Kreis der Liste passt: ein nicht genannter Ort ist windschwach."));
        else
            ListeTreffer->setCurrentRow(0);
    }
    ListeTreffer->setVisible(suchen);
    for (QTextEdit *spalte : {Memo_Spalte1, Memo_Spalte2, Memo_Spalte3, Memo1})
        spalte->setVisible(!suchen);
}

void TWindeinstufung::ListeTrefferActivated(int zeile)
{
    const std::vector<Kreis> treffer = Kreissuche(EditSuche->text());
    if (zeile < 0 || std::size_t(zeile) >= treffer.size())
        return;
    const Kreis &k = treffer[std::size_t(zeile)];
    QMessageBox frage(QMessageBox::Question, windowTitle(),
                      QStringLiteral("„%1“ (Sitz %2) steht in der Liste der windstarken Kreise.").arg(k.name, k.sitz),
                      QMessageBox::NoButton, this);
    QPushButton *uebernehmen =
        frage.addButton(QStringLiteral("Gebäudelage „windstark“ übernehmen"), QMessageBox::AcceptRole);
    frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(uebernehmen);
    frage.exec();
    if (frage.clickedButton() == uebernehmen)
        emit lageGewaehlt(QStringLiteral("windstark"));
}

void TWindeinstufung::Button1Click()
{
    hide();
}
