// Waits until a tray host owns the system tray selection on $DISPLAY; exit status 1 after 10 s.
#include <QApplication>
#include <QDeadlineTimer>
#include <QSystemTrayIcon>
#include <QThread>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDeadlineTimer deadline(10000);
    while (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (deadline.hasExpired())
            return 1;
        QThread::msleep(50);
    }
    return 0;
}
