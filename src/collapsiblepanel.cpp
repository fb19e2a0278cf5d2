#include "collapsiblepanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CollapsiblePanel::CollapsiblePanel(const QString &title, QWidget *initialContent, QWidget *parent)
    : QWidget(parent)
{
    // No spacing or margins here, so the frame's border, which lacks a top edge, continues the
    // header's.
    auto *panelLayout = new QVBoxLayout(this);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    auto *header = new QWidget;
    header->setStyleSheet(QStringLiteral("background-color: #f0f0f0; border: 1px solid #ccc;"));
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(5, 5, 5, 5);

    toggleButton = new QPushButton(title);
    toggleButton->setObjectName(QStringLiteral("toggleButton"));
    toggleButton->setStyleSheet(
        QStringLiteral("text-align: left; border: none; background: none;"));
    toggleButton->setFlat(true);
    connect(toggleButton, &QAbstractButton::clicked, this, &CollapsiblePanel::onToggleClicked);
    headerLayout->addWidget(toggleButton);

    contentFrame = new QFrame;
    contentFrame->setObjectName(QStringLiteral("contentFrame"));
    contentFrame->setStyleSheet(QStringLiteral("border: 1px solid #ccc; border-top: none;"));
    auto *contentLayout = new QVBoxLayout(contentFrame);
    contentLayout->setContentsMargins(5, 5, 5, 5);

    if (initialContent)
        setContentWidget(initialContent);

    panelLayout->addWidget(header);
    panelLayout->addWidget(contentFrame);
}

void CollapsiblePanel::setContentWidget(QWidget *widget)
{
    if (content) {
        content->hide();
        contentFrame->layout()->removeWidget(content);
    }

    content = widget;
    if (!content)
        return;

    content->setParent(contentFrame);
    contentFrame->layout()->addWidget(content);
    content->setVisible(!collapsed);
}

QWidget *CollapsiblePanel::contentWidget() const
{
    return content;
}

void CollapsiblePanel::setCollapsed(bool value)
{
    if (value == collapsed)
        return;

    collapsed = value;
    if (!content)
        return;

    content->setVisible(!collapsed);
}

bool CollapsiblePanel::isCollapsed() const
{
    return collapsed;
}

void CollapsiblePanel::onToggleClicked()
{
    setCollapsed(!collapsed);
}
