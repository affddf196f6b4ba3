#include "OvElidedLabel.h"

#include <QPainter>

OvElidedLabel::OvElidedLabel(QWidget* parent)
    : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void OvElidedLabel::SetFullText(const QString& text)
{
    setText(text);
    setToolTip(text);
    setAccessibleName(text);
}

bool OvElidedLabel::IsElided() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

QSize OvElidedLabel::minimumSizeHint() const
{
    return { fontMetrics().horizontalAdvance(QStringLiteral("W…")), fontMetrics().height() };
}

void OvElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    painter.drawText(area, int(alignment()) | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}
