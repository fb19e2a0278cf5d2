#include "settingsdialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Built without a parent: adding it to the group box's layout makes it the group box's child.
QCheckBox *addCheckBox(QLayout *layout, const QString &text, const QString &name, bool checked)
{
    auto *checkBox = new QCheckBox(text);
    checkBox->setObjectName(name);
    checkBox->setChecked(checked);
    layout->addWidget(checkBox);
    return checkBox;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent, const Settings &initial)
    : QDialog(parent)
    , settings(initial)
{
    // A queued connection looks the argument type up by the name moc recorded, "Settings", which
    // Q_DECLARE_METATYPE alone does not register. Every emission needs a dialog, so registering
    // here is early enough for receivers in other threads.
    qRegisterMetaType<Settings>("Settings");

    setWindowTitle(QStringLiteral("设置"));
    setModal(true);

    auto *mainLayout = new QVBoxLayout(this);

    auto *groupBox = new QGroupBox(QStringLiteral("监控项"));
    auto *groupLayout = new QVBoxLayout(groupBox);
    cpuUsageCheckBox = addCheckBox(groupLayout, QStringLiteral("CPU使用率"),
        QStringLiteral("cpuUsageCheckBox"), settings.cpuUsageEnabled);
    memoryCheckBox = addCheckBox(groupLayout, QStringLiteral("内存使用率"),
        QStringLiteral("memoryCheckBox"), settings.memoryEnabled);
    swapCheckBox = addCheckBox(groupLayout, QStringLiteral("Swap使用率"),
        QStringLiteral("swapCheckBox"), settings.swapEnabled);
    cpuFreqCheckBox = addCheckBox(groupLayout, QStringLiteral("CPU频率"),
        QStringLiteral("cpuFreqCheckBox"), settings.cpuFreqEnabled);
    cpuMaxTempCheckBox = addCheckBox(groupLayout, QStringLiteral("CPU最高温度"),
        QStringLiteral("cpuMaxTempCheckBox"), settings.cpuMaxTempEnabled);
    avgTempCheckBox = addCheckBox(groupLayout, QStringLiteral("平均温度"),
        QStringLiteral("avgTempCheckBox"), settings.avgTempEnabled);
    hddTempCheckBox = addCheckBox(groupLayout, QStringLiteral("硬盘温度"),
        QStringLiteral("hddTempCheckBox"), settings.hddTempEnabled);
    hddUsageCheckBox = addCheckBox(groupLayout, QStringLiteral("硬盘使用率"),
        QStringLiteral("hddUsageCheckBox"), settings.hddUsageEnabled);
    uploadSpeedCheckBox = addCheckBox(groupLayout, QStringLiteral("上传速度"),
        QStringLiteral("uploadSpeedCheckBox"), settings.uploadSpeedEnabled);
    downloadSpeedCheckBox = addCheckBox(groupLayout, QStringLiteral("下载速度"),
        QStringLiteral("downloadSpeedCheckBox"), settings.downloadSpeedEnabled);
    otherTempCheckBox = addCheckBox(groupLayout, QStringLiteral("其他硬件温度"),
        QStringLiteral("otherTempCheckBox"), settings.otherTempEnabled);
    mainLayout->addWidget(groupBox);

    auto *buttonLayout = new QHBoxLayout;
    applyButton = new QPushButton(QStringLiteral("应用"));
    applyButton->setObjectName(QStringLiteral("applyButton"));
    cancelButton = new QPushButton(QStringLiteral("取消"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    connect(applyButton, &QAbstractButton::clicked, this, &SettingsDialog::onApplyClicked);
    connect(cancelButton, &QAbstractButton::clicked, this, &SettingsDialog::onCancelClicked);

    buttonLayout->addStretch();
    buttonLayout->addWidget(applyButton);
    buttonLayout->addWidget(cancelButton);
    mainLayout->addLayout(buttonLayout);
}

void SettingsDialog::onApplyClicked()
{
    settings.cpuUsageEnabled = cpuUsageCheckBox->isChecked();
    settings.memoryEnabled = memoryCheckBox->isChecked();
    settings.swapEnabled = swapCheckBox->isChecked();
    settings.cpuFreqEnabled = cpuFreqCheckBox->isChecked();
    settings.cpuMaxTempEnabled = cpuMaxTempCheckBox->isChecked();
    settings.avgTempEnabled = avgTempCheckBox->isChecked();
    settings.hddTempEnabled = hddTempCheckBox->isChecked();
    settings.hddUsageEnabled = hddUsageCheckBox->isChecked();
    settings.uploadSpeedEnabled = uploadSpeedCheckBox->isChecked();
    settings.downloadSpeedEnabled = downloadSpeedCheckBox->isChecked();
    settings.otherTempEnabled = otherTempCheckBox->isChecked();

    // Emitted before accept() so receivers still see an open dialog.
    emit settingsChanged(settings);
    accept();
}

void SettingsDialog::onCancelClicked()
{
    reject();
}
