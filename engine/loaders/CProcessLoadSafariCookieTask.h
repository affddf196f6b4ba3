#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the Safari cookies.
class CProcessLoadSafariCookieTask
    : public CProcessLoadCategoryTask<ISafariCookieCategory, &IPrivateDataInterface::GetSafariCookies>
{
public:
    explicit CProcessLoadSafariCookieTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(ISafariCookieCategory& category, CGlobalData& store) override;
};
