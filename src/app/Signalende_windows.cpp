#include "app/Signalende.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>

Signalende::Signalende(QObject *parent)
    : QObject(parent)
{
    // Asked to commit its data, the program leaves its event loop at once;
    // the system waits for it to end while its window answers no more, and
    // everything after the loop (the recovery copy) runs before that.
    // Nothing is asked of the user: the session ends without a question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [](QSessionManager &sitzung) {
        sitzung.release();
        QCoreApplication::exit(0);
    });
}

Signalende::~Signalende() = default;
