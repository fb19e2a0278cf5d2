#include "collapsiblepanel.h"

#include <QtTest>
#include <QtWidgets>

class tst_CollapsiblePanel : public QObject
{
    Q_OBJECT

private slots:
    void content_data()
    {
        QTest::addColumn<bool>("collapsed"); // by one click on the title, or expanded by a second
        QTest::newRow("one click: collapsed") << true;
        QTest::newRow("two clicks: expanded again") << false;
    }
    void content()
    {
        QFETCH(bool, collapsed);
        QPointer<QLabel> first = new QLabel("first");
        CollapsiblePanel panel("传感器", first);
        panel.show();
        auto *toggle = panel.findChild<QPushButton *>("toggleButton");
        QWidget *frame = panel.findChild<QFrame *>("contentFrame");
        QVERIFY(toggle->isVisible() && first->isVisible()); // both laid out
        for (int clicks = collapsed ? 1 : 2; clicks > 0; --clicks)
            QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(panel.isCollapsed() == collapsed && first->isHidden() == collapsed);
        // Replaced, it stays alive as a hidden child of the frame, out of its layout and the state;
        // the new one follows the state.
        auto *second = new QLabel("second");
        panel.setContentWidget(second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first && first->isHidden() && first->parentWidget() == frame);
        QCOMPARE(frame->layout()->indexOf(first), -1);
        QCOMPARE(second->isHidden(), collapsed);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(second->isHidden() != collapsed && first->isHidden());
        // Deleted by its owner, the content is forgotten.
        delete second;
        QCOMPARE(panel.contentWidget(), nullptr);
        panel.setContentWidget(new QLabel);
        QCOMPARE(panel.contentWidget()->isHidden(), !collapsed);
        // No content: the area is empty, and the title still toggles the state.
        panel.setContentWidget(nullptr);
        QCOMPARE(frame->layout()->count(), 0);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(panel.isCollapsed(), collapsed);
    }
};

QTEST_MAIN(tst_CollapsiblePanel)
#include "tst_collapsiblepanel.moc"
