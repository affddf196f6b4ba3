#include "OvMessageListShowWidget.h"

#include "AppStyle.h"

#include <QPainter>

namespace {

constexpr int kMargin = 16;
constexpr int kPadX = 12;
constexpr int kPadY = 8;
constexpr int kTimeGap = 3;
constexpr int kSpacing = 12;

} // namespace

OvMessageListShowWidget::OvMessageListShowWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("messageList"));
    setFont(AppStyle::instance().font(8));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void OvMessageListShowWidget::AddMessage(const QString& text, const QString& time, bool sent)
{
    m_messages.append({ text, time, sent });
    updateGeometry();
    update();
}

void OvMessageListShowWidget::Clear()
{
    m_messages.clear();
    updateGeometry();
    update();
}

QVector<OvMessageListShowWidget::Placed> OvMessageListShowWidget::layoutFor(int width) const
{
    QVector<Placed> placed;
    placed.reserve(m_messages.size());
    const QFontMetrics textMetrics(font());
    const QFontMetrics timeMetrics(AppStyle::instance().font(1));
    // A bubble takes at most two thirds of the width, so both sides stay apart.
    const int maxText = qMax(40, (width - 2 * kMargin) * 2 / 3 - 2 * kPadX);
    int y = kMargin;
    for (const Message& message : m_messages) {
        const QRect bounds
            = textMetrics.boundingRect(QRect(0, 0, maxText, 100000), Qt::TextWordWrap | Qt::AlignLeft, message.text);
        const QSize bubbleSize(bounds.width() + 2 * kPadX, bounds.height() + 2 * kPadY);
        const int x = message.sent ? width - kMargin - bubbleSize.width() : kMargin;
        Placed item;
        item.bubble = QRect(QPoint(x, y), bubbleSize);
        item.text = item.bubble.adjusted(kPadX, kPadY, -kPadX, -kPadY);
        y = item.bubble.bottom() + 1;
        if (!message.time.isEmpty()) {
            const int timeWidth = timeMetrics.horizontalAdvance(message.time) + 2;
            const int timeX = message.sent ? width - kMargin - timeWidth : kMargin;
            item.time = QRect(timeX, y + kTimeGap, timeWidth, timeMetrics.height());
            y = item.time.bottom() + 1;
        }
        y += kSpacing;
        placed.append(item);
    }
    return placed;
}

int OvMessageListShowWidget::heightForWidth(int width) const
{
    const QVector<Placed> placed = layoutFor(width);
    if (placed.isEmpty())
        return 2 * kMargin;
    const Placed& last = placed.last();
    return qMax(last.bubble.bottom(), last.time.bottom()) + 1 + kMargin;
}

QSize OvMessageListShowWidget::sizeHint() const
{
    return { 420, heightForWidth(420) };
}

void OvMessageListShowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QVector<Placed> placed = layoutFor(width());
    const QFont timeFont = AppStyle::instance().font(1);
    for (int i = 0; i < placed.size(); ++i) {
        const Message& message = m_messages[i];
        const Placed& item = placed[i];
        painter.setPen(Qt::NoPen);
        painter.setBrush(message.sent ? QColor(0x29, 0x90, 0xff) : QColor(0xf0, 0xf2, 0xf5));
        painter.drawRoundedRect(item.bubble, 10, 10);
        painter.setPen(message.sent ? QColor(Qt::white) : QColor(88, 88, 88));
        painter.setFont(font());
        painter.drawText(item.text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, message.text);
        if (!item.time.isEmpty()) {
            painter.setPen(QColor(169, 169, 169));
            painter.setFont(timeFont);
            painter.drawText(item.time, Qt::AlignLeft | Qt::AlignVCenter, message.time);
        }
    }
}
