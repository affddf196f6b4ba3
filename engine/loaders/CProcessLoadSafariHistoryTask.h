#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the Safari history.
class CProcessLoadSafariHistoryTask
    : public CProcessLoadCategoryTask<ISimpleCategory, &IPrivateDataInterface::GetSafariHistory>
{
public:
    explicit CProcessLoadSafariHistoryTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(ISimpleCategory& category, CGlobalData& store) override;
};
