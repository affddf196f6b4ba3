#include "SimWhatsAppCategory.h"

SimWhatsAppCategory::SimWhatsAppCategory(SimDevice& device)
    : RecordCategory(device, "whatsApp", &ItemConverters::whatsApp)
{ }

void SimWhatsAppCategory::rebuild(const DeviceImage* copy)
{
    RecordCategory::rebuild(copy);
    fill(m_attachments, copy, "whatsAppAttachments", &ItemConverters::whatsAppAttachment);
}

IDeviceOperation* SimWhatsAppCategory::CreateEraseAll(CCallBack* callback)
{
    return eraseDeleted(callback, { "whatsApp", "whatsAppAttachments" }, "net.whatsapp.WhatsApp");
}

IDeviceOperation* SimWhatsAppCategory::CreateEraseSelected(OvItemList items, CCallBack* callback)
{
    return eraseSelected(m_table, "whatsApp", items, callback);
}

IDeviceOperation* SimWhatsAppCategory::CreateEraseAttachments(OvItemList items, CCallBack* callback)
{
    return eraseSelected(m_attachments, "whatsAppAttachments", items, callback);
}
