#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the voice memos.
class CProcessLoadVoiceMemosTask
    : public CProcessLoadCategoryTask<IWholeEraseCategory, &IPrivateDataInterface::GetVoiceMemos>
{
public:
    explicit CProcessLoadVoiceMemosTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IWholeEraseCategory& category, CGlobalData& store) override;
};
