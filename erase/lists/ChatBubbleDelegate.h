#pragma once

#include <QStyledItemDelegate>

/// Draws a message as a bubble: the user's own on the right in blue, the other side's on
/// the left in grey, the time above. Subclasses draw kinds of message other than text.
class ChatBubbleDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ChatBubbleDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    /// The text a bubble shows for a message of `kind` with `text`.
    virtual QString BubbleText(int kind, const QString& text) const;
    /// Room on the left of a bubble's text for a picture of the kind (0: none).
    virtual int GlyphWidth(int kind) const;
    /// Draws the picture of `kind` in `area`.
    virtual void PaintGlyph(QPainter* painter, const QRect& area, int kind, bool fromMe) const;

private:
    QRect BubbleRect(const QStyleOptionViewItem& option, const QModelIndex& index, QRect* textRect) const;
};
