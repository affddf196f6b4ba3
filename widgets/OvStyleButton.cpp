#include "OvStyleButton.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QPainter>

namespace {

constexpr int kPadding = 14;
constexpr int kGap = 10;

} // namespace

OvStyleButton::OvStyleButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setObjectName(QStringLiteral("styleButton"));
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    setFont(AppStyle::instance().font(10));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, &OvStyleButton::signalUpdate, this, qOverload<>(&QWidget::update));
}

void OvStyleButton::SetImages(const QString& normal, const QString& hover, const QString& pressing,
                              const QString& disabled)
{
    m_normal = normal;
    m_hover = hover;
    m_pressing = pressing;
    m_disabled = disabled;
    updateGeometry();
    emit signalUpdate();
}

void OvStyleButton::SetButtonText(const QString& text)
{
    setText(text);
    setAccessibleName(text);
    updateGeometry();
}

QString OvStyleButton::CurrentImage() const
{
    QString name;
    if (!isEnabled())
        name = m_disabled;
    else if (isDown())
        name = m_pressing;
    else if (m_hovered)
        name = m_hover;
    return name.isEmpty() ? m_normal : name;
}

QSize OvStyleButton::sizeHint() const
{
    const QPixmap icon = SkinPixmap(m_normal);
    const QSize iconSize = icon.isNull() ? QSize(48, 48) : SkinSize(icon);
    const QFontMetrics metrics(font());
    const int width = qMax(iconSize.width(), metrics.horizontalAdvance(text())) + 2 * kPadding;
    return { qMax(120, width), iconSize.height() + kGap + metrics.height() + 2 * kPadding };
}

QSize OvStyleButton::minimumSizeHint() const
{
    return sizeHint();
}

void OvStyleButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (isEnabled() && (m_hovered || isDown() || hasFocus())) {
        painter.setPen(QPen(QColor(0xb2, 0xd7, 0xfd), 1));
        painter.setBrush(isDown() ? QColor(0xe3, 0xf0, 0xff) : QColor(0xf2, 0xf8, 0xff));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    const QPixmap icon = SkinPixmap(CurrentImage());
    const QSize iconSize = icon.isNull() ? QSize(48, 48) : SkinSize(icon);
    const QFontMetrics metrics(font());
    const int contentHeight = iconSize.height() + kGap + metrics.height();
    const int top = (height() - contentHeight) / 2;
    const QRect iconRect(QPoint((width() - iconSize.width()) / 2, top), iconSize);
    if (!isEnabled())
        painter.setOpacity(m_disabled.isEmpty() ? 0.45 : 1.0);
    if (!icon.isNull()) {
        painter.drawPixmap(iconRect, icon);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xd6, 0xe8, 0xfb));
        painter.drawEllipse(iconRect);
    }
    painter.setOpacity(1.0);
    QColor color = m_hovered ? QColor(0x29, 0x90, 0xff) : QColor(88, 88, 88);
    if (!isEnabled())
        color = QColor(169, 169, 169);
    painter.setPen(color);
    painter.setFont(font());
    const QRect textRect(0, iconRect.bottom() + 1 + kGap, width(), metrics.height());
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop,
                     metrics.elidedText(text(), Qt::ElideRight, width() - 8));
}

void OvStyleButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    m_hovered = true;
    emit mouseEnter();
    emit signalUpdate();
}

void OvStyleButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    m_hovered = false;
    emit mouseLeave();
    emit signalUpdate();
}
