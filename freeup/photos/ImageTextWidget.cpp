#include "ImageTextWidget.h"

#include "AppStyle.h"

#include <QPainter>

ImageTextWidget::ImageTextWidget(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
{
    QFont face = AppStyle::instance().font(6);
    if (face.family().isEmpty())
        face.setFamily(QStringLiteral("Segoe UI"));
    setFont(face);
    setAccessibleName(text);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageTextWidget::SetText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void ImageTextWidget::SetColor(const QColor& color)
{
    m_color = color;
    update();
}

void ImageTextWidget::SetFontSize(int pixelSize, QFont::Weight weight)
{
    QFont face = font();
    face.setPixelSize(pixelSize);
    face.setWeight(weight);
    setFont(face);
    updateGeometry();
    update();
}

QSize ImageTextWidget::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { metrics.horizontalAdvance(m_text) + 2, metrics.height() + 2 };
}

void ImageTextWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(m_color);
    painter.setFont(font());
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, width());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}
