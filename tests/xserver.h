// What the tests on the private X server of isolate.sh ask of it, through xdotool and xprop.
#ifndef XSERVER_H
#define XSERVER_H

#include <QProcess>
#include <QStringList>

// The lines a command writes, its errors included; its words are split at blanks.
inline QStringList run(const QString &command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.section(' ', 0, 0), command.section(' ', 1).split(' '));
    process.waitForFinished();
    return QString::fromUtf8(process.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The visible windows whose name (or, with "--class", class) is the pattern: top-level ones
// (depth 1) or at any depth (-1).
inline QStringList windows(const QString &pattern, const QString &by = "--name", int depth = 1)
{
    return run(
        QString("xdotool search --onlyvisible --maxdepth %1 %2 ^%3$").arg(depth).arg(by, pattern));
}

// The icon that the tray host has docked for a program: its one visible window below the top.
inline QString dockedIcon(const QString &windowClass)
{
    QStringList all = windows(windowClass, "--class", -1);
    for (const QString &topLevel : windows(windowClass, "--class"))
        all.removeAll(topLevel);
    return all.size() == 1 ? all.constFirst() : QString();
}

#endif // XSERVER_H
