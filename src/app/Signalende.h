#pragma once

// Ends the program in an orderly way when the system asks it to: SIGTERM
// (shutdown, logout, kill), SIGINT (Strg+C in the terminal it was started
// from) and SIGHUP (that terminal closed). The handler only writes a byte
// to a socket pair; the event loop reads it and quits, so that everything
// that runs on "Beenden" runs here too, the last unsaved input written to
// its recovery copy included. While an object lives it owns these signals;
// its end gives them back to the system's defaults.

#include <QObject>

class Signalende : public QObject {
    Q_OBJECT
public:
    explicit Signalende(QObject *parent = nullptr);
    ~Signalende() override;

private:
    int paar[2] = {-1, -1};  // [0] read by the event loop, [1] written by the handler
};
