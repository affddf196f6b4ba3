#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

/// WhatsApp messages; slots 4 and 5 walk the attachments.
class SimWhatsAppCategory final : public RecordCategory<IWhatsAppCategory, OvWhatsAppItem>
{
public:
    explicit SimWhatsAppCategory(SimDevice& device);
    int GetAttachmentCount() override { return m_attachments.count(); }
    const OvWhatsAppAttachmentItem* GetAttachment(int index) override { return m_attachments.at(index); }
    int Reserved6() override { return -1; }
    int Reserved7() override { return -1; }
    int Reserved8() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override;
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override;
    int Reserved11() override { return -1; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* callback) override;

private:
    void rebuild(const DeviceImage* copy) override;

    ItemTable<OvWhatsAppAttachmentItem> m_attachments;
};
