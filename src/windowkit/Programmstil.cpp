#include "windowkit/Programmstil.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>

#include <functional>
#include <utility>

namespace {

// An icon that asks for its pictures when it is first drawn or measured.
class SpaeterLaden : public QIconEngine {
public:
    explicit SpaeterLaden(std::function<QIcon()> laden)
        : laden(std::move(laden))
    {
    }

    void paint(QPainter *maler, const QRect &rechteck, QIcon::Mode modus, QIcon::State zustand) override
    {
        symbol().paint(maler, rechteck, Qt::AlignCenter, modus, zustand);
    }
    QPixmap pixmap(const QSize &groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return symbol().pixmap(groesse, modus, zustand);
    }
    QSize actualSize(const QSize &groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return symbol().actualSize(groesse, modus, zustand);
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override
    {
        return symbol().availableSizes(modus, zustand);
    }
    QIconEngine *clone() const override { return new SpaeterLaden(*this); }

private:
    const QIcon &symbol()
    {
        if (laden) {
            geladen = laden();
            laden = nullptr;
        }
        return geladen;
    }

    std::function<QIcon()> laden;
    QIcon geladen;
};

}  // namespace

Programmstil::Programmstil()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

QIcon Programmstil::standardIcon(StandardPixmap symbol, const QStyleOption *option, const QWidget *widget) const
{
    if (symbol != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(symbol, option, widget);
    return QIcon(new SpaeterLaden(
        [stil = QPointer<QStyle>(baseStyle()), symbol] { return stil ? stil->standardIcon(symbol) : QIcon(); }));
}
