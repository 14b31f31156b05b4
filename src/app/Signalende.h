#pragma once

// Ends the program in an orderly way when the system asks it to, so that
// everything that runs on "Beenden" runs here too, the last unsaved input
// written to its recovery copy included: the event loop quits, an open
// dialog's too, as if cancelled.
//
// On POSIX systems (Signalende_posix.cpp) that is SIGTERM (shutdown, logout,
// kill), SIGINT (Strg+C in the terminal it was started from) and SIGHUP
// (that terminal closed): the handler only writes a byte to a socket pair
// that the event loop reads. While an object lives it owns these signals;
// its end gives them back to the system's defaults.
//
// On Windows (Signalende_windows.cpp) it is the end of the session, log-off
// or shutdown: Qt asks the program to commit its data (WM_QUERYENDSESSION),
// and the program quits before the system ends it (WM_ENDSESSION).
// CMake builds one of the two.

#include <QObject>

class Signalende : public QObject {
    Q_OBJECT
public:
    explicit Signalende(QObject *parent = nullptr);
    ~Signalende() override;
};
