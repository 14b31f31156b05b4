#include "reference/Wind.h"

#include "engine/Antworttexte.h"
#include "reference/Kreissuche.h"
#include "reference/Referenzfenster.h"
#include "windowkit/Programmschrift.h"

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

}  // namespace

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
    connect(EditSuche, &QLineEdit::returnPressed, this, &TWindeinstufung::EditSucheReturnPressed);
    connect(ListeTreffer, &QListWidget::activated, this,
            [this](const QModelIndex &index) { ListeTrefferActivated(index.row()); });
    LabelAusgabe->setFont(Programmschrift(10));
}

namespace {

constexpr int Lage = Qt::UserRole;  // the class a row offers; none for other rows
constexpr int Frage = Qt::UserRole + 1;  // what the offer says of the district

void Hinzufuegen(QListWidget *liste, const QString &text, const QString &lage = {}, const QString &frage = {})
{
    auto *zeile = new QListWidgetItem(text, liste);
    if (lage.isEmpty()) {
        zeile->setFlags(Qt::ItemIsEnabled);
        return;
    }
    zeile->setData(Lage, lage);
    zeile->setData(Frage, frage);
}

}  // namespace

// Listed districts first, then today's districts with the former ones they
// were formed from.
void TWindeinstufung::EditSucheChange()
{
    const bool suchen = !EditSuche->text().trimmed().isEmpty();
    ListeTreffer->clear();
    if (suchen) {
        const Suchergebnis treffer = Kreissuche(EditSuche->text());
        const QString stark = QString::fromUtf8(Antworttexte::Windstark);
        const QString schwach = QString::fromUtf8(Antworttexte::Windschwach);
        for (const Kreis &k : treffer.kreise)
            Hinzufuegen(
                ListeTreffer, k.name + QStringLiteral(" – ") + k.sitz, stark,
                QStringLiteral("„%1“ (Sitz %2) steht in der Liste der windstarken Kreise.").arg(k.name, k.sitz));
        for (const Kreisreform &r : treffer.reformen) {
            Hinzufuegen(ListeTreffer, QStringLiteral("%1 (seit %2), gebildet aus:").arg(r.name).arg(r.jahr));
            for (const Vorgaenger &v : r.vorgaenger) {
                const QString teil = v.teil.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(v.teil);
                if (v.windstark)
                    Hinzufuegen(ListeTreffer, QStringLiteral("    %1 – %2%3: windstark").arg(v.name, v.sitz, teil),
                                stark,
                                QStringLiteral("„%1“ (Sitz %2), heute Teil von „%3“, steht in der Liste der "
                                               "windstarken Kreise.")
                                    .arg(v.name, v.sitz, r.name));
                else
                    Hinzufuegen(ListeTreffer,
                                QStringLiteral("    %1%2: windschwach (nicht in der Liste)").arg(v.name, teil), schwach,
                                QStringLiteral("„%1“, heute Teil von „%2“, steht nicht in der Liste: ein nicht "
                                               "genannter Kreis ist windschwach.")
                                    .arg(v.name, r.name));
            }
        }
        if (treffer.leer())
            Hinzufuegen(ListeTreffer,
                        QStringLiteral("„%1“ wurde nicht gefunden. Ein Ort steht nur unter seinem Landkreis: schlagen "
                                       "Sie nach, zu welchem Kreis die Gemeinde gehört, und suchen Sie nach ihm.")
                            .arg(EditSuche->text().trimmed()));
        for (int i = 0; i < ListeTreffer->count(); ++i) {
            if (ListeTreffer->item(i)->data(Lage).isValid()) {
                ListeTreffer->setCurrentRow(i);
                break;
            }
        }
    }
    ListeTreffer->setVisible(suchen);
    for (QTextEdit *spalte : {Memo_Spalte1, Memo_Spalte2, Memo_Spalte3, Memo1})
        spalte->setVisible(!suchen);
}

// Enter in the search field takes the only district there is.
void TWindeinstufung::EditSucheReturnPressed()
{
    int einzige = -1;
    for (int i = 0; i < ListeTreffer->count(); ++i) {
        if (!ListeTreffer->item(i)->data(Lage).isValid())
            continue;
        if (einzige >= 0)
            return;
        einzige = i;
    }
    if (einzige >= 0)
        ListeTrefferActivated(einzige);
}

void TWindeinstufung::ListeTrefferActivated(int zeile)
{
    const QListWidgetItem *eintrag = ListeTreffer->item(zeile);
    if (!eintrag || !eintrag->data(Lage).isValid())
        return;
    const QString lage = eintrag->data(Lage).toString();
    QMessageBox frage(QMessageBox::Question, windowTitle(), eintrag->data(Frage).toString(), QMessageBox::NoButton,
                      this);
    QPushButton *uebernehmen =
        frage.addButton(QStringLiteral("Gebäudelage „%1“ übernehmen").arg(lage), QMessageBox::AcceptRole);
    frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(uebernehmen);
    frage.exec();
    if (frage.clickedButton() == uebernehmen)
        emit lageGewaehlt(lage);
}

void TWindeinstufung::Button1Click()
{
    hide();
}
