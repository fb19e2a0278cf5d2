#include "collapsiblepanel.h"

#include <QtTest>
#include <QtWidgets>

// Counts hide() calls: hiding a hidden widget sends no Hide event, so events could not tell.
class HideProbe : public QWidget
{
public:
    int hides = 0;
    void setVisible(bool visible) override
    {
        hides += !visible;
        QWidget::setVisible(visible);
    }
};

class tst_CollapsiblePanel : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndStyle()
    {
        CollapsiblePanel panel("传感器");
        QWidget *toggle = panel.findChild<QPushButton *>("toggleButton");
        QWidget *frame = panel.findChild<QFrame *>("contentFrame");
        const auto margins = [](QWidget *widget) { return widget->layout()->contentsMargins(); };
        QCOMPARE(
            QList<QMargins>({ margins(&panel), margins(toggle->parentWidget()), margins(frame) }),
            QList<QMargins>({ QMargins(), QMargins(5, 5, 5, 5), QMargins(5, 5, 5, 5) }));
        QCOMPARE(panel.layout()->spacing(), 0);
        QCOMPARE(QStringList({ toggle->parentWidget()->styleSheet(), toggle->styleSheet(),
                     frame->styleSheet() }),
            QStringList({ "background-color: #f0f0f0; border: 1px solid #ccc;",
                "text-align: left; border: none; background: none;",
                "border: 1px solid #ccc; border-top: none;" }));
    }

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
        for (int i = collapsed ? 1 : 2; i > 0; --i)
            QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(panel.isCollapsed(), collapsed);
        // Installed later, a widget follows the state; the same state again hides nothing again.
        QPointer<HideProbe> first = new HideProbe;
        panel.setContentWidget(first);
        panel.setCollapsed(collapsed);
        QCOMPARE(first->isHidden(), collapsed);
        QCOMPARE(first->hides, int(collapsed));
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
        QCOMPARE(toggle->text(), "传感器");
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
