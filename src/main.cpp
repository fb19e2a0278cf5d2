#include "mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSharedMemory>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <csignal>
#include <memory>
#include <sys/socket.h>
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

// One monitor per account. The segment's key file lives in the user's own runtime directory
// (mode 0700, checked by Qt), so no other account can create or hold it. The numeric key that
// ftok() derives from that file keeps only part of its identity, so another account's segment
// may still happen to have it; that one cannot be attached to and is not one of our instances.
// A segment that nobody is attached to any longer (left by an instance that was killed) is
// removed by our own detach, so it never locks the user out either.
// Returns null when another instance runs; a lock that holds nothing when none can be taken
// safely. Qt leaves a QSharedMemory with a native key unusable after a failed create() (the
// lock it keeps inside remembers the error), so each step gets an object of its own.
std::unique_ptr<QSharedMemory> takeInstanceLock()
{
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const auto segment = [&runtimeDir] {
        auto lock = std::make_unique<QSharedMemory>();
        lock->setNativeKey(runtimeDir + QStringLiteral("/ostrelo-instance"));
        return lock;
    };
    if (runtimeDir.isEmpty()) // Qt has said why; a key file in a shared place is not safe
        return std::make_unique<QSharedMemory>();
    auto lock = segment();
    if (lock->create(1, QSharedMemory::ReadWrite))
        return lock;
    const auto probe = segment();
    if (!probe->attach(QSharedMemory::ReadWrite))
        return probe->error() == QSharedMemory::PermissionDenied ? segment() : nullptr;
    probe->detach();
    lock = segment();
    return lock->create(1, QSharedMemory::ReadWrite) ? std::move(lock) : nullptr;
}
} // namespace

int main(int argc, char *argv[])
{
    // Nothing here draws with OpenGL, yet on X11 Qt would load its GL integration, and with Mesa
    // that maps tens of megabytes. A user who wants it can still ask for it in the environment.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    QApplication app(argc, argv);

    const QString iconPath = MainWindow::iconFilePath();
    QApplication::setWindowIcon(
        QFile::exists(iconPath) ? QIcon(iconPath) : QIcon(QStringLiteral(":/default_icon.png")));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrelo"));

    const std::unique_ptr<QSharedMemory> instanceLock = takeInstanceLock();
    if (!instanceLock) {
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
