#include "SimNotesCategory.h"

SimNotesCategory::SimNotesCategory(SimDevice& device)
    : RecordCategory(device, "notes", &ItemConverters::note)
{ }

void SimNotesCategory::rebuild(const DeviceImage* copy)
{
    RecordCategory::rebuild(copy);
    fill(m_attachments, copy, "noteAttachments", &ItemConverters::noteAttachment);
}

IDeviceOperation* SimNotesCategory::CreateEraseAll(CCallBack* callback)
{
    return eraseDeleted(callback, { "notes", "noteAttachments" });
}

IDeviceOperation* SimNotesCategory::CreateEraseSelected(OvItemList items, CCallBack* callback)
{
    return eraseSelected(m_table, "notes", items, callback);
}

IDeviceOperation* SimNotesCategory::CreateEraseAttachments(OvItemList items, CCallBack* callback)
{
    return eraseSelected(m_attachments, "noteAttachments", items, callback);
}
