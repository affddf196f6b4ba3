#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

/// One conversation drawn as chat bubbles: sent messages on the right in the accent
/// colour, received ones on the left in grey, each with its time under it. It grows to
/// the height of its messages; put it in a scroll area.
class OvMessageListShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvMessageListShowWidget(QWidget* parent = nullptr);

    void AddMessage(const QString& text, const QString& time, bool sent);
    void Clear();
    int Count() const { return m_messages.size(); }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Message
    {
        QString text;
        QString time;
        bool sent = false;
    };
    struct Placed
    {
        QRect bubble;
        QRect text;
        QRect time;
    };
    /// Bubble, text and time rectangles of every message for a widget `width` wide.
    QVector<Placed> layoutFor(int width) const;

    QVector<Message> m_messages;
};
