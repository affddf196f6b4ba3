#include "OvStyleLabel.h"

#include <QMouseEvent>
#include <QPainter>

OvStyleLabel::OvStyleLabel(QWidget* parent)
    : QLabel(parent)
{
    init();
}

OvStyleLabel::OvStyleLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    init();
    setAccessibleName(text);
}

void OvStyleLabel::init()
{
    setObjectName(QStringLiteral("styleLabel"));
    setCursor(Qt::PointingHandCursor);
    connect(this, &OvStyleLabel::clicked, this, &OvStyleLabel::slotLabelClicked);
}

void OvStyleLabel::SetHoverFrame(bool on)
{
    m_hoverFrame = on;
    update();
}

void OvStyleLabel::slotLabelClicked()
{
    m_checked = !m_checked;
    emit changeLabelSignal(m_checked);
}

void OvStyleLabel::slotCheckBox(bool check)
{
    m_checked = check;
}

void OvStyleLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void OvStyleLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void OvStyleLabel::enterEvent(QEvent* event)
{
    QLabel::enterEvent(event);
    m_hovered = true;
    update();
    emit cursorEnterSignal();
}

void OvStyleLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    m_hovered = false;
    update();
    emit cursorLeaveSignal();
}

void OvStyleLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_hoverFrame || !m_hovered)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x29, 0x90, 0xff), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}
