#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Written by the signal handler, read by a QSocketNotifier in the event loop: a handler may
// only make async-signal-safe calls, so it never touches Qt itself.
int signalSocket[2] = { -1, -1 };

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, sizeof byte);
}

// SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, kill) end the event loop as quitting from the tray
// does, so the window saves the selection and the instance lock is released on the way out.
void quitOnTerminationSignals(QObject *context)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [notifier] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalSocket[1], &byte, sizeof byte);
        notifier->setEnabled(false);
        QCoreApplication::quit();
    });

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction(signal, &action, nullptr);
}

// One monitor per account: an flock(2) on a file in a directory that only this account may write.
// A SysV segment or semaphore cannot serve: its key is a number in one namespace that every account
// writes, so another account can create it first, and root may even be refused by it. A flock has
// no global name, the kernel drops it with the process however it ends, and the file is never
// removed, so a start that falls between a quit and the next start cannot run beside it. Returns
// false only when another instance of this account holds the lock; a lock that cannot be had at all
// (no such directory, a full disk) is no reason to refuse, and the start goes on unguarded.
bool takeInstanceLock()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Empty when the runtime directory is unusable, which another account can arrange by creating
    // /tmp/runtime-$USER first. The cache directory is this account's own.
    if (directory.isEmpty()) {
        directory = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/ostrelo");
        QDir().mkpath(directory);
    }
    const QString path = directory + QStringLiteral("/ostrelo.lock");
    // Never closed: the lock lasts as long as the process. Close-on-exec, so that a smartctl the
    // monitor has given up on cannot keep holding it after the monitor is gone.
    const int lock
        = ::open(QFile::encodeName(path), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0) {
        // Sticky, so that the clean-up of the runtime directory leaves the file alone (XDG base
        // directory rules): a new file would not be locked by the running instance.
        ::fchmod(lock, S_ISVTX | S_IRUSR | S_IWUSR);
        return true;
    }
    if (lock >= 0 && errno == EWOULDBLOCK)
        return false;
    qWarning("Starting without the instance lock: %s: %s", qPrintable(path), strerror(errno));
    if (lock >= 0)
        ::close(lock);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    // Nothing here draws with OpenGL, yet on X11 Qt would load its GL integration, and with Mesa
    // that maps tens of megabytes. A user who wants it can still ask for it in the environment.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    QApplication app(argc, argv);
    // Qt 5's fallback would close every window when a logout asks and cancel the logout when one
    // refuses, and ours refuses while the tray icon is up. Without it a logout ends the program as
    // the tray menu does: the session manager's Die hides the window and quits the loop. Qt 6 has
    // no such fallback, and behaves as Qt 5 does with it switched off.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QGuiApplication::setFallbackSessionManagementEnabled(false);
#endif

    const QString iconPath = MainWindow::iconFilePath();
    QApplication::setWindowIcon(
        QFile::exists(iconPath) ? QIcon(iconPath) : QIcon(QStringLiteral(":/default_icon.png")));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrelo"));

    if (!takeInstanceLock()) {
        QMessageBox::information(nullptr, QStringLiteral("提示"),
            QStringLiteral("程序已经运行,请点击托盘图标打开主界面"), QMessageBox::Ok,
            QMessageBox::NoButton);
        return 1;
    }

    // Before the window is built: its first pass may wait seconds for smartctl, and a signal in
    // that time must still end the run through the event loop.
    quitOnTerminationSignals(&app);
    MainWindow window;
    window.show();
    return app.exec();
}
