#include "OvStyleCheckBoxButton.h"

#include "AppStyle.h"
#include "SkinImage.h"
#include "StyleSheets.h"

#include <QPainter>

namespace {

constexpr int kPadding = 10;
constexpr int kSpacing = 8;

} // namespace

OvStyleCheckBoxButton::OvStyleCheckBoxButton(const QString& text, QWidget* parent)
    : QAbstractButton(parent)
    , m_prefix(kTableCheckBoxImages)
{
    setObjectName(QStringLiteral("checkBoxButton"));
    setText(text);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFont(AppStyle::instance().font(8));
    // A click toggles between checked and unchecked; a partly checked box becomes checked.
    connect(this, &QAbstractButton::clicked, this, [this] {
        emit ClickEvent();
        SetCheckState(m_state == 2 ? 0 : 2);
    });
}

void OvStyleCheckBoxButton::SetCheckState(int state)
{
    state = qBound(0, state, 2);
    if (state == m_state)
        return;
    m_state = state;
    update();
    emit CheckChange(m_state);
}

void OvStyleCheckBoxButton::SetImagePrefix(const QString& prefix)
{
    m_prefix = prefix;
    updateGeometry();
    update();
}

QString OvStyleCheckBoxButton::imageName() const
{
    static const char* const states[] = { "_normal.png", "_half_selected.png", "_selected.png" };
    static const char* const hovered[] = { "_hover.png", "_half_selected_hover.png", "_selected_hover.png" };
    return m_prefix + QLatin1String(m_hovered ? hovered[m_state] : states[m_state]);
}

QSize OvStyleCheckBoxButton::sizeHint() const
{
    const QPixmap box = SkinPixmap(imageName());
    const int side = box.isNull() ? 16 : SkinSize(box).width();
    const QFontMetrics metrics(font());
    const int textWidth = text().isEmpty() ? 0 : kSpacing + metrics.horizontalAdvance(text());
    return { 2 * kPadding + side + textWidth, qMax(32, metrics.height() + 12) };
}

QSize OvStyleCheckBoxButton::minimumSizeHint() const
{
    return sizeHint();
}

void OvStyleCheckBoxButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);
    painter.setPen(QPen(m_hovered || hasFocus() ? QColor(0x29, 0x90, 0xff) : QColor(0xe3, 0xe9, 0xf0), 1));
    painter.setBrush(m_hovered ? QColor(0xf2, 0xf8, 0xff) : QColor(Qt::white));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    const QPixmap box = SkinPixmap(imageName());
    const int side = box.isNull() ? 16 : SkinSize(box).width();
    const QRect boxRect(kPadding, (height() - side) / 2, side, side);
    if (!box.isNull()) {
        painter.drawPixmap(boxRect, box);
    } else {
        painter.setPen(QColor(0x29, 0x90, 0xff));
        painter.setBrush(m_state == 0 ? QColor(Qt::white) : QColor(0x29, 0x90, 0xff));
        painter.drawRoundedRect(QRectF(boxRect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    painter.setPen(m_hovered ? QColor(0x29, 0x90, 0xff) : QColor(88, 88, 88));
    painter.setFont(font());
    painter.drawText(rect().adjusted(kPadding + side + kSpacing, 0, -kPadding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     text());
}

void OvStyleCheckBoxButton::enterEvent(QEvent* event)
{
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void OvStyleCheckBoxButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}
