#pragma once

#include "EraseTableView.h"

class ChatPane;

/// The message conversations; the open one is shown beside the list as bubbles.
class MessageView : public EraseTableView
{
    Q_OBJECT

public:
    explicit MessageView(int mode, QWidget* parent = nullptr);

    ChatPane* Pane() const { return m_pane; }

protected:
    void ShowDetail(int row) override;

private:
    ChatPane* m_pane;
};
