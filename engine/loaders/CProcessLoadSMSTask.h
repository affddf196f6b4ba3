#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the message conversations and the message attachments.
class CProcessLoadSMSTask : public CProcessLoadCategoryTask<IMessagesCategory, &IPrivateDataInterface::GetMessages>
{
public:
    explicit CProcessLoadSMSTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IMessagesCategory& category, CGlobalData& store) override;
};
