#include "OvCustomNOButton.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool validState(int state)
{
    return state >= OvCustomNOButton::Normal && state <= OvCustomNOButton::Disabled;
}

} // namespace

OvCustomNOButton::OvCustomNOButton(QWidget* parent)
    : QPushButton(parent)
{
    init();
}

OvCustomNOButton::OvCustomNOButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    init();
    setAccessibleName(text);
}

void OvCustomNOButton::init()
{
    setObjectName(QStringLiteral("customButton"));
    setCursor(Qt::PointingHandCursor);
    setFont(AppStyle::instance().font(8));
    for (QColor& color : m_colors)
        color = Qt::white;
    m_colors[Disabled] = QColor(169, 169, 169);
    if (!isEnabled())
        m_state = m_baseState = Disabled;
    connect(this, &QPushButton::clicked, this, &OvCustomNOButton::slotClickBtn);
}

void OvCustomNOButton::SetImages(const QString& normal, const QString& hover, const QString& pressing,
                                 const QString& selected, const QString& disabled)
{
    m_images[Normal] = normal;
    m_images[Hover] = hover;
    m_images[Pressing] = pressing;
    m_images[Selected] = selected;
    m_images[Disabled] = disabled;
    m_shownImage = m_images[m_state].isEmpty() ? normal : m_images[m_state];
    // An image button is as large as its images, not stretched by layouts.
    if (!SkinPixmap(normal).isNull())
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateGeometry();
    update();
}

void OvCustomNOButton::SetImageSet(ImageSet set)
{
    const QColor white(Qt::white);
    const QColor accent(0x29, 0x90, 0xff);
    const QColor dark(88, 88, 88);
    const QColor grey(169, 169, 169);
    switch (set) {
    case CommonImages:
        SetImages(QStringLiteral("common1_button_normal.png"), QStringLiteral("common_button_hover.png"),
                  QStringLiteral("common_button_pressing.png"), QString(), QStringLiteral("common_button_disable.png"));
        SetTextColors(white, white, white, white, QColor(150, 156, 162));
        break;
    case BackImages:
        SetImages(QStringLiteral("back_button_normal.png"), QStringLiteral("back_button_hover.png"),
                  QStringLiteral("back_button_pressing.png"), QString(), QStringLiteral("back_button_disable.png"));
        SetTextColors(dark, accent, accent, accent, grey);
        break;
    case BigImages:
        SetImages(QStringLiteral("big_button160_normal.png"), QStringLiteral("big_button160_hover.png"),
                  QStringLiteral("big_button160_pressing.png"), QString(), QString());
        SetTextColors(white, white, white, white, white);
        setFont(AppStyle::instance().font(11));
        break;
    case Button110Images:
        SetImages(QStringLiteral("button110_normal.png"), QStringLiteral("button110_hover.png"),
                  QStringLiteral("button110_pressing.png"), QString(), QStringLiteral("button110_disable.png"));
        SetTextColors(white, white, white, white, QColor(150, 156, 162));
        break;
    case StopImages:
        SetImages(QStringLiteral("stop_button_normal.png"), QStringLiteral("stop_button_hover.png"),
                  QStringLiteral("stop_button_pressing.png"), QString(), QString());
        SetTextColors(QColor(97, 108, 114), accent, accent, accent, grey);
        setFont(AppStyle::instance().font(0));
        break;
    }
}

void OvCustomNOButton::SetTextColors(const QColor& normal, const QColor& hover, const QColor& pressing,
                                     const QColor& selected, const QColor& disabled)
{
    m_colors[Normal] = normal;
    m_colors[Hover] = hover;
    m_colors[Pressing] = pressing;
    m_colors[Selected] = selected;
    m_colors[Disabled] = disabled;
    update();
}

void OvCustomNOButton::SetEnabled(bool enabled)
{
    setEnabled(enabled);
    // changeEvent already followed when the effective state changed; this covers a
    // button whose parent keeps it disabled.
    const int state = isEnabled() ? Normal : Disabled;
    m_baseState = state;
    setState(state);
}

