#pragma once

#include "EraseTableView.h"
#include "RecordSources.h"

class ChatPane;

/// WhatsApp: the conversations, the open one as bubbles; with `attachments` the files
/// sent and received instead.
class OvWhatsappView : public EraseTableView
{
    Q_OBJECT

public:
    OvWhatsappView(int mode, bool attachments, QWidget* parent = nullptr);

    ChatPane* Pane() const { return m_pane; }

protected:
    void ShowDetail(int row) override;

private:
    OvWhatsappView(int mode, bool attachments, Groups conversations, QWidget* parent);
    static RecordTableModel::Source SourceFor(bool attachments, const Groups& conversations);

    Groups m_conversations;
    ChatPane* m_pane = nullptr;
};
