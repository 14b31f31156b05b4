#include "windowkit/Tooltipumbruch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

namespace {

// The tooltip Qt would show for the event, and the widget it belongs to.
QString Tooltip(QObject *objekt, const QHelpEvent &hilfe, QWidget *&widget)
{
    widget = qobject_cast<QWidget *>(objekt);
    if (!widget)
        return {};
    if (auto *ansicht = qobject_cast<QAbstractItemView *>(widget->parentWidget());
        ansicht && ansicht->viewport() == widget) {
        const QModelIndex index = ansicht->indexAt(hilfe.pos());
        return index.isValid() ? index.data(Qt::ToolTipRole).toString() : QString();
    }
    return widget->toolTip();
}

}  // namespace

void Tooltipumbruch::Einrichten()
{
    qApp->installEventFilter(new Tooltipumbruch(qApp));
}

QString Tooltipumbruch::Umbrechen(const QString &text, int zeichen)
{
    QStringList zeilen;
    for (const QString &absatz : text.split(QLatin1Char('\n'))) {
        QString zeile;
        for (const QString &wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!zeile.isEmpty() && zeile.size() + 1 + wort.size() > zeichen) {
                zeilen << zeile;
                zeile.clear();
            }
            zeile += (zeile.isEmpty() ? QString() : QStringLiteral(" ")) + wort;
        }
        zeilen << zeile;
    }
    return zeilen.join(QLatin1Char('\n'));
}

bool Tooltipumbruch::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::ToolTip)
        return false;
    const auto &hilfe = static_cast<const QHelpEvent &>(*ereignis);
    QWidget *widget = nullptr;
    const QString text = Tooltip(objekt, hilfe, widget);
    if (text.size() <= Zeichen || Qt::mightBeRichText(text))
        return false;
    QToolTip::showText(hilfe.globalPos(), Umbrechen(text), widget, {}, widget->toolTipDuration());
    return true;
}
