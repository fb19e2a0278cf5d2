#ifndef SETTINGS_H
#define SETTINGS_H

#include <QMetaType>

// Which items the user wants to see. The main window monitors eight of them; disk usage and the
// two network speeds are only offered by the settings dialog.
struct Settings
{
    bool cpuUsageEnabled = true;
    bool memoryEnabled = true;
    bool swapEnabled = true;
    bool cpuFreqEnabled = true;
    bool cpuMaxTempEnabled = true;
    bool avgTempEnabled = true;
    bool hddTempEnabled = true;
    bool hddUsageEnabled = true;
    bool uploadSpeedEnabled = true;
    bool downloadSpeedEnabled = true;
    bool otherTempEnabled = true;
};

Q_DECLARE_METATYPE(Settings)

#endif // SETTINGS_H
