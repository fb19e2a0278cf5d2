#include "mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSharedMemory>
#include <QSocketNotifier>

#include <csignal>
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

// Only one monitor may run; a segment that nobody is attached to any longer (left by an instance
// that was killed) is removed by our own detach, so it never locks the user out.
bool takeInstanceLock(QSharedMemory &lock)
{
    if (lock.create(1, QSharedMemory::ReadWrite))
        return true;
    if (!lock.attach(QSharedMemory::ReadWrite))
        return false;
    lock.detach();
    return lock.create(1, QSharedMemory::ReadWrite);
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

    QSharedMemory instanceLock(QStringLiteral("ostrelo"));
    if (!takeInstanceLock(instanceLock)) {
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