void OvCustomNOButton::SetBaseState(int state)
{
    if (!validState(state) || state == m_baseState)
        return;
    m_baseState = state;
    setState(state);
}

void OvCustomNOButton::SetButtonFixedSize(int width, int height)
{
    setMinimumSize(width, height);
    setMaximumSize(width, height);
}

void OvCustomNOButton::SetContextMenu(QMenu* menu)
{
    m_menu = menu;
}

void OvCustomNOButton::SetButtonText(const QString& text)
{
    setAccessibleName(text);
    if (text == this->text())
        return;
    setText(text);
    emit signalTextChange(text);
}

QString OvCustomNOButton::Image(int state) const
{
    return validState(state) ? m_images[state] : QString();
}

QColor OvCustomNOButton::TextColor(int state) const
{
    return validState(state) ? m_colors[state] : QColor();
}

QSize OvCustomNOButton::sizeHint() const
{
    if (minimumSize() == maximumSize())
        return minimumSize();
    const QPixmap normal = SkinPixmap(m_images[Normal]);
    if (normal.isNull())
        return QPushButton::sizeHint();
    // Wide translations grow the button rather than being cut off.
    const int textWidth = fontMetrics().horizontalAdvance(text()) + 24;
    return { qMax(SkinSize(normal).width(), textWidth), SkinSize(normal).height() };
}

QSize OvCustomNOButton::minimumSizeHint() const
{
    return sizeHint();
}

void OvCustomNOButton::slotClickBtn()
{
    emit signalClickBtn(m_id);
}

void OvCustomNOButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    if (m_hoverTracking && m_baseState == Normal)
        setState(Hover);
}

void OvCustomNOButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    if (m_state != Disabled)
        setState(m_baseState != Normal ? Selected : Normal);
}

void OvCustomNOButton::mousePressEvent(QMouseEvent* event)
{
    // The base class is left out on purpose: it would click on its own rules (left button
    // only), while this button decides on the release itself.
    event->accept();
    if (event->button() == Qt::LeftButton && m_pressTracking)
        setState(Pressing);
}

void OvCustomNOButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool inside = rect().contains(event->pos());
    // Leave the pressed look before the click, whose receivers may disable the button.
    if (m_state == Pressing)
        setState(inside && m_hoverTracking && m_baseState == Normal ? Hover
                                                                    : (m_baseState != Normal ? Selected : Normal));
    if (!inside)
        return;
    if (event->button() == Qt::LeftButton || m_acceptRightClick)
        emit clicked(isChecked());
}

void OvCustomNOButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit signalDoubleClicked();
    // The second press of a double click is still a press.
    mousePressEvent(event);
}

void OvCustomNOButton::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_menu) {
        QPushButton::contextMenuEvent(event);
        return;
    }
    event->accept();
    m_menu->exec(event->globalPos());
}

void OvCustomNOButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap image = SkinPixmap(m_shownImage);
    if (!image.isNull()) {
        // A set without a disabled image still has to look disabled.
        if (m_state == Disabled && m_images[Disabled].isEmpty())
            painter.setOpacity(0.45);
        painter.drawPixmap(rect(), image);
        painter.setOpacity(1.0);
    } else if (!m_shownImage.isEmpty()) {
        // The image is missing from the skin: a plain rounded face keeps the button usable.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_state == Disabled ? QColor(210, 214, 218) : QColor(0x29, 0x90, 0xff));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    painter.setPen(m_colors[m_state]);
    painter.setFont(font());
    painter.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignCenter | Qt::TextWordWrap, text());
}

void OvCustomNOButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    const int state = isEnabled() ? Normal : Disabled;
    m_baseState = state;
    setState(state);
}

void OvCustomNOButton::setState(int state)
{
    m_state = state;
    if (!m_images[state].isEmpty())
        m_shownImage = m_images[state];
    update();
}
