#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the Kik messages and attachments.
class CProcessLoadKikTask : public CProcessLoadCategoryTask<IChatCategory, &IPrivateDataInterface::GetKik>
{
public:
    explicit CProcessLoadKikTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IChatCategory& category, CGlobalData& store) override;
};
