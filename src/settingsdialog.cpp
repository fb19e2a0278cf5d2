#include "settingsdialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

// One check box per field of the record, in field order.
const SettingsDialog::Row SettingsDialog::rows[11] = {
    { QT_TRANSLATE_NOOP("SettingsDialog", "CPU使用率"), QStringLiteral("cpuUsageCheckBox"),
        &Settings::cpuUsageEnabled, &SettingsDialog::cpuUsageCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "内存使用率"), QStringLiteral("memoryCheckBox"),
        &Settings::memoryEnabled, &SettingsDialog::memoryCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "Swap使用率"), QStringLiteral("swapCheckBox"),
        &Settings::swapEnabled, &SettingsDialog::swapCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "CPU频率"), QStringLiteral("cpuFreqCheckBox"),
        &Settings::cpuFreqEnabled, &SettingsDialog::cpuFreqCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "CPU最高温度"), QStringLiteral("cpuMaxTempCheckBox"),
        &Settings::cpuMaxTempEnabled, &SettingsDialog::cpuMaxTempCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "平均温度"), QStringLiteral("avgTempCheckBox"),
        &Settings::avgTempEnabled, &SettingsDialog::avgTempCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "硬盘温度"), QStringLiteral("hddTempCheckBox"),
        &Settings::hddTempEnabled, &SettingsDialog::hddTempCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "硬盘使用率"), QStringLiteral("hddUsageCheckBox"),
        &Settings::hddUsageEnabled, &SettingsDialog::hddUsageCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "上传速度"), QStringLiteral("uploadSpeedCheckBox"),
        &Settings::uploadSpeedEnabled, &SettingsDialog::uploadSpeedCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "下载速度"), QStringLiteral("downloadSpeedCheckBox"),
        &Settings::downloadSpeedEnabled, &SettingsDialog::downloadSpeedCheckBox },
    { QT_TRANSLATE_NOOP("SettingsDialog", "其他硬件温度"), QStringLiteral("otherTempCheckBox"),
        &Settings::otherTempEnabled, &SettingsDialog::otherTempCheckBox },
};

SettingsDialog::SettingsDialog(QWidget *parent, const Settings &initial)
    : QDialog(parent)
    , settings(initial)
{
    // A queued connection looks the argument type up by the name moc recorded, "Settings", which
    // Q_DECLARE_METATYPE alone does not register. Every emission needs a dialog, so registering
    // here is early enough for receivers in other threads.
    qRegisterMetaType<Settings>("Settings");

    setWindowTitle(tr("设置"));
    setModal(true);

    auto *mainLayout = new QVBoxLayout(this);

    auto *groupBox = new QGroupBox(tr("监控项"));
    auto *groupLayout = new QVBoxLayout(groupBox);
    for (const Row &row : rows) {
        // Built without a parent: the group box's layout adopts it.
        auto *checkBox = new QCheckBox(tr(row.text));
        checkBox->setObjectName(row.name);
        checkBox->setChecked(settings.*row.field);
        this->*row.checkBox = checkBox;
        groupLayout->addWidget(checkBox);
    }
    mainLayout->addWidget(groupBox);

    auto *buttonLayout = new QHBoxLayout;
    applyButton = new QPushButton(tr("应用"));
    applyButton->setObjectName(QStringLiteral("applyButton"));
    cancelButton = new QPushButton(tr("取消"));
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
    for (const Row &row : rows)
        settings.*row.field = (this->*row.checkBox)->isChecked();

    // Emitted before accept() so receivers still see an open dialog.
    emit settingsChanged(settings);
    accept();
}

void SettingsDialog::onCancelClicked()
{
    reject();
}
