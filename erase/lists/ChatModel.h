#pragma once

#include <QAbstractListModel>

#include <functional>

/// One message of the conversation on screen, as the bubbles draw it.
struct ChatLine
{
    QString text;
    QString time;
    bool fromMe = false;
    int kind = 0; // the WeChat message type; 0 for the other messengers
};

/// The messages of one conversation for a list of bubbles. Messages are read from the
/// store when a bubble needs them and handed to the view in batches as it scrolls.
class ChatModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        TimeRole = Qt::UserRole,
        FromMeRole,
        KindRole,
    };

    explicit ChatModel(QObject* parent = nullptr);

    /// Shows `count` messages, message `i` being `line(i)`.
    void SetConversation(int count, std::function<ChatLine(int)> line);
    /// Messages in the conversation, shown or not yet.
    int TotalCount() const { return m_count; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    /// The message at `row`, its text already cut; the last one read is kept, since a
    /// bubble asks for several roles of one message in a row.
    const ChatLine& Line(int row) const;

    int m_count = 0;
    int m_loaded = 0;
    std::function<ChatLine(int)> m_line;
    mutable int m_cachedRow = -1;
    mutable ChatLine m_cached;
};
