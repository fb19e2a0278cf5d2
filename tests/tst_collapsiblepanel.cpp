#include "collapsiblepanel.h"

#include <QtTest>
#include <QtWidgets>

class tst_CollapsiblePanel : public QObject
{
    Q_OBJECT

private slots:
    void content_data()
    {
        QTest::addColumn<bool>("collapsed"); // by clicks on the title of the still empty panel
        QTest::newRow("one click: collapsed") << true;
        QTest::newRow("two clicks: expanded again") << false;
    }
    void content()
    {
        QFETCH(bool, collapsed);
        CollapsiblePanel panel("传感器");
        panel.show();
        auto *toggle = panel.findChild<QPushButton *>("toggleButton");
        QLayout *frameLayout = panel.findChild<QFrame *>("contentFrame")->layout();
        QVERIFY(toggle->isVisible() && frameLayout->parentWidget()->isVisible()); // both laid out
        for (int i = collapsed ? 1 : 2; i > 0; --i)
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
        QVERIFY(first && first->isHidden());
        QCOMPARE(first->parentWidget(), frameLayout->parentWidget());
        QCOMPARE(frameLayout->indexOf(first), -1);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(second->isHidden(), !collapsed);
        QVERIFY(first->isHidden());
        // No content: the area is empty and the state stays.
        panel.setContentWidget(nullptr);
        QCOMPARE(frameLayout->count(), 0);
        QCOMPARE(panel.isCollapsed(), !collapsed);
        QVERIFY(second->isHidden());
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
