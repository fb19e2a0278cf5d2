#ifndef SIGNALWATCHER_H
#define SIGNALWATCHER_H

#include <QObject>

// Brings the signals that reach the process into the event loop: SIGTERM, SIGINT and SIGHUP
// (logout, Ctrl+C, kill) as quitRequested(), SIGUSR1 (a second start of this account) as
// showRequested(). One watcher per process: the handlers it installs are the process's.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);

signals:
    void quitRequested();
    void showRequested();
};

#endif // SIGNALWATCHER_H
