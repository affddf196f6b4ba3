#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the call history, each number named from the contacts.
class CProcessLoadCallLogTask : public CProcessLoadCategoryTask<ISimpleCategory, &IPrivateDataInterface::GetCallLog>
{
public:
    explicit CProcessLoadCallLogTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(ISimpleCategory& category, CGlobalData& store) override;
};
