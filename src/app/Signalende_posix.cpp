#include "app/Signalende.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end for the handler; a signal handler can reach nothing else.
volatile std::sig_atomic_t schreibende = -1;

// [0] read by the event loop, [1] written by the handler; of the one
// object that owns the signals.
int paar[2] = {-1, -1};
const Signalende *besitzer = nullptr;

constexpr int Signale[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void Angekommen(int)
{
    const int fehler = errno;  // the interrupted code may be about to read it
    const char byte = 1;
    // Nothing to do if the pipe is full: one byte already waits.
    [[maybe_unused]] const ssize_t geschrieben = ::write(schreibende, &byte, 1);
    errno = fehler;
}

}  // namespace

Signalende::Signalende(QObject *parent)
    : QObject(parent)
{
    if (schreibende != -1 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, paar) != 0)
        return;  // one owner at a time; without a pair the defaults stay
    besitzer = this;
    schreibende = paar[1];
    auto *melder = new QSocketNotifier(paar[0], QSocketNotifier::Read, this);
    connect(melder, &QSocketNotifier::activated, this, [] {
        char puffer[16];
        while (::read(paar[0], puffer, sizeof puffer) > 0) {
        }
        // Every event loop ends, an open dialog's too, as if cancelled.
        QCoreApplication::exit(0);
    });
    struct sigaction aktion = {};
    aktion.sa_handler = Angekommen;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int signal : Signale)
        ::sigaction(signal, &aktion, nullptr);
}

Signalende::~Signalende()
{
    if (besitzer != this)
        return;
    besitzer = nullptr;
    for (int signal : Signale)
        std::signal(signal, SIG_DFL);
    schreibende = -1;
    ::close(paar[0]);
    ::close(paar[1]);
    paar[0] = paar[1] = -1;
}
