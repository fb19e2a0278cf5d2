#include "collapsiblepanel.h"

#include <QtTest>
#include <QtWidgets>

class tst_CollapsiblePanel : public QObject
{
    Q_OBJECT

private slots:
    void content_data()
    {
        QTest::addColumn<int>("clicks"); // on the title of the still empty panel
        QTest::newRow("one click: collapsed") << 1;
        QTest::newRow("two clicks: expanded again") << 2;
    }
    void content()
    {
        QFETCH(int, clicks);
        const bool collapsed = clicks == 1;
        CollapsiblePanel panel("传感器");
        panel.show();
        auto *toggle = panel.findChild<QPushButton *>("toggleButton");
        QWidget *frame = panel.findChild<QFrame *>("contentFrame");
        QVERIFY(toggle->isVisible() && frame->isVisible()); // both laid out
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(panel.isCollapsed(), collapsed);
        // Installed later, a widget follows the state.
        QPointer<QLabel> first = new QLabel("first");
        panel.setContentWidget(first);
        panel.setCollapsed(collapsed);
        QCOMPARE(first->isHidden(), collapsed);
        // Replaced, it stays alive as a hidden child of the frame, out of its layout and the state.
        auto *second = new QLabel("second");
        panel.setContentWidget(second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first && first->isHidden() && first->parentWidget() == frame);
        QCOMPARE(frame->layout()->indexOf(first), -1);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(second->isHidden() != collapsed && first->isHidden());
        // No content: the area is empty and the state stays.
        panel.setContentWidget(nullptr);
        QVERIFY(frame->layout()->count() == 0 && second->isHidden());
        QCOMPARE(panel.isCollapsed(), !collapsed);
    }

    void deletedContentIsForgotten()
    {
        CollapsiblePanel panel("传感器", new QLabel);
        delete panel.contentWidget();
        QCOMPARE(panel.contentWidget(), nullptr);
        panel.setCollapsed(true);
        panel.setContentWidget(new QLabel);
        QVERIFY(panel.contentWidget()->isHidden());
    }
};

QTEST_MAIN(tst_CollapsiblePanel)
#include "tst_collapsiblepanel.moc"
