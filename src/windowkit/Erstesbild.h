#pragma once

// Work that the first frame of a window need not wait for: the scans, the
// settings and the windows that the start page does not show. A task given
// here runs from the event loop once the window has been shown and its
// first frame painted, so the user sees the window as soon as it can be
// drawn and the rest follows a moment later. Tasks run in the order given;
// a task given after the first frame runs from the event loop at once. A
// task whose receiver is gone by then is dropped.

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

class Erstesbild : public QObject {
    Q_OBJECT

public:
    static void danach(QWidget &fenster, const QObject *empfaenger, std::function<void()> aufgabe);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    explicit Erstesbild(QWidget &fenster);
    void ausfuehren();

    QWidget &fenster;
    struct Aufgabe {
        QPointer<const QObject> empfaenger;
        std::function<void()> tun;
    };
    std::vector<Aufgabe> aufgaben;
    bool gemalt = false;
};
