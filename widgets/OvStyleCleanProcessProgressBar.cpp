#include "OvStyleCleanProcessProgressBar.h"

namespace {

constexpr int kTextHeight = 20;
constexpr int kGap = 6;

} // namespace

OvStyleCleanProcessProgressBar::OvStyleCleanProcessProgressBar(QWidget* parent)
    : OvStyleProgressBar(parent)
{
    setObjectName(QStringLiteral("cleanProgressBar"));
    QFont bigger = font();
    bigger.setPixelSize(14);
    bigger.setWeight(QFont::DemiBold);
    setFont(bigger);
}

QSize OvStyleCleanProcessProgressBar::sizeHint() const
{
    return { 540, kTextHeight + kGap + BarThickness() };
}

QSize OvStyleCleanProcessProgressBar::minimumSizeHint() const
{
    return { 120, kTextHeight + kGap + BarThickness() };
}

QRect OvStyleCleanProcessProgressBar::BarRect() const
{
    const int thickness = qMin(BarThickness(), height());
    return { 0, height() - thickness, width(), thickness };
}

QRect OvStyleCleanProcessProgressBar::TextRect() const
{
    return { 0, 0, width(), qMax(0, height() - BarThickness() - kGap) };
}
