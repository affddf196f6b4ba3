#include "OvFillDataProgressBar.h"

#include "AppStyle.h"
#include "FormatSize.h"

#include <QLinearGradient>
#include <QPainter>

OvFillDataProgressBar::OvFillDataProgressBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fillProgressBar"));
    setAccessibleName(tr("Progress"));
    setAccessibleDescription(Text());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFont(AppStyle::instance().font(5));
}

void OvFillDataProgressBar::SetValue(quint64 written, quint64 total)
{
    const int percent = WholePercent(written, total);
    if (percent == m_percent)
        return;
    m_percent = percent;
    setAccessibleDescription(Text());
    update();
}

QString OvFillDataProgressBar::Text() const
{
    return tr("%1%").arg(m_percent);
}

QSize OvFillDataProgressBar::sizeHint() const
{
    return { 400, 18 };
}

QSize OvFillDataProgressBar::minimumSizeHint() const
{
    return { 80, 18 };
}

void OvFillDataProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = bar.height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe6, 0xee, 0xf7));
    painter.drawRoundedRect(bar, radius, radius);
    if (m_percent > 0) {
        const QRectF done(bar.left(), bar.top(), qMax(bar.height(), bar.width() * m_percent / 100), bar.height());
        QLinearGradient gradient(done.topLeft(), done.topRight());
        gradient.setColorAt(0, QColor(0x5c, 0xb0, 0xff));
        gradient.setColorAt(1, QColor(0x29, 0x90, 0xff));
        painter.setBrush(gradient);
        painter.drawRoundedRect(done, radius, radius);
    }
    // The text sits on the fill when it reaches the middle, on the track otherwise.
    painter.setPen(m_percent >= 50 ? QColor(Qt::white) : QColor(97, 108, 114));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, Text());
}
