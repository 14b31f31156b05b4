#include "windowkit/Erstesbild.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

Erstesbild::Erstesbild(QWidget &f)
    : QObject(&f)
    , fenster(f)
{
    fenster.installEventFilter(this);
}

void Erstesbild::danach(QWidget &fenster, const QObject *empfaenger, std::function<void()> aufgabe)
{
    auto *wache = fenster.findChild<Erstesbild *>(QString(), Qt::FindDirectChildrenOnly);
    if (!wache)
        wache = new Erstesbild(fenster);
    wache->aufgaben.push_back({empfaenger, std::move(aufgabe)});
    if (wache->gemalt)
        QTimer::singleShot(0, wache, &Erstesbild::ausfuehren);
}

// The widget is shown before its native window is; that window's first
// exposure paints the widget and hands the frame to the window system
// before the event loop turns again.
bool Erstesbild::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == &fenster && ereignis->type() == QEvent::Show && fenster.windowHandle())
        fenster.windowHandle()->installEventFilter(this);
    else if (objekt == fenster.windowHandle() && ereignis->type() == QEvent::Expose && !gemalt
             && fenster.windowHandle()->isExposed()) {
        gemalt = true;
        fenster.removeEventFilter(this);
        objekt->removeEventFilter(this);
        QTimer::singleShot(0, this, &Erstesbild::ausfuehren);
    }
    return false;
}

void Erstesbild::ausfuehren()
{
    // A task may give further ones.
    while (!aufgaben.empty()) {
        const Aufgabe aufgabe = std::move(aufgaben.front());
        aufgaben.erase(aufgaben.begin());
        if (aufgabe.empfaenger)
            aufgabe.tun();
    }
}
