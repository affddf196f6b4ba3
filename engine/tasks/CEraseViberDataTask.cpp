#include "CEraseViberDataTask.h"

#include "CCtrlEraseViberDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseViberDataTask::CEraseViberDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IChatCategory>(FromPrivateData(&IPrivateDataInterface::GetViber), EraseRule::ByChatMode,
                                             mode, items, &IChatCategory::CreateEraseAll,
                                             &IChatCategory::CreateEraseSelected,
                                             [result] { return new CCtrlEraseViberDataCallback(result); }))
{ }
