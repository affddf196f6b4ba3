#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the Safari cache (the library gives its texts wide).
class CProcessLoadSafariCacheTask
    : public CProcessLoadCategoryTask<ISafariCacheCategory, &IPrivateDataInterface::GetSafariCache>
{
public:
    explicit CProcessLoadSafariCacheTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(ISafariCacheCategory& category, CGlobalData& store) override;
};
