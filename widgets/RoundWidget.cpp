#include "RoundWidget.h"

#include "AppStyle.h"
#include "FormatSize.h"

#include <QPainter>

RoundWidget::RoundWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ringChart"));
    setAccessibleName(tr("Used space"));
}

void RoundWidget::SetValue(quint64 part, quint64 whole)
{
    m_percent = WholePercent(part, whole);
    setAccessibleDescription(tr("%1%").arg(m_percent));
    update();
}

void RoundWidget::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

QSize RoundWidget::sizeHint() const
{
    return { 120, 120 };
}

void RoundWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    const qreal thickness = qMax(6.0, side / 12.0);
    const QRectF ring = QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side)
                            .adjusted(thickness / 2, thickness / 2, -thickness / 2, -thickness / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xe6, 0xee, 0xf7), thickness, Qt::SolidLine, Qt::FlatCap));
    painter.drawEllipse(ring);
    if (m_percent > 0) {
        painter.setPen(QPen(QColor(0x29, 0x90, 0xff), thickness, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(ring, 90 * 16, -m_percent * 360 * 16 / 100);
    }
    QFont number = AppStyle::instance().font(21);
    number.setPixelSize(qMax(12, side / 5));
    painter.setFont(number);
    painter.setPen(QColor(88, 88, 88));
    const QFontMetrics metrics(number);
    QRectF numberRect = ring;
    if (!m_caption.isEmpty())
        numberRect.setBottom(ring.center().y() + metrics.height() / 2.0);
    painter.drawText(numberRect, Qt::AlignHCenter | (m_caption.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom),
                     tr("%1%").arg(m_percent));
    if (m_caption.isEmpty())
        return;
    QFont small = AppStyle::instance().font(1);
    painter.setFont(small);
    painter.setPen(QColor(169, 169, 169));
    const QRectF captionRect(ring.left(), numberRect.bottom() + 2, ring.width(), QFontMetrics(small).height());
    painter.drawText(captionRect, Qt::AlignHCenter | Qt::AlignTop,
                     QFontMetrics(small).elidedText(m_caption, Qt::ElideRight, int(ring.width() - 2 * thickness)));
}
