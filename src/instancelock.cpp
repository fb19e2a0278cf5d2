#include "instancelock.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// The program's own diagnostics. The desktop entry switches off the default category's warnings,
// which are the swap reader's, and these must still reach the log.
Q_LOGGING_CATEGORY(lcStartup, "ostrelo")

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

struct flock wholeFile()
{
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return whole;
}

// The process that holds the lock on the file: -1 where none does, 0 where the kernel cannot
// tell it.
pid_t lockHolder(int file)
{
    struct flock whole = wholeFile();
    if (::fcntl(file, F_GETLK, &whole) != 0 || whole.l_type == F_UNLCK)
        return -1;
    return whole.l_pid;
}
} // namespace

InstanceLock::InstanceLock()
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
    // Kept open while the lock is held, since closing any descriptor of the file drops it.
    // Close-on-exec, so that no child sees it.
    const int parent = ::open(QFile::encodeName(directory), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    file = parent < 0 ? -1
                      : ::openat(parent, QFile::encodeName(name).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    QString reason
        = file < 0 ? QString::fromLocal8Bit(strerror(errno)) : unsafeReason(parent, file);
    if (parent >= 0)
        ::close(parent);
    // A holder that quits between the refusal and the question who it is leaves the lock to be
    // had: it is tried once more then.
    for (int attempts = 2; reason.isEmpty();) {
        struct flock whole = wholeFile();
        if (::fcntl(file, F_SETLK, &whole) == 0) {
            // Sticky, so that the clean-up of the runtime directory leaves the file alone (XDG
            // base directory rules): a new file would not be locked by the running instance.
            ::fchmod(file, S_ISVTX | S_IRUSR | S_IWUSR);
            return;
        }
        if (errno != EACCES && errno != EAGAIN)
            reason = QString::fromLocal8Bit(strerror(errno));
        else if (findHolder() || --attempts == 0) {
            acquired = false;
            return;
        }
    }
    qCWarning(lcStartup, "Starting without the instance lock: %s: %s",
        qPrintable(directory + QLatin1Char('/') + name), qPrintable(reason));
}

InstanceLock::~InstanceLock()
{
    if (holderFd >= 0)
        ::close(holderFd);
    if (file >= 0)
        ::close(file);
}

bool InstanceLock::findHolder()
{
    holder = lockHolder(file);
    if (holder <= 0)
        return holder == 0;
    // A PID is a number, not a process: by the time the user dismisses the box, the holder may
    // have quit and its number gone to another process of the account, which SIGUSR1 would kill.
    // A pidfd names the process itself; taken now and the holder asked again, it is the holder's.
    // Called by number: the wrappers of glibc 2.36 (Debian 12) are declared without C linkage.
    holderFd = int(::syscall(SYS_pidfd_open, holder, 0));
    const pid_t confirmed = lockHolder(file);
    if (confirmed == holder)
        return true;
    if (holderFd >= 0)
        ::close(holderFd);
    holderFd = -1;
    holder = 0;
    return confirmed >= 0;
}

void InstanceLock::showHolder() const
{
    if (holderFd >= 0)
        ::syscall(SYS_pidfd_send_signal, holderFd, SIGUSR1, nullptr, 0);
    // Without pidfds (Linux before 5.3) the holder is asked again just before: a quit and the
    // reuse of its number in the microseconds between the two calls would still be missed.
    else if (holder > 0 && lockHolder(file) == holder)
        ::kill(holder, SIGUSR1);
}
