#include "CEraseSMSDataTask.h"

#include "CCtrlEraseSMSDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseSMSDataTask::CEraseSMSDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IMessagesCategory>(
        FromPrivateData(&IPrivateDataInterface::GetMessages), EraseRule::SelectedWhenMode1, mode, items,
        &IMessagesCategory::CreateEraseAll, &IMessagesCategory::CreateEraseSelected,
        [result] { return new CCtrlEraseSMSDataCallback(result); }))
{ }
