#include "CEraseCallLogDataTask.h"

#include "CCtrlEraseCallLogDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseCallLogDataTask::CEraseCallLogDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<ISimpleCategory>(FromPrivateData(&IPrivateDataInterface::GetCallLog),
                                               EraseRule::SelectedWhenMode1, mode, items,
                                               &ISimpleCategory::CreateEraseAll, &ISimpleCategory::CreateEraseSelected,
                                               [result] { return new CCtrlEraseCallLogDataCallback(result); }))
{ }
