#include "OvStyleCheckBoxDH.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QPainter>

namespace {

constexpr int kBox = 16;
constexpr int kSpacing = 6;

} // namespace

OvStyleCheckBoxDH::OvStyleCheckBoxDH(QWidget* parent)
    : QCheckBox(parent)
{
    init();
}

OvStyleCheckBoxDH::OvStyleCheckBoxDH(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    init();
    setAccessibleName(text);
}

void OvStyleCheckBoxDH::init()
{
    setObjectName(QStringLiteral("paintedCheckBox"));
    setCursor(Qt::PointingHandCursor);
    setFont(AppStyle::instance().font(8));
}

QString OvStyleCheckBoxDH::ImageName() const
{
    int index = 1;
    if (checkState() == Qt::Checked)
        index = 3;
    else if (checkState() == Qt::PartiallyChecked)
        index = 5;
    if (m_hovered && isEnabled())
        ++index;
    return QStringLiteral("checkState%1.png").arg(index);
}

QSize OvStyleCheckBoxDH::sizeHint() const
{
    const QPixmap box = SkinPixmap(ImageName());
    const QSize boxSize = box.isNull() ? QSize(kBox, kBox) : SkinSize(box);
    if (text().isEmpty())
        return boxSize;
    const QFontMetrics metrics(font());
    return { boxSize.width() + kSpacing + metrics.horizontalAdvance(text()) + 2,
             qMax(boxSize.height(), metrics.height()) };
}

QSize OvStyleCheckBoxDH::minimumSizeHint() const
{
    return sizeHint();
}

void OvStyleCheckBoxDH::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPixmap box = SkinPixmap(ImageName());
    const QSize boxSize = box.isNull() ? QSize(kBox, kBox) : SkinSize(box);
    const QRect boxRect(QPoint(0, (height() - boxSize.height()) / 2), boxSize);
    if (!isEnabled())
        painter.setOpacity(0.45);
    if (!box.isNull()) {
        painter.drawPixmap(boxRect, box);
    } else {
        // No image: a drawn box in the same colours, so the state stays readable.
        const bool on = checkState() != Qt::Unchecked;
        painter.setPen(QPen(on || m_hovered ? QColor(0x29, 0x90, 0xff) : QColor(169, 169, 169), 1));
        painter.setBrush(on ? QColor(0x29, 0x90, 0xff) : QColor(Qt::white));
        painter.drawRoundedRect(QRectF(boxRect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        painter.setPen(QPen(Qt::white, 2));
        if (checkState() == Qt::Checked)
            painter.drawPolyline(QPolygonF({ boxRect.topLeft() + QPointF(4, 8), boxRect.topLeft() + QPointF(7, 11),
                                             boxRect.topLeft() + QPointF(12, 5) }));
        else if (checkState() == Qt::PartiallyChecked)
            painter.drawLine(boxRect.topLeft() + QPointF(4, 8), boxRect.topLeft() + QPointF(12, 8));
    }
    painter.setOpacity(1.0);
    if (text().isEmpty())
        return;
    painter.setPen(isEnabled() ? QColor(88, 88, 88) : QColor(169, 169, 169));
    painter.setFont(font());
    const QRect textRect = rect().adjusted(boxSize.width() + kSpacing, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}

void OvStyleCheckBoxDH::enterEvent(QEvent* event)
{
    QCheckBox::enterEvent(event);
    m_hovered = true;
    update();
}

void OvStyleCheckBoxDH::leaveEvent(QEvent* event)
{
    QCheckBox::leaveEvent(event);
    m_hovered = false;
    update();
}

bool OvStyleCheckBoxDH::hitButton(const QPoint& pos) const
{
    // The text is part of the target, as with any check box.
    return rect().contains(pos);
}
