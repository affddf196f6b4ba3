#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

/// Notes; slots 4 and 5 walk the note attachments.
class SimNotesCategory final : public RecordCategory<INotesCategory, OvNoteItem>
{
public:
    explicit SimNotesCategory(SimDevice& device);
    int GetAttachmentCount() override { return m_attachments.count(); }
    const OvNoteAttachmentItem* GetAttachment(int index) override { return m_attachments.at(index); }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override;
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override;
    int Reserved8() override { return -1; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* callback) override;

private:
    void rebuild(const DeviceImage* copy) override;

    ItemTable<OvNoteAttachmentItem> m_attachments;
};
