#include "WeChatContentShow.h"

#include <QPainter>
#include <QPainterPath>

WeChatContentShow::WeChatContentShow(QObject* parent)
    : ChatBubbleDelegate(parent)
{ }

QString WeChatContentShow::KindLabel(int kind)
{
    switch (kind) {
    case Picture:
        return tr("[Picture]");
    case Voice:
        return tr("[Voice]");
    case Video:
        return tr("[Video]");
    case VoiceCall:
        return tr("[Voice call]");
    case RedPacket:
    case RedPacketNew:
        return tr("[Red packet]");
    case Location:
        return tr("[Location]");
    case BusinessCard:
        return tr("[Business card]");
    default:
        return {};
    }
}

QString WeChatContentShow::BubbleText(int kind, const QString& text) const
{
    const QString label = KindLabel(kind);
    if (label.isEmpty())
        return text;
    return text.isEmpty() ? label : label + QLatin1Char('\n') + text;
}

int WeChatContentShow::GlyphWidth(int kind) const
{
    return KindLabel(kind).isEmpty() ? 0 : 40;
}

void WeChatContentShow::PaintGlyph(QPainter* painter, const QRect& area, int kind, bool fromMe) const
{
    painter->save();
    // Sent messages sit on the blue bubble: their pictures are white on blue, received ones
    // accent blue on grey; voice faces the side the message came from.
    const QColor ink = fromMe ? Qt::white : QColor(41, 144, 255);
    const QRectF box = QRectF(area).adjusted(3, 3, -3, -3);
    painter->setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    switch (kind) {
    case Picture: {
        painter->drawRoundedRect(box, 3, 3);
        QPainterPath hill;
        hill.moveTo(box.left() + 2, box.bottom() - 2);
        hill.lineTo(box.left() + box.width() * 0.4, box.top() + box.height() * 0.45);
        hill.lineTo(box.right() - 2, box.bottom() - 2);
        painter->drawPath(hill);
        painter->drawEllipse(QPointF(box.right() - 6, box.top() + 6), 2.5, 2.5);
        break;
    }
    case Voice: {
        const qreal side = fromMe ? 1 : -1;
        const QPointF origin(c.x() + side * box.width() / 2 - side * 2, c.y());
        for (int wave = 1; wave <= 3; ++wave) {
            const qreal r = wave * box.width() / 7;
            const QRectF arc(origin.x() - r, origin.y() - r, 2 * r, 2 * r);
            painter->drawArc(arc, fromMe ? 135 * 16 : -45 * 16, 90 * 16);
        }
        break;
    }
    case Video: {
        painter->drawRoundedRect(box, 3, 3);
        QPolygonF play;
        play << QPointF(c.x() - 4, c.y() - 6) << QPointF(c.x() + 6, c.y()) << QPointF(c.x() - 4, c.y() + 6);
        painter->setBrush(ink);
        painter->drawPolygon(play);
        break;
    }
    case VoiceCall: {
        QPainterPath handset;
        handset.moveTo(box.left() + 4, box.top() + 6);
        handset.cubicTo(box.left() + 2, box.center().y(), box.center().x(), box.bottom() - 2, box.right() - 6,
                        box.bottom() - 4);
        painter->setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
        painter->drawPath(handset);
        painter->setPen(QPen(ink, 2));
        const qreal a = fromMe ? 1 : -1; // an arrow out for calls made, in for calls received
        painter->drawLine(QPointF(c.x() + 2, c.y() - 4), QPointF(c.x() + 2 + a * 6, c.y() - 10));
        break;
    }
    case RedPacket:
    case RedPacketNew: {
        painter->setPen(Qt::NoPen);
        painter->setBrush(fromMe ? QColor(250, 220, 200) : QColor(229, 83, 75));
        painter->drawRoundedRect(box.adjusted(4, 0, -4, 0), 3, 3);
        painter->setBrush(QColor(247, 150, 31));
        painter->drawEllipse(QPointF(c.x(), box.top() + box.height() * 0.4), 4, 4);
        break;
    }
    case Location: {
        QPainterPath pin;
        pin.moveTo(c.x(), box.bottom());
        pin.arcTo(QRectF(c.x() - 8, box.top(), 16, 16), -30, 240);
        pin.closeSubpath();
        painter->drawPath(pin);
        painter->drawEllipse(QPointF(c.x(), box.top() + 8), 3, 3);
        break;
    }
    case BusinessCard: {
        painter->drawRoundedRect(box.adjusted(0, 4, 0, -4), 3, 3);
        painter->drawEllipse(QPointF(box.left() + 8, c.y() - 2), 3, 3);
        painter->drawLine(QPointF(box.left() + 4, c.y() + 5), QPointF(box.left() + 12, c.y() + 5));
        painter->drawLine(QPointF(c.x() + 1, c.y() - 3), QPointF(box.right() - 3, c.y() - 3));
        painter->drawLine(QPointF(c.x() + 1, c.y() + 3), QPointF(box.right() - 3, c.y() + 3));
        break;
    }
    default:
        break;
    }
    painter->restore();
}
