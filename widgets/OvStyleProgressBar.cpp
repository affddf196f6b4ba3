#include "OvStyleProgressBar.h"

#include "SkinImage.h"

#include <QPainter>

namespace {

constexpr int kTextWidth = 44;

QFont percentFont()
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(12);
    return font;
}

} // namespace

OvStyleProgressBar::OvStyleProgressBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("styleProgressBar"));
    setAccessibleName(tr("Progress"));
    setAccessibleDescription(Text());
    setFont(percentFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &OvStyleProgressBar::signalUpdate, this, &OvStyleProgressBar::slotUpdate);
}

void OvStyleProgressBar::SetValue(int percent)
{
    const int value = qBound(0, percent, 100);
    if (value == m_value)
        return;
    m_value = value;
    setAccessibleDescription(Text());
    emit signalUpdate();
}

QString OvStyleProgressBar::Text() const
{
    return tr("%1%").arg(m_value);
}

QSize OvStyleProgressBar::sizeHint() const
{
    return { 540, 20 };
}

QSize OvStyleProgressBar::minimumSizeHint() const
{
    return { 120, 20 };
}

void OvStyleProgressBar::slotUpdate()
{
    update();
}

int OvStyleProgressBar::BarThickness() const
{
    const QPixmap track = SkinPixmap(QStringLiteral("ProgressBar_1.png"));
    return track.isNull() ? 6 : SkinSize(track).height();
}

QRect OvStyleProgressBar::BarRect() const
{
    const int thickness = qMin(BarThickness(), height());
    return { 0, (height() - thickness) / 2, qMax(0, width() - kTextWidth - 8), thickness };
}

QRect OvStyleProgressBar::TextRect() const
{
    return { width() - kTextWidth, 0, kTextWidth, height() };
}

void OvStyleProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect bar = BarRect();
    // The filled part keeps its rounded ends: it is at least as long as the bar is thick.
    const int doneWidth = m_value == 0 ? 0 : qMax(bar.height(), bar.width() * m_value / 100);
    const QRect done(bar.left(), bar.top(), qMin(doneWidth, bar.width()), bar.height());

    const QPixmap track = SkinPixmap(QStringLiteral("ProgressBar_1.png"));
    const QPixmap fill = SkinPixmap(QStringLiteral("ProgressBar_2.png"));
    const qreal radius = bar.height() / 2.0;
    if (!track.isNull()) {
        painter.drawPixmap(bar, track);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe6, 0xee, 0xf7));
        painter.drawRoundedRect(bar, radius, radius);
    }
    if (done.width() > 0) {
        if (!fill.isNull()) {
            painter.drawPixmap(done, fill);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x29, 0x90, 0xff));
            painter.drawRoundedRect(done, radius, radius);
        }
    }
    painter.setPen(QColor(97, 108, 114));
    painter.setFont(font());
    painter.drawText(TextRect(), TextAlignment(), Text());
}
