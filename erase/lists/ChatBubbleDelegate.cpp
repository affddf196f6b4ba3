#include "ChatBubbleDelegate.h"

#include "ChatModel.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QtMath>

namespace {

constexpr int kMargin = 8;
constexpr int kPadding = 8;
constexpr int kTimeHeight = 16;
constexpr int kMinWidth = 200;

int BubbleWidthLimit(const QStyleOptionViewItem& option)
{
    int width = option.rect.width();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
        width = view->viewport()->width();
    return qMax(kMinWidth, width * 2 / 3);
}

QTextOption WrapOption()
{
    // Words wrap where they can; a word wider than the bubble (a link, a run of letters)
    // breaks anywhere rather than widening it.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

QString LayoutText(QString text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text.replace(QLatin1Char('\n'), QChar::LineSeparator);
}

QSize TextSize(const QFont& font, const QString& text, int width)
{
    QTextLayout layout(text, font);
    layout.setTextOption(WrapOption());
    layout.beginLayout();
    qreal height = 0;
    qreal widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
        widest = qMax(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return { qCeil(widest), qCeil(height) };
}

} // namespace

ChatBubbleDelegate::ChatBubbleDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{ }

QString ChatBubbleDelegate::BubbleText(int kind, const QString& text) const
{
    Q_UNUSED(kind)
    return text;
}

int ChatBubbleDelegate::GlyphWidth(int kind) const
{
    Q_UNUSED(kind)
    return 0;
}

void ChatBubbleDelegate::PaintGlyph(QPainter* painter, const QRect& area, int kind, bool fromMe) const
{
    Q_UNUSED(painter)
    Q_UNUSED(area)
    Q_UNUSED(kind)
    Q_UNUSED(fromMe)
}

QRect ChatBubbleDelegate::BubbleRect(const QStyleOptionViewItem& option, const QModelIndex& index,
                                     QRect* textRect) const
{
    const int kind = index.data(ChatModel::KindRole).toInt();
    const QString text = LayoutText(BubbleText(kind, index.data(Qt::DisplayRole).toString()));
    const int glyph = GlyphWidth(kind);
    const int limit = BubbleWidthLimit(option) - 2 * kPadding - glyph;
    // The model already cut the text to a few thousand characters: this layout stays cheap.
    const QSize bounds = TextSize(option.font, text, limit);
    const int height = qMax(bounds.height(), glyph > 0 ? 32 : 0);
    const QSize bubble(bounds.width() + glyph + 2 * kPadding, height + 2 * kPadding);
    const bool fromMe = index.data(ChatModel::FromMeRole).toBool();
    const int x = fromMe ? option.rect.right() - kMargin - bubble.width() : option.rect.left() + kMargin;
    const QRect rect(QPoint(x, option.rect.top() + kTimeHeight + kMargin / 2), bubble);
    if (textRect)
        *textRect = rect.adjusted(kPadding + glyph, kPadding, -kPadding, -kPadding);
    return rect;
}

QSize ChatBubbleDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect bubble = BubbleRect(option, index, nullptr);
    return { qMax(kMinWidth, bubble.width() + 2 * kMargin), bubble.height() + kTimeHeight + kMargin };
}

void ChatBubbleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const bool fromMe = index.data(ChatModel::FromMeRole).toBool();
    const int kind = index.data(ChatModel::KindRole).toInt();

    painter->setPen(QColor(169, 169, 169));
    const QRect timeRect(option.rect.left() + kMargin, option.rect.top(), option.rect.width() - 2 * kMargin,
                         kTimeHeight);
    painter->drawText(timeRect, (fromMe ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                      index.data(ChatModel::TimeRole).toString());

    QRect textRect;
    const QRect bubble = BubbleRect(option, index, &textRect);
    QPainterPath path;
    path.addRoundedRect(bubble, 10, 10);
    const QColor fill = fromMe ? QColor(41, 144, 255) : QColor(236, 238, 240);
    painter->fillPath(path, fill);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(QColor(22, 114, 222), 2));
        painter->drawPath(path);
    }
    if (GlyphWidth(kind) > 0)
        PaintGlyph(painter, QRect(bubble.left() + kPadding, bubble.top() + kPadding, 32, 32), kind, fromMe);
    painter->setPen(fromMe ? Qt::white : QColor(88, 88, 88));
    painter->setFont(option.font);
    painter->drawText(QRectF(textRect), LayoutText(BubbleText(kind, index.data(Qt::DisplayRole).toString())),
                      WrapOption());
    painter->restore();
}
