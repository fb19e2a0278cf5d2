#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The program's own diagnostics. The desktop entry switches off the default category's warnings,
// which are the swap reader's, and these must still reach the log.
Q_LOGGING_CATEGORY(lcStartup, "ostrelo")

// Written by the signal handler, read by a QSocketNotifier in the event loop: a handler may
// only make async-signal-safe calls, so it never touches Qt itself.
int signalSocket[2] = { -1, -1 };

void onSignal(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, sizeof byte);
}

// SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, kill) end the event loop as quitting from the tray
// does, so the window saves the selection and the instance lock is released on the way out.
// SIGUSR1 comes from a second start of this account and brings the window back: closed to a tray
// that has since gone away, it could not be reached otherwise.
void watchSignals(QObject *context)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalSocket[1], &byte, sizeof byte);
        if (byte == SIGUSR1) {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *window = qobject_cast<MainWindow *>(widget))
                    window->bringToFront();
            }
            return;
        }
        // Not quit(): Qt 6's does nothing before app.exec(), while the refusal box shows, and
        // asks the windows first. exit() ends whichever loop runs, on both majors, as Qt 5's
        // quit() did.
        QCoreApplication::exit(0);
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : { SIGTERM, SIGINT, SIGHUP, SIGUSR1 })
        ::sigaction(signal, &action, nullptr);
}

// Only a file this account owns, in a directory only it may write, can guard its starts: another
// account that could make or open the file could hold the lock and refuse every start. A
// directory of our own that others may write to is made ours alone.
QString unsafeReason(int directory, int lock)
{
    struct stat status;
    if (::fstat(directory, &status) != 0 || status.st_uid != ::geteuid()
        || ::fchmod(directory, S_IRWXU) != 0)
        return QStringLiteral("the directory is not this account's own");
    if (::fstat(lock, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
        return QStringLiteral("not a file of this account's own");
    return QString();
}

// One monitor per account and machine: a POSIX record lock on a file in a directory that only
// this account may write. A SysV segment or semaphore cannot serve: its key is a number in one
// namespace that every account writes, so another account can create it first. A record lock has
// no global name, the kernel drops it with the process however it ends, and it names its holder,
// which a second start asks to show its window. The file is never removed, so a start that falls
// between a quit and the next start cannot run beside it. A lock that cannot be had at all (no
// such directory, a full disk, a file that is not ours) is no reason to refuse, and the start
// goes on unguarded. Returns false only when another instance of this account holds the lock,
// and then its process ID in holder, or 0 where the kernel cannot tell it.
bool takeInstanceLock(pid_t &holder)
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = QStringLiteral("ostrelo.lock");
    // Empty when the runtime directory is unusable, which another account can arrange by creating
    // /tmp/runtime-$USER first. The cache may be in a home shared by several machines over NFS,
    // where a lock would hold across them: the host name keeps it to this machine.
    if (directory.isEmpty()) {
        const QString cache
            = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        directory = cache + QStringLiteral("/ostrelo");
        QDir().mkpath(cache);
        ::mkdir(QFile::encodeName(directory), S_IRWXU);
        name = QStringLiteral("ostrelo-%1.lock").arg(QSysInfo::machineHostName());
    }
    const QString path = directory + QLatin1Char('/') + name;
    // Never closed: the lock lasts as long as the process, and closing any descriptor of the file
    // would drop it. Close-on-exec, so that no child sees it.
    const int parent = ::open(QFile::encodeName(directory), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int lock = parent < 0 ? -1
                                : ::openat(parent, QFile::encodeName(name).constData(),
                                    O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    QString reason
        = lock < 0 ? QString::fromLocal8Bit(strerror(errno)) : unsafeReason(parent, lock);
    if (parent >= 0)
        ::close(parent);
    if (reason.isEmpty()) {
        struct flock whole = {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        if (::fcntl(lock, F_SETLK, &whole) == 0) {
            // Sticky, so that the clean-up of the runtime directory leaves the file alone (XDG
            // base directory rules): a new file would not be locked by the running instance.
            ::fchmod(lock, S_ISVTX | S_IRUSR | S_IWUSR);
            return true;
        }
        if (errno == EACCES || errno == EAGAIN) {
            // The kernel leaves l_pid 0 where the holder let go in the meantime.
            ::fcntl(lock, F_GETLK, &whole);
            holder = whole.l_pid;
            return false;
        }
        reason = QString::fromLocal8Bit(strerror(errno));
    }
    qCWarning(lcStartup, "Starting without the instance lock: %s: %s", qPrintable(path),
        qPrintable(reason));
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
    // refuses, and ours refuses while the tray icon is up. Without it a logout ends the program as
    // the tray menu does: the session manager's Die hides the window and quits the loop. Qt 6 has
    // no such fallback, and behaves as Qt 5 does with it switched off.
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

    // The texts in the code are the Chinese originals; a catalogue for the first of the user's
    // languages that has one (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) replaces them, and without one,
    // or with a catalogue that cannot be read, they stay. The catalogues are found beside the
    // executable's directory, as the icon is. Qt's own texts (the box's OK button) come from Qt's
    // catalogues where the system has them, as in every other Qt program of the desktop.
    QTranslator qtTranslator;
    QTranslator translator;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 deprecates location() for path(), which Qt 5 does not have.
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), qtTranslations))
        QCoreApplication::installTranslator(&qtTranslator);
    if (translator.load(QLocale(), QStringLiteral("ostrelo"), QStringLiteral("_"),
            QDir(QCoreApplication::applicationDirPath())
                .absoluteFilePath(QStringLiteral("../share/ostrelo/translations"))))
        QCoreApplication::installTranslator(&translator);

    // Before the lock, which a second start may ask at once to show the window, and before the
    // window is built: its first pass may wait seconds for smartctl, and a signal in that time
    // must still end the run through the event loop.
    watchSignals(&app);
    pid_t holder = 0;
    if (!takeInstanceLock(holder)) {
        QMessageBox::information(nullptr, QCoreApplication::translate("main", "提示"),
            QCoreApplication::translate("main", "程序已经运行,请点击托盘图标打开主界面"),
            QMessageBox::Ok, QMessageBox::NoButton);
        // The running window may be closed to a tray that has gone away since (a tray extension
        // switched off while the screen was locked): the user can always get it back this way.
        if (holder > 0)
            ::kill(holder, SIGUSR1);
        return 1;
    }
    MainWindow window;
    window.show();
    return app.exec();
}
