#include "OvTabButton.h"

#include "OvAccessibleButton.h"
#include "SkinImage.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStringList>

namespace {

constexpr int kIconSide = 40;
constexpr int kMargin = 14;
constexpr int kGap = 10;
constexpr int kAccent = 3;

} // namespace

const QColor OvTabButton::kNormalText(0x78, 0x78, 0x78);
const QColor OvTabButton::kSelectedText(0x29, 0x90, 0xff);

OvTabButton::OvTabButton(const QString& text, const QString& normalImage, const QString& selectedImage, QWidget* parent)
    : QAbstractButton(parent)
    , m_normalImage(normalImage)
    , m_selectedImage(selectedImage)
{
    OvAccessibleButton::Install();
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SetTabText(text);
}

void OvTabButton::SetTabText(const QString& text)
{
    setText(text);
    setAccessibleName(text.simplified());
    updateGeometry();
    update();
}

QString OvTabButton::CurrentImage() const
{
    return isChecked() && !m_selectedImage.isEmpty() ? m_selectedImage : m_normalImage;
}

QSize OvTabButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { 200, qMax(kIconSide + 2 * kMargin, 2 * metrics.lineSpacing() + 2 * kMargin) };
}

QSize OvTabButton::minimumSizeHint() const
{
    return { kIconSide + 2 * kMargin + 60, sizeHint().height() };
}

OvTabButton::TextLayout OvTabButton::LabelLayout() const
{
    TextLayout label { font(), text(), Qt::AlignLeft | Qt::AlignVCenter,
                       rect().adjusted(kMargin + kIconSide + kGap, 2, -8, -2) };
    // A text with its own line breaks keeps exactly those lines (without the blanks that
    // follow a break); any other text wraps at word boundaries.
    if (label.text.contains(QLatin1Char('\n'))) {
        QStringList lines = label.text.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = line.trimmed();
        label.text = lines.join(QLatin1Char('\n'));
    } else {
        label.flags |= Qt::TextWordWrap;
    }
    const auto fits = [&label] {
        const QRect needed = QFontMetrics(label.font).boundingRect(label.rect, label.flags, label.text);
        return needed.width() <= label.rect.width() && needed.height() <= label.rect.height();
    };
    // Translations are often longer than the English the lines were broken for.
    if (!fits() && !(label.flags & Qt::TextWordWrap)) {
        label.text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        label.flags |= Qt::TextWordWrap;
    }
    const bool pixels = label.font.pixelSize() > 0;
    for (int step = 0; step < 6 && !fits(); ++step) {
        if (pixels)
            label.font.setPixelSize(label.font.pixelSize() - 1);
        else
            label.font.setPointSizeF(label.font.pointSizeF() - 0.75);
    }
    return label;
}

void OvTabButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool selected = isChecked();
    if (selected)
        painter.fillRect(rect(), QColor(0xee, 0xf6, 0xff));
    else if (m_hovered && isEnabled())
        painter.fillRect(rect(), QColor(0xf7, 0xfb, 0xff));

    const QPixmap icon = SkinPixmap(CurrentImage());
    const QRect iconRect(kMargin, (height() - kIconSide) / 2, kIconSide, kIconSide);
    if (!isEnabled())
        painter.setOpacity(0.45);
    if (!icon.isNull()) {
        painter.drawPixmap(iconRect, icon);
    } else {
        // No image: a plain disc keeps the tabs aligned.
        painter.setPen(Qt::NoPen);
        painter.setBrush(selected ? kSelectedText : QColor(0xd6, 0xdc, 0xe2));
        painter.drawEllipse(iconRect.adjusted(4, 4, -4, -4));
    }
    painter.setOpacity(1.0);

    QColor color = selected ? kSelectedText : kNormalText;
    if (!isEnabled())
        color = QColor(169, 169, 169);
    else if (m_hovered && !selected)
        color = kSelectedText;
    painter.setPen(color);
    const TextLayout label = LabelLayout();
    painter.setFont(label.font);
    painter.drawText(label.rect, label.flags, label.text);

    if (selected)
        painter.fillRect(QRect(0, height() - kAccent, width(), kAccent), kSelectedText);
    if (hasFocus() && m_keyboardFocus) {
        painter.setPen(QPen(kSelectedText, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void OvTabButton::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    // Only keyboard users need to see where the focus is.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
}

void OvTabButton::enterEvent(QEvent* event)
{
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void OvTabButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}
