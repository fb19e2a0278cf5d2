#include "collapsiblepanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Counts calls of hide(). A Hide event could not tell a repeated call: hiding a hidden widget
// sends none.
class HideProbe : public QWidget
{
public:
    int hideCalls = 0;

    void setVisible(bool visible) override
    {
        if (!visible)
            ++hideCalls;
        QWidget::setVisible(visible);
    }
};

QFrame *contentFrame(const CollapsiblePanel &panel)
{
    return panel.findChild<QFrame *>(QStringLiteral("contentFrame"));
}

QPushButton *toggleButton(const CollapsiblePanel &panel)
{
    return panel.findChild<QPushButton *>(QStringLiteral("toggleButton"));
}

} // namespace

class tst_CollapsiblePanel : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndStyle();
    void clickThenInstall_data();
    void clickThenInstall();
    void replaceContent();
    void removeContent_data();
    void removeContent();
    void collapseTwiceHidesOnce();
    void deletedContentIsForgotten();
};

void tst_CollapsiblePanel::layoutAndStyle()
{
    CollapsiblePanel panel(QStringLiteral("传感器"));
    QPushButton *toggle = toggleButton(panel);
    QFrame *frame = contentFrame(panel);
    QVERIFY(toggle && frame);
    QWidget *header = toggle->parentWidget();

    auto *panelLayout = qobject_cast<QVBoxLayout *>(panel.layout());
    QVERIFY(panelLayout);
    QCOMPARE(panelLayout->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(panelLayout->spacing(), 0);
    QCOMPARE(panelLayout->count(), 2);
    QCOMPARE(panelLayout->itemAt(0)->widget(), header);
    QCOMPARE(panelLayout->itemAt(1)->widget(), frame);

    QVERIFY(qobject_cast<QHBoxLayout *>(header->layout()));
    QCOMPARE(header->layout()->contentsMargins(), QMargins(5, 5, 5, 5));
    QCOMPARE(
        header->styleSheet(), QStringLiteral("background-color: #f0f0f0; border: 1px solid #ccc;"));

    QCOMPARE(toggle->text(), QStringLiteral("传感器"));
    QVERIFY(toggle->isFlat());
    QCOMPARE(
        toggle->styleSheet(), QStringLiteral("text-align: left; border: none; background: none;"));

    QVERIFY(qobject_cast<QVBoxLayout *>(frame->layout()));
    QCOMPARE(frame->layout()->contentsMargins(), QMargins(5, 5, 5, 5));
    QCOMPARE(frame->layout()->count(), 0);
    QCOMPARE(frame->styleSheet(), QStringLiteral("border: 1px solid #ccc; border-top: none;"));
}

void tst_CollapsiblePanel::clickThenInstall_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("collapsed");

    QTest::newRow("one click") << 1 << true;
    QTest::newRow("two clicks") << 2 << false;
}

void tst_CollapsiblePanel::clickThenInstall()
{
    QFETCH(int, clicks);
    QFETCH(bool, collapsed);

    CollapsiblePanel panel(QStringLiteral("传感器"));
    panel.show();
    QPushButton *toggle = toggleButton(panel);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(panel.isCollapsed(), collapsed);

    auto *label = new QLabel(QStringLiteral("42 °C"));
    panel.setContentWidget(label);
    QCOMPARE(label->isVisible(), !collapsed);

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(label->isVisible(), collapsed);
    QVERIFY(contentFrame(panel)->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("传感器"));
}

void tst_CollapsiblePanel::replaceContent()
{
    QPointer<QLabel> first = new QLabel(QStringLiteral("first"));
    CollapsiblePanel panel(QStringLiteral("传感器"), first);
    panel.show();
    QLayout *frameLayout = contentFrame(panel)->layout();
    QCOMPARE(frameLayout->indexOf(first), 0);
    QVERIFY(first->isVisible());

    auto *second = new QLabel(QStringLiteral("second"));
    panel.setContentWidget(second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(panel.contentWidget(), second);
    QVERIFY(first);
    QVERIFY(first->isHidden());
    QCOMPARE(first->parent(), contentFrame(panel));
    QCOMPARE(frameLayout->indexOf(first), -1);
    QCOMPARE(frameLayout->count(), 1);
    QVERIFY(second->isVisible());
}

void tst_CollapsiblePanel::removeContent_data()
{
    QTest::addColumn<bool>("collapsed");

    QTest::newRow("expanded") << false;
    QTest::newRow("collapsed") << true;
}

void tst_CollapsiblePanel::removeContent()
{
    QFETCH(bool, collapsed);

    auto *label = new QLabel(QStringLiteral("42 °C"));
    CollapsiblePanel panel(QStringLiteral("传感器"), label);
    panel.show();
    panel.setCollapsed(collapsed);

    panel.setContentWidget(nullptr);
    QCOMPARE(panel.contentWidget(), nullptr);
    QCOMPARE(contentFrame(panel)->layout()->count(), 0);
    QCOMPARE(panel.isCollapsed(), collapsed);
    QVERIFY(label->isHidden());

    // The removed widget no longer follows the state.
    panel.setCollapsed(!collapsed);
    QVERIFY(label->isHidden());
}

void tst_CollapsiblePanel::collapseTwiceHidesOnce()
{
    auto *probe = new HideProbe;
    CollapsiblePanel panel(QStringLiteral("传感器"), probe);
    panel.show();
    QVERIFY(probe->isVisible());

    const int before = probe->hideCalls;
    panel.setCollapsed(true);
    QCOMPARE(probe->hideCalls, before + 1);
    panel.setCollapsed(true);
    QCOMPARE(probe->hideCalls, before + 1);
}

void tst_CollapsiblePanel::deletedContentIsForgotten()
{
    CollapsiblePanel panel(QStringLiteral("传感器"), new QLabel(QStringLiteral("42 °C")));
    delete panel.contentWidget();
    QCOMPARE(panel.contentWidget(), nullptr);
    panel.setCollapsed(true);
    panel.setContentWidget(new QLabel(QStringLiteral("43 °C")));
    QVERIFY(panel.contentWidget()->isHidden());
}

QTEST_MAIN(tst_CollapsiblePanel)
#include "tst_collapsiblepanel.moc"
