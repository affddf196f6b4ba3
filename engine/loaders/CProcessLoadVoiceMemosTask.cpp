#include "CProcessLoadVoiceMemosTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadVoiceMemosTask::CProcessLoadVoiceMemosTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadVoiceMemosTask::ClearLists(CGlobalData& store)
{
    store.m_obLVoiceMemo.clear();
}

void CProcessLoadVoiceMemosTask::Read(IWholeEraseCategory& category, CGlobalData& store)
{
    store.m_obLVoiceMemo.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvVoiceMemoItem*>(category.GetItem(i)); },
        [&](const OvVoiceMemoItem& item) {
            VoiceMemoInfo memo;
            memo.m_strTitle = LibraryText(item.title);
            memo.m_strPath = LibraryText(item.path);
            memo.m_nTime = item.time;
            memo.m_nDuration = item.duration;
            memo.m_nSize = item.size;
            memo.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLVoiceMemo.append(memo);
        });
}
