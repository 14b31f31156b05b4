#pragma once

#include <QComboBox>

// An editable combo box whose text may be any typed text, not only one of
// its items. geaendert() is its change handler: it runs on the user's choice
// from the list and on every keystroke in its field, never when code sets
// the text. The typed text is taken exactly as typed: no completion, no
// items added. A text set from code or chosen from the list is shown from
// its beginning.
class Kombifeld : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit Kombifeld(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text);
    // Chooses the item with this text as the user would from the list, so
    // that the change handler runs; nothing when there is no such item.
    void waehlen(const QString &text);

signals:
    void geaendert();
    // Code has set another text: no handler runs, but whoever keeps the
    // text elsewhere learns of it.
    void textGesetzt();
};
