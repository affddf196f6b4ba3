#pragma once

#include "ChatBubbleDelegate.h"

/// Draws WeChat messages of every kind: text, picture, voice, video, voice call, red packet,
/// location and business card. Each kind but text gets its own picture, drawn one way for
/// messages the user sent and another for those received.
class WeChatContentShow : public ChatBubbleDelegate
{
    Q_OBJECT

public:
    /// WeChat's message types.
    enum Kind {
        Text = 1,
        Picture = 3,
        Voice = 34,
        BusinessCard = 42,
        Video = 43,
        Location = 48,
        RedPacket = 49,
        VoiceCall = 50,
        RedPacketNew = 436207665, // red packets of newer clients
    };

    explicit WeChatContentShow(QObject* parent = nullptr);

    /// The words a bubble shows for a message of `kind` ("[Picture]"...); empty for text.
    static QString KindLabel(int kind);

protected:
    QString BubbleText(int kind, const QString& text) const override;
    int GlyphWidth(int kind) const override;
    void PaintGlyph(QPainter* painter, const QRect& area, int kind, bool fromMe) const override;
};
