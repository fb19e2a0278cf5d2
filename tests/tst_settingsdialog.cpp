#include "settingsdialog.h"

#include <QtTest>
#include <QtWidgets>

// Eleven bools, a byte each, in the order of their boxes: a record is read and written as bytes.
static_assert(sizeof(Settings) == 11, "one byte a field");

// A record as the indices of its false fields.
static QString off(const Settings &settings)
{
    QStringList indices;
    for (int i = 0; i < 11; ++i)
        if (!reinterpret_cast<const char *>(&settings)[i])
            indices << QString::number(i);
    return indices.join(',');
}

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void apply_data()
    {
        QTest::addColumn<int>("given"); // the field of the record passed in that is false, or -1
        QTest::addColumn<int>("untick"); // the box unticked, or -1
        QTest::addColumn<QString>("dismissal"); // before Apply: "", "cancel", "escape" or "close"
        for (int i = 0; i < 11; ++i) {
            QTest::addRow("box %d unticked", i) << -1 << i << "";
            QTest::addRow("field %d given false", i) << i << -1 << "";
        }
        for (const char *dismissal : { "cancel", "escape", "close" })
            QTest::addRow("swap unticked, %s, apply", dismissal) << -1 << 2 << dismissal;
    }
    void apply()
    {
        QFETCH(int, given);
        QFETCH(int, untick);
        QFETCH(QString, dismissal);
        Settings record;
        if (given >= 0)
            reinterpret_cast<bool *>(&record)[given] = false;
        SettingsDialog dialog(nullptr, record);
        const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
        for (int i = 0; i < 11; ++i)
            QCOMPARE(boxes.at(i)->isChecked(), i != given);
        const QStringList story
            = { "rejected", "emitted " + QString::number(qMax(given, untick)), "accepted" };
        QStringList log;
        connect(&dialog, &SettingsDialog::settingsChanged, this,
            [&](const Settings &settings) { log << "emitted " + off(settings); });
        connect(&dialog, &QDialog::finished, this,
            [&](int result) { log << (result ? "accepted" : "rejected"); });
        dialog.show();
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        if (untick >= 0)
            boxes.at(untick)->click();
        if (dismissal == "cancel")
            QTest::mouseClick(dialog.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
        else if (dismissal == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (dismissal == "close")
            dialog.close();
        dialog.show(); // again after a dismissal, with the unapplied ticks
        QTest::mouseClick(dialog.findChild<QPushButton *>("applyButton"), Qt::LeftButton);
        QCOMPARE(log, story.mid(dismissal.isEmpty() ? 1 : 0));
        QCOMPARE(off(record), given < 0 ? "" : QString::number(given)); // the caller's is a copy
    }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_settingsdialog.moc"
