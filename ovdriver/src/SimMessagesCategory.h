#pragma once

#include "CategoryCore.h"
#include "ItemTable.h"

#include <ovdriver.h>

#include <vector>

class DeviceImage;

/// Messages: conversations (count and slot 4) with their messages; slot 3 walks every
/// attachment, which the messages point into.
class SimMessagesCategory final : public IMessagesCategory
{
public:
    explicit SimMessagesCategory(SimDevice& device);

    IDeviceOperation* CreateLoad() override;
    int Reserved1() override { return -1; }
    int GetCount() override { return m_conversations.count(); }
    const void* GetItem(int index) override { return m_attachments.at(index); }
    const OvConversation* GetConversation(int index) override { return m_conversations.at(index); }
    int GetAttachmentCount() override { return m_attachments.count(); }
    int Reserved6() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override;
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override;
    int Reserved9() override { return -1; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* callback) override;

private:
    void rebuild(const DeviceImage* copy);

    CategoryCore m_core;
    ItemTable<OvConversation> m_conversations;
    std::vector<OvMessage> m_messages;
    ItemTable<OvMessageAttachment> m_attachments;
};
