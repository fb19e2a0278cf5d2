#include "settingsdialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>
#include <QMetaMethod>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

struct Field
{
    const char *name;
    bool Settings::*member;
    const char *checkBox;
    const char *text;
};

const Field kFields[] = {
    { "cpuUsageEnabled", &Settings::cpuUsageEnabled, "cpuUsageCheckBox", "CPU使用率" },
    { "memoryEnabled", &Settings::memoryEnabled, "memoryCheckBox", "内存使用率" },
    { "swapEnabled", &Settings::swapEnabled, "swapCheckBox", "Swap使用率" },
    { "cpuFreqEnabled", &Settings::cpuFreqEnabled, "cpuFreqCheckBox", "CPU频率" },
    { "cpuMaxTempEnabled", &Settings::cpuMaxTempEnabled, "cpuMaxTempCheckBox", "CPU最高温度" },
    { "avgTempEnabled", &Settings::avgTempEnabled, "avgTempCheckBox", "平均温度" },
    { "hddTempEnabled", &Settings::hddTempEnabled, "hddTempCheckBox", "硬盘温度" },
    { "hddUsageEnabled", &Settings::hddUsageEnabled, "hddUsageCheckBox", "硬盘使用率" },
    { "uploadSpeedEnabled", &Settings::uploadSpeedEnabled, "uploadSpeedCheckBox", "上传速度" },
    { "downloadSpeedEnabled", &Settings::downloadSpeedEnabled, "downloadSpeedCheckBox",
        "下载速度" },
    { "otherTempEnabled", &Settings::otherTempEnabled, "otherTempCheckBox", "其他硬件温度" },
};

Settings recordWithout(const QStringList &disabled)
{
    Settings settings;
    for (const Field &field : kFields)
        settings.*field.member = !disabled.contains(QLatin1String(field.name));
    return settings;
}

// A record in readable form: the names of its false fields, comma-separated.
QString disabledFields(const Settings &settings)
{
    QStringList names;
    for (const Field &field : kFields) {
        if (!(settings.*field.member))
            names << QLatin1String(field.name);
    }
    return names.join(QLatin1Char(','));
}

// Collects emitted records with a direct receiver instead of reading them out of a QSignalSpy:
// QVariant::value<Settings>() would register the type itself and let queuedDelivery pass even
// if the dialog forgot to.
void recordEmissions(SettingsDialog *dialog, QStringList *emitted)
{
    QObject::connect(dialog, &SettingsDialog::settingsChanged, dialog,
        [emitted](const Settings &settings) { *emitted << disabledFields(settings); });
}

void clickButton(const SettingsDialog &dialog, const QString &name)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>(name), Qt::LeftButton);
}

enum Dismissal { CancelButton, EscapeKey, WindowClose };

} // namespace

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndTexts();
    void metaObject();
    void startsFromRecord_data();
    void startsFromRecord();
    void untickOne_data();
    void untickOne();
    void dismissEmitsNothing_data();
    void dismissEmitsNothing();
    void queuedDelivery();
};

void tst_SettingsDialog::layoutAndTexts()
{
    SettingsDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("设置"));
    QVERIFY(dialog.isModal());

    auto *groupBox = dialog.findChild<QGroupBox *>();
    QVERIFY(groupBox);
    QCOMPARE(groupBox->title(), QStringLiteral("监控项"));
    QLayout *groupLayout = groupBox->layout();
    QCOMPARE(groupLayout->count(), 11);
    for (int i = 0; i < groupLayout->count(); ++i) {
        auto *checkBox = qobject_cast<QCheckBox *>(groupLayout->itemAt(i)->widget());
        QVERIFY(checkBox);
        QCOMPARE(checkBox->objectName(), QLatin1String(kFields[i].checkBox));
        QCOMPARE(checkBox->text(), QString::fromUtf8(kFields[i].text));
        QCOMPARE(checkBox->parent(), groupBox);
    }

    QLayout *mainLayout = dialog.layout();
    QCOMPARE(mainLayout->count(), 2);
    QCOMPARE(mainLayout->itemAt(0)->widget(), groupBox);
    QLayout *buttonRow = mainLayout->itemAt(1)->layout();
    QVERIFY(qobject_cast<QHBoxLayout *>(buttonRow));
    QCOMPARE(buttonRow->count(), 3);
    QVERIFY(buttonRow->itemAt(0)->spacerItem());
    auto *apply = qobject_cast<QPushButton *>(buttonRow->itemAt(1)->widget());
    auto *cancel = qobject_cast<QPushButton *>(buttonRow->itemAt(2)->widget());
    QVERIFY(apply && cancel);
    QCOMPARE(apply->objectName(), QStringLiteral("applyButton"));
    QCOMPARE(apply->text(), QStringLiteral("应用"));
    QCOMPARE(cancel->objectName(), QStringLiteral("cancelButton"));
    QCOMPARE(cancel->text(), QStringLiteral("取消"));
}

