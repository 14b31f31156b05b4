#include "windowkit/Bildschirmplatz.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

QMargins Fensterrahmen(const QWidget *fenster)
{
    if (const QWindow *griff = fenster->windowHandle()) {
        const QMargins rahmen = griff->frameMargins();
        if (!rahmen.isNull())
            return rahmen;
    }
    return QMargins(4, 30, 4, 4);
}

QRect Kundenplatz(const QWidget *fenster)
{
    return fenster->screen()->availableGeometry().marginsRemoved(Fensterrahmen(fenster));
}

QRect Eingepasst(QRect rechteck, const QRect &platz)
{
    rechteck.setSize(rechteck.size().boundedTo(platz.size()));
    rechteck.moveLeft(std::clamp(rechteck.left(), platz.left(), platz.right() + 1 - rechteck.width()));
    rechteck.moveTop(std::clamp(rechteck.top(), platz.top(), platz.bottom() + 1 - rechteck.height()));
    return rechteck;
}
