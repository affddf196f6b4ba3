#pragma once

#include "ChatModel.h"

#include <QWidget>

class QLabel;
class QListView;
class QStyledItemDelegate;

/// The conversation beside a messenger's list: its title, "To:" and the participants, and
/// the messages as bubbles. Only the conversation on screen is read, a batch at a time.
class ChatPane : public QWidget
{
    Q_OBJECT

public:
    /// `delegate` draws the bubbles (the pane takes it); a plain bubble when null.
    ChatPane(const QString& title, QStyledItemDelegate* delegate = nullptr, QWidget* parent = nullptr);

    void ShowConversation(const QString& to, int count, std::function<ChatLine(int)> line);
    void Clear();

    QListView* Bubbles() const { return m_list; }
    ChatModel* Model() const { return m_model; }

private:
    QLabel* m_title;
    QLabel* m_to;
    QLabel* m_empty;
    QListView* m_list;
    ChatModel* m_model;
};
