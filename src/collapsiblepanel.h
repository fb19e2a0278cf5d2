#ifndef COLLAPSIBLEPANEL_H
#define COLLAPSIBLEPANEL_H

#include <QPointer>
#include <QWidget>

class QFrame;
class QPushButton;

// A titled container: clicking the title hides or shows the one content widget below it.
class CollapsiblePanel : public QWidget
{
    Q_OBJECT

public:
    explicit CollapsiblePanel(
        const QString &title, QWidget *initialContent = nullptr, QWidget *parent = nullptr);

    // The previous content widget is hidden but kept, as a child inside the panel: its owner may
    // take it back, or leave it to be freed with the panel.
    void setContentWidget(QWidget *widget);
    QWidget *contentWidget() const;

    void setCollapsed(bool value);
    bool isCollapsed() const;

private slots:
    void onToggleClicked();

private:
    QPushButton *toggleButton = nullptr;
    QFrame *contentFrame = nullptr;
    // Guarded: the owner may delete the content widget while the panel still shows it.
    QPointer<QWidget> content;
    bool collapsed = false;
};

#endif // COLLAPSIBLEPANEL_H
