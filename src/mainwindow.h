#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "settings.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>

class QCheckBox;
class QCloseEvent;
class QEvent;
class QGroupBox;
class QLabel;
class QMouseEvent;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Where the program and its tray look for the icon: the installed layout, resolved against the
    // executable's own directory.
    static QString iconFilePath();

    // systemRoot is the directory the kernel files hang from: empty for the running system, a
    // fixture tree in tests.
    explicit MainWindow(QWidget *parent = nullptr, const QString &systemRoot = QString());
    ~MainWindow() override;

    // Shows the window, in front of the others: from the tray, or at a second start.
    void bringToFront();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void updateSystemInfo();
    void updateFloatingWindow();
    void quitApplication();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

private:
    // One row per metric item, in the order every surface shows them.
    struct MetricItem
    {
        bool Settings::*flag;
        QString key; // the settings key, also the name of the Settings field
        bool enabledByDefault;
        QString checkBoxName;
        // The three texts are source texts, put through tr() where they are shown: the table is
        // built before any catalogue is loaded.
        const char *checkBoxText;
        QString labelName; // empty where the label carries no object name
        const char *labelFormat; // main window; "%1" is the figure
        const char *shortFormat; // overlay line and tray tooltip line
        double MainWindow::*percent; // set for percentages ...
        int MainWindow::*whole; // ... or for whole numbers
        QCheckBox *MainWindow::*checkBox;
        QLabel *MainWindow::*label;
        QLabel *MainWindow::*floatingLabel;
    };
    static const MetricItem metricItems[8];

    QString figureText(const MetricItem &item, int decimals) const;
    void setItemEnabled(const MetricItem &item, bool enabled);
    void saveSettings() const;

    void setupUserInterface();
    void createFloatingWindow();
    void createTrayIcon();
    void startRefreshTimer();
    void updateTrayStatus();
    bool trayShowsIcon() const;
    void refreshTrayImage();

    double readCpuUsage();
    double readMemoryUsage();
    double readSwapUsage();
    int readCpuMaxTemperature();
    int readAverageTemperature();
    int readDiskTemperature();
    int readOtherTemperature();

    Settings settings;
    QLabel *cpuUsageLabel = nullptr;
    QLabel *memoryLabel = nullptr;
    QLabel *swapLabel = nullptr;
    QWidget *floatingWindow = nullptr;
    QLabel *floatingCpuLabel = nullptr;
    QLabel *floatingMemoryLabel = nullptr;
    QLabel *floatingSwapLabel = nullptr;
    QLabel *floatingCpuFreqLabel = nullptr;
    QLabel *floatingCpuMaxTempLabel = nullptr;
    QLabel *floatingAvgTempLabel = nullptr;
    QLabel *floatingHddTempLabel = nullptr;
    QLabel *floatingOtherTempLabel = nullptr;
    QSystemTrayIcon *trayIcon = nullptr;
    QPoint dragPosition;
    QCheckBox *cpuUsageCheckBox = nullptr;
    QCheckBox *memoryCheckBox = nullptr;
    QCheckBox *swapCheckBox = nullptr;
    QCheckBox *cpuFreqCheckBox = nullptr;
    QCheckBox *cpuMaxTempCheckBox = nullptr;
    QCheckBox *avgTempCheckBox = nullptr;
    QCheckBox *hddTempCheckBox = nullptr;
    QCheckBox *otherTempCheckBox = nullptr;
    QGroupBox *monitorItemsGroup = nullptr;
    QLabel *cpuFreqLabel = nullptr;
    QLabel *cpuMaxTempLabel = nullptr;
    QLabel *avgTempLabel = nullptr;
    QLabel *hddTempLabel = nullptr;
    QLabel *otherTempLabel = nullptr;
    double cpuUsage = 0.0;
    double memoryUsage = 0.0;
    double swapUsage = 0.0;
    int cpuFreq = 0;
    int cpuMaxTemp = 0;
    int avgTemp = 0;
    int hddTemp = 0;
    int otherTemp = 0;
    const QString systemRoot;
    // The icon file as the tray image was last loaded from it.
    bool trayImageLoaded = false;
    QDateTime trayImageModified;
    qint64 trayImageSize = -1;
};

#endif // MAINWINDOW_H
