#include "settingsdialog.h"

#include <QtTest>
#include <QtWidgets>

// The fields in the order of their boxes, and the boxes' texts.
static bool Settings::*const kFields[] = { &Settings::cpuUsageEnabled, &Settings::memoryEnabled,
    &Settings::swapEnabled, &Settings::cpuFreqEnabled, &Settings::cpuMaxTempEnabled,
    &Settings::avgTempEnabled, &Settings::hddTempEnabled, &Settings::hddUsageEnabled,
    &Settings::uploadSpeedEnabled, &Settings::downloadSpeedEnabled, &Settings::otherTempEnabled };
static const QStringList kTexts = { "CPU使用率", "内存使用率", "Swap使用率", "CPU频率",
    "CPU最高温度", "平均温度", "硬盘温度", "硬盘使用率", "上传速度", "下载速度", "其他硬件温度" };

// A record as the texts of its false fields.
static QString off(const Settings &settings)
{
    QStringList texts;
    for (int i = 0; i < kTexts.size(); ++i)
        if (!(settings.*kFields[i]))
            texts << kTexts[i];
    return texts.join(',');
}

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void texts()
    {
        SettingsDialog dialog;
        QStringList texts = { dialog.windowTitle(), dialog.findChild<QGroupBox *>()->title() };
        // The box's layout, then the button row, in order; a stretch as "<->".
        for (QLayout *layout :
            { dialog.findChild<QGroupBox *>()->layout(), dialog.layout()->itemAt(1)->layout() })
            for (int i = 0; i < layout->count(); ++i) {
                QWidget *widget = layout->itemAt(i)->widget();
                texts << (widget ? widget->property("text").toString() : "<->");
            }
        QCOMPARE(texts,
            QStringList({ "设置", "监控项" }) + kTexts + QStringList({ "<->", "应用", "取消" }));
    }

    void apply_data()
    {
        QTest::addColumn<QString>("given"); // texts of the false fields of the record passed in
        QTest::addColumn<int>("untick"); // index of a box, or -1
        QTest::addColumn<QString>("dismissal"); // before Apply: "", "cancel", "escape" or "close"
        for (int i = 0; i < kTexts.size(); ++i) {
            QTest::addRow("%s unticked", qUtf8Printable(kTexts[i])) << "" << i << "";
            QTest::addRow("%s given false", qUtf8Printable(kTexts[i])) << kTexts[i] << -1 << "";
        }
        QTest::newRow("default record") << "" << -1 << "";
        QTest::newRow("all false") << kTexts.join(',') << -1 << "";
        for (const char *dismissal : { "cancel", "escape", "close" })
            QTest::addRow("Swap unticked, %s, apply", dismissal) << "" << 2 << dismissal;
    }

    void apply()
    {
        QFETCH(QString, given);
        QFETCH(int, untick);
        QFETCH(QString, dismissal);
        Settings record;
        for (int i = 0; i < kTexts.size(); ++i)
            record.*kFields[i] = !given.split(',').contains(kTexts[i]);
        SettingsDialog dialog(nullptr, record);
        const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
        QCOMPARE(boxes.size(), 11);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(boxes[i]->isChecked(), record.*kFields[i]);
        // Read by a direct receiver, never out of a QSignalSpy: QVariant::value<Settings>() would
        // register the type itself and let signalContract pass even if the dialog forgot to.
        QStringList log;
        connect(&dialog, &SettingsDialog::settingsChanged, this,
            [&](const Settings &s) { log << "emitted " + off(s); });
        connect(&dialog, &QDialog::finished, this,
            [&](int result) { log << (result ? "accepted" : "rejected"); });
        dialog.show();
        if (untick >= 0)
            boxes[untick]->click();
        if (dismissal == "cancel")
            QTest::mouseClick(dialog.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
        else if (dismissal == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (dismissal == "close")
            dialog.close();
        dialog.show(); // again after a dismissal, with the unapplied ticks
        QTest::mouseClick(dialog.findChild<QPushButton *>("applyButton"), Qt::LeftButton);
        const QString expected = untick < 0 ? given : kTexts[untick];
        const QStringList story = { "rejected", "emitted " + expected, "accepted" };
        QCOMPARE(log, story.mid(dismissal.isEmpty() ? 1 : 0));
        QCOMPARE(off(record), given);
    }

    void signalContract()
    {
        const QMetaObject &meta = SettingsDialog::staticMetaObject;
        QByteArrayList methods; // type (1 signal, 2 slot), signature, parameter names
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            methods << QByteArray::number(meta.method(i).methodType())
                    + meta.method(i).methodSignature() + meta.method(i).parameterNames().join();
        QCOMPARE(methods,
            QByteArrayList({ "1settingsChanged(Settings)settings", "2onApplyClicked()",
                "2onCancelClicked()" }));

        // Delivered to another thread: the dialog must have registered the type.
        Settings record;
        record.memoryEnabled = false;
        SettingsDialog dialog(nullptr, record);
        std::atomic<bool> received { false };
        QThread thread;
        QObject receiver;
        receiver.moveToThread(&thread);
        thread.start();
        const auto stop = qScopeGuard([&thread] { thread.quit(), thread.wait(); });
        connect(&dialog, &SettingsDialog::settingsChanged, &receiver,
            [&](const Settings &settings) { received = off(settings) == "内存使用率"; });
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>("applyButton"), Qt::LeftButton);
        QTRY_VERIFY(received);
    }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_settingsdialog.moc"
