#include "instancelock.h"
#include "language.h"
#include "mainwindow.h"
#include "signalwatcher.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSessionManager>

int main(int argc, char *argv[])
{
    // Nothing here draws with OpenGL, yet on X11 Qt would load its GL integration, and with Mesa
    // that maps tens of megabytes. A user who wants it can still ask for it in the environment.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales the whole window by the desktop's resolution (Xft.dpi / 96, unrounded);
    // Qt 5 does so only when asked before the application object exists. Unasked, it enlarged
    // only the texts sized in points, and the figures, sized in pixels, became the smallest text.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif

    QApplication app(argc, argv);
    // Qt 5's fallback would close every window when a logout asks and cancel the logout when one
    // refuses. Without it a logout ends the program as the tray menu does: the session manager's
    // Die closes the window and quits the loop. Qt 6 has no such fallback, and behaves as Qt 5
    // does with it switched off.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QGuiApplication::setFallbackSessionManagementEnabled(false);
#endif
    // Never started again by a restored session: at login that is the autostart entry's job, and
    // a restored copy beside the autostarted one would show the refusal box at every login.
    QObject::connect(&app, &QGuiApplication::saveStateRequest, &app,
        [](QSessionManager &manager) { manager.setRestartHint(QSessionManager::RestartNever); });

    const QString iconPath = MainWindow::iconFilePath();
    QApplication::setWindowIcon(
        QFile::exists(iconPath) ? QIcon(iconPath) : QIcon(QStringLiteral(":/default_icon.png")));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrelo"));

    const Language language;

    // Before the lock, which a second start may ask at once to show the window, and before the
    // window is built: its first pass may wait seconds for smartctl, and a signal in that time
    // must still end the run through the event loop. Not quit(): Qt 6's does nothing before
    // app.exec(), while the refusal box shows, and asks the windows first. exit() ends whichever
    // loop runs, on both majors, as Qt 5's quit() did.
    SignalWatcher signalWatcher;
    QObject::connect(
        &signalWatcher, &SignalWatcher::quitRequested, &app, [] { QCoreApplication::exit(0); });
    InstanceLock lock;
    if (!lock.isAcquired()) {
        // Only a box the user dismissed asks for the window: one ended by a signal (a logout)
        // returns no button.
        if (QMessageBox::information(nullptr, QCoreApplication::translate("main", "提示"),
                QCoreApplication::translate("main", "程序已经运行,请点击托盘图标打开主界面"),
                QMessageBox::Ok, QMessageBox::NoButton)
            == QMessageBox::Ok)
            lock.showHolder();
        return 1;
    }
    MainWindow window;
    QObject::connect(
        &signalWatcher, &SignalWatcher::showRequested, &window, &MainWindow::bringToFront);
    window.show();
    return app.exec();
}
