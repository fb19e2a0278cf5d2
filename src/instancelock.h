#ifndef INSTANCELOCK_H
#define INSTANCELOCK_H

#include <sys/types.h>

// One monitor per account and machine: a POSIX record lock on a file in a directory that only
// this account may write. A SysV segment or semaphore cannot serve: its key is a number in one
// namespace that every account writes, so another account can create it first. A record lock has
// no global name, the kernel drops it with the process however it ends, and it names its holder,
// which a second start asks to show its window. The file is never removed, so a start that falls
// between a quit and the next start cannot run beside it.
class InstanceLock
{
public:
    // Takes the lock, held until destruction. A lock that cannot be had at all (no such
    // directory, a full disk, a file that is not ours) is no reason to refuse, and the start goes
    // on unguarded, with a warning.
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // False when another instance of this account holds the lock.
    bool isAcquired() const { return acquired; }
    // Asks that instance to show its window, whose tray may have gone away since it was closed to
    // it. Reaches the process that held the lock when this one was refused, or none.
    void showHolder() const;

private:
    bool findHolder();

    int file = -1;
    bool acquired = true;
    pid_t holder = 0; // 0 where the kernel cannot tell it (another PID namespace)
    int holderFd = -1; // a pidfd of the holder
};

#endif // INSTANCELOCK_H
