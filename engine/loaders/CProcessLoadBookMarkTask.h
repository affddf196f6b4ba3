#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the Safari bookmarks.
class CProcessLoadBookMarkTask
    : public CProcessLoadCategoryTask<IWholeEraseCategory, &IPrivateDataInterface::GetBookmarks>
{
public:
    explicit CProcessLoadBookMarkTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IWholeEraseCategory& category, CGlobalData& store) override;
};
