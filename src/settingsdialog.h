#ifndef SETTINGSDIALOG_H
#define SETTINGSDIALOG_H

#include "settings.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// Modal editor for the whole Settings record. The edited record leaves the dialog only through
// settingsChanged, on Apply; the record passed in is copied and never written back.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *parent = nullptr, const Settings &initial = Settings());

signals:
    void settingsChanged(const Settings &settings);

private slots:
    void onApplyClicked();
    void onCancelClicked();

private:
    struct Row
    {
        const char *text; // source text, put through tr() when the box is built
        QString name;
        bool Settings::*field;
        QCheckBox *SettingsDialog::*checkBox;
    };
    static const Row rows[11];

    Settings settings;
    QCheckBox *cpuUsageCheckBox = nullptr;
    QCheckBox *memoryCheckBox = nullptr;
    QCheckBox *swapCheckBox = nullptr;
    QCheckBox *cpuFreqCheckBox = nullptr;
    QCheckBox *cpuMaxTempCheckBox = nullptr;
    QCheckBox *avgTempCheckBox = nullptr;
    QCheckBox *hddTempCheckBox = nullptr;
    QCheckBox *hddUsageCheckBox = nullptr;
    QCheckBox *uploadSpeedCheckBox = nullptr;
    QCheckBox *downloadSpeedCheckBox = nullptr;
    QCheckBox *otherTempCheckBox = nullptr;
    QPushButton *applyButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

#endif // SETTINGSDIALOG_H