void tst_SettingsDialog::metaObject()
{
    static const char *const access[] = { "private", "protected", "public" };
    static const char *const type[] = { "method", "signal", "slot", "constructor" };
    const QMetaObject &meta = SettingsDialog::staticMetaObject;
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        methods << QStringLiteral("%1 %2 %3 %4")
                       .arg(QLatin1String(access[method.access()]),
                           QLatin1String(type[method.methodType()]),
                           QString::fromLatin1(method.methodSignature()),
                           QString::fromLatin1(method.parameterNames().join(',')));
    }
    QCOMPARE(methods,
        QStringList({ QStringLiteral("public signal settingsChanged(Settings) settings"),
            QStringLiteral("private slot onApplyClicked() "),
            QStringLiteral("private slot onCancelClicked() ") }));
}

void tst_SettingsDialog::startsFromRecord_data()
{
    QTest::addColumn<QStringList>("disabled");

    QStringList all;
    for (const Field &field : kFields)
        all << QLatin1String(field.name);
    QTest::newRow("default record") << QStringList();
    QTest::newRow("all false") << all;
    QTest::newRow("first and last false") << QStringList { all.first(), all.last() };
}

void tst_SettingsDialog::startsFromRecord()
{
    QFETCH(QStringList, disabled);

    SettingsDialog dialog(nullptr, recordWithout(disabled));
    for (const Field &field : kFields) {
        auto *checkBox = dialog.findChild<QCheckBox *>(QLatin1String(field.checkBox));
        QCOMPARE(checkBox->isChecked(), !disabled.contains(QLatin1String(field.name)));
    }

    // Applied untouched, the record goes out as it came in, exactly once, while the dialog is
    // still open.
    QStringList emitted;
    recordEmissions(&dialog, &emitted);
    bool openWhenEmitted = false;
    connect(&dialog, &SettingsDialog::settingsChanged, &dialog,
        [&dialog, &openWhenEmitted] { openWhenEmitted = dialog.isVisible(); });
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    clickButton(dialog, QStringLiteral("applyButton"));
    QCOMPARE(emitted, QStringList { disabled.join(QLatin1Char(',')) });
    QVERIFY(openWhenEmitted);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.isHidden());
}

void tst_SettingsDialog::untickOne_data()
{
    QTest::addColumn<QString>("checkBox");
    QTest::addColumn<QString>("field");

    for (const Field &field : kFields)
        QTest::newRow(field.name) << QString::fromLatin1(field.checkBox)
                                  << QString::fromLatin1(field.name);
}

void tst_SettingsDialog::untickOne()
{
    QFETCH(QString, checkBox);
    QFETCH(QString, field);

    const Settings given;
    SettingsDialog dialog(nullptr, given);
    QStringList emitted;
    recordEmissions(&dialog, &emitted);
    dialog.show();
    dialog.findChild<QCheckBox *>(checkBox)->click();
    clickButton(dialog, QStringLiteral("applyButton"));
    QCOMPARE(emitted, QStringList { field });
    QCOMPARE(disabledFields(given), QString());
}

void tst_SettingsDialog::dismissEmitsNothing_data()
{
    QTest::addColumn<int>("dismissal");

    QTest::newRow("cancel button") << int(CancelButton);
    QTest::newRow("escape key") << int(EscapeKey);
    QTest::newRow("window close") << int(WindowClose);
}

void tst_SettingsDialog::dismissEmitsNothing()
{
    QFETCH(int, dismissal);

    SettingsDialog dialog;
    QStringList emitted;
    recordEmissions(&dialog, &emitted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    auto *swap = dialog.findChild<QCheckBox *>(QStringLiteral("swapCheckBox"));
    dialog.show();
    swap->click();

    switch (dismissal) {
    case CancelButton:
        clickButton(dialog, QStringLiteral("cancelButton"));
        break;
    case EscapeKey:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case WindowClose:
        dialog.close();
        break;
    }
    QCOMPARE(rejected.count(), 1);
    QVERIFY(dialog.isHidden());
    QCOMPARE(emitted, QStringList());

    // Shown again, the dialog keeps the unapplied tick and a later Apply hands it out.
    dialog.show();
    QVERIFY(!swap->isChecked());
    clickButton(dialog, QStringLiteral("applyButton"));
    QCOMPARE(emitted, QStringList { QStringLiteral("swapEnabled") });
}

void tst_SettingsDialog::queuedDelivery()
{
    SettingsDialog dialog(nullptr, recordWithout({ QStringLiteral("hddUsageEnabled") }));
    QString received;

    // Declared after the dialog, so the thread is stopped before the dialog it posts to goes.
    QThread thread;
    QObject receiver;
    receiver.moveToThread(&thread);
    thread.start();
    const auto stop = qScopeGuard([&thread] {
        thread.quit();
        thread.wait();
    });

    connect(&dialog, &SettingsDialog::settingsChanged, &receiver,
        [&dialog, &received](const Settings &settings) {
            const QString fields = disabledFields(settings);
            QMetaObject::invokeMethod(&dialog, [&received, fields] { received = fields; });
        });
    dialog.show();
    clickButton(dialog, QStringLiteral("applyButton"));
    QTRY_COMPARE(received, QStringLiteral("hddUsageEnabled"));
}

QTEST_MAIN(tst_SettingsDialog)
#include "tst_settingsdialog.moc"
