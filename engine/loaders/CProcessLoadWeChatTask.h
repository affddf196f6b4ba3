#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the WeChat accounts and their messages.
class CProcessLoadWeChatTask : public CProcessLoadCategoryTask<IWeChatCategory, &IPrivateDataInterface::GetWeChat>
{
public:
    explicit CProcessLoadWeChatTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IWeChatCategory& category, CGlobalData& store) override;
};
