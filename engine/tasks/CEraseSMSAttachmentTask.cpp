#include "CEraseSMSAttachmentTask.h"

#include "CCtrlEraseSMSAttachmentCallback.h"
#include "EraseProcessBuilder.h"

CEraseSMSAttachmentTask::CEraseSMSAttachmentTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IMessagesCategory>(
        FromPrivateData(&IPrivateDataInterface::GetMessages), EraseRule::SelectedWhenMode1, mode, items,
        &IMessagesCategory::CreateEraseAll, &IMessagesCategory::CreateEraseAttachments,
        [result] { return new CCtrlEraseSMSAttachmentCallback(result); }))
{ }
