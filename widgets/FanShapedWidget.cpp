#include "FanShapedWidget.h"

#include "AppStyle.h"

#include <QPainter>

namespace {

constexpr int kLegendGap = 18;
constexpr int kLegendRow = 22;

} // namespace

FanShapedWidget::FanShapedWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sectorChart"));
    setAccessibleName(tr("Chart"));
    setFont(AppStyle::instance().font(0));
}

void FanShapedWidget::SetSectors(const QVector<Sector>& sectors)
{
    m_sectors.clear();
    for (const Sector& sector : sectors) {
        if (sector.value > 0)
            m_sectors.append(sector);
    }
    update();
}

QVector<qreal> FanShapedWidget::SpanAngles() const
{
    qreal total = 0;
    for (const Sector& sector : m_sectors)
        total += sector.value;
    QVector<qreal> spans;
    for (const Sector& sector : m_sectors)
        spans.append(total > 0 ? 360.0 * sector.value / total : 0);
    return spans;
}

QSize FanShapedWidget::sizeHint() const
{
    return { 320, 160 };
}

void FanShapedWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    bool legend = false;
    int legendWidth = 0;
    for (const Sector& sector : m_sectors) {
        legend = legend || !sector.label.isEmpty();
        legendWidth = qMax(legendWidth, fontMetrics().horizontalAdvance(sector.label) + 18);
    }
    const int chartSpace = legend ? qMax(40, width() - legendWidth - kLegendGap) : width();
    const int side = qMin(chartSpace, height()) - 4;
    const QRectF pie(2, (height() - side) / 2.0, side, side);
    if (m_sectors.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe6, 0xee, 0xf7));
        painter.drawEllipse(pie);
        return;
    }
    // Slices start at the top and run clockwise.
    const QVector<qreal> spans = SpanAngles();
    qreal start = 90;
    painter.setPen(QPen(Qt::white, m_sectors.size() > 1 ? 2 : 0));
    for (int i = 0; i < m_sectors.size(); ++i) {
        painter.setBrush(m_sectors[i].color);
        painter.drawPie(pie, int(start * 16), int(-spans[i] * 16));
        start -= spans[i];
    }
    if (!legend)
        return;
    const int left = int(pie.right()) + kLegendGap;
    int y = (height() - kLegendRow * m_sectors.size()) / 2;
    painter.setFont(font());
    for (const Sector& sector : qAsConst(m_sectors)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(sector.color);
        painter.drawEllipse(QRectF(left, y + kLegendRow / 2.0 - 5, 10, 10));
        painter.setPen(QColor(88, 88, 88));
        painter.drawText(QRect(left + 18, y, width() - left - 18, kLegendRow), Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(sector.label, Qt::ElideRight, width() - left - 18));
        y += kLegendRow;
    }
}
