#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the WhatsApp messages and attachments.
class CProcessLoadWhatsAppTask : public CProcessLoadCategoryTask<IWhatsAppCategory, &IPrivateDataInterface::GetWhatsApp>
{
public:
    explicit CProcessLoadWhatsAppTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IWhatsAppCategory& category, CGlobalData& store) override;
};
