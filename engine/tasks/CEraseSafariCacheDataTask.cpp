#include "CEraseSafariCacheDataTask.h"

#include "CCtrlEraseSafariCacheDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseSafariCacheDataTask::CEraseSafariCacheDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<ISafariCacheCategory>(
        FromPrivateData(&IPrivateDataInterface::GetSafariCache), EraseRule::SelectedWhenMode1, mode, items,
        &ISafariCacheCategory::CreateEraseAll, &ISafariCacheCategory::CreateEraseSelected,
        [result] { return new CCtrlEraseSafariCacheDataCallback(result); }))
{ }
