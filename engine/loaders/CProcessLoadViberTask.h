#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the Viber messages.
class CProcessLoadViberTask : public CProcessLoadCategoryTask<IChatCategory, &IPrivateDataInterface::GetViber>
{
public:
    explicit CProcessLoadViberTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IChatCategory& category, CGlobalData& store) override;
};
