#include "JStyleTableWidget.h"

#include <QMouseEvent>

JStyleTableWidget::JStyleTableWidget(QWidget* parent)
    : OvStyleTableWidget(parent)
{
    setObjectName(QStringLiteral("menuTable"));
}

void JStyleTableWidget::mousePressEvent(QMouseEvent* event)
{
    OvStyleTableWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        emit SglRightBtnClicked();
}
