#include "CEraseSafariHistoryDataTask.h"

#include "CCtrlEraseSafariHistoryDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseSafariHistoryDataTask::CEraseSafariHistoryDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<ISimpleCategory>(FromPrivateData(&IPrivateDataInterface::GetSafariHistory),
                                               EraseRule::SelectedWhenMode1, mode, items,
                                               &ISimpleCategory::CreateEraseAll, &ISimpleCategory::CreateEraseSelected,
                                               [result] { return new CCtrlEraseSafariHistoryDataCallback(result); }))
{ }
