#include "signalwatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Written by the handler, read by a QSocketNotifier in the event loop: a handler may only make
// async-signal-safe calls, so it never touches Qt itself.
int signalSocket[2] = { -1, -1 };

void onSignal(int signal)
{
    // The handler may interrupt code between a failed call and its look at errno.
    const int savedErrno = errno;
    const char byte = char(signal);
    // Never blocks: should a flood of signals fill the socket, the loop has enough to read.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, sizeof byte);
    errno = savedErrno;
}
} // namespace

SignalWatcher::SignalWatcher(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSocket) != 0) {
        // The other signals keep their default action and still end the program, but SIGUSR1's
        // would end it at every second start.
        ::signal(SIGUSR1, SIG_IGN);
        return;
    }
    auto *notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(signalSocket[1], &byte, sizeof byte) != 1)
            return;
        if (byte == SIGUSR1)
            emit showRequested();
        else
            emit quitRequested();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : { SIGTERM, SIGINT, SIGHUP, SIGUSR1 })
        ::sigaction(signal, &action, nullptr);
}
