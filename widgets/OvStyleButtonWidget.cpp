#include "OvStyleButtonWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

OvStyleButtonWidget::OvStyleButtonWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("buttonCard"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &OvStyleButtonWidget::signalUpdate, this, qOverload<>(&QWidget::update));
}

void OvStyleButtonWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor border(0xe3, 0xe9, 0xf0);
    QColor face(Qt::white);
    if (!isEnabled()) {
        face = QColor(0xf7, 0xf7, 0xf7);
    } else if (m_pressed) {
        border = QColor(0x29, 0x90, 0xff);
        face = QColor(0xe3, 0xf0, 0xff);
    } else if (m_hovered || hasFocus()) {
        border = QColor(0x29, 0x90, 0xff);
        face = QColor(0xf7, 0xfb, 0xff);
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void OvStyleButtonWidget::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    emit signalUpdate();
}

void OvStyleButtonWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    emit signalUpdate();
}

void OvStyleButtonWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
    emit signalUpdate();
}

void OvStyleButtonWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    emit signalUpdate();
    if (rect().contains(event->pos()))
        emit signalClicked();
}

void OvStyleButtonWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit signalClicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void OvStyleButtonWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    emit signalUpdate();
}

void OvStyleButtonWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    emit signalUpdate();
}
