#include "CEraseKikDataTask.h"

#include "CCtrlEraseKikDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseKikDataTask::CEraseKikDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IChatCategory>(FromPrivateData(&IPrivateDataInterface::GetKik), EraseRule::ByChatMode,
                                             mode, items, &IChatCategory::CreateEraseAll,
                                             &IChatCategory::CreateEraseSelected,
                                             [result] { return new CCtrlEraseKikDataCallback(result); }))
{ }
