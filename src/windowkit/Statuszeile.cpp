#include "windowkit/Statuszeile.h"

#include <QMainWindow>
#include <QStatusBar>

void StatusZeigen(QMainWindow &fenster, const QString &text, int dauer)
{
    const bool neu = !fenster.findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly);
    QStatusBar *leiste = fenster.statusBar();
    if (neu)
        QObject::connect(leiste, &QStatusBar::messageChanged, leiste,
                         [leiste](const QString &jetzt) { leiste->setVisible(!jetzt.isEmpty()); });
    leiste->showMessage(text, dauer);
    leiste->show();
}
