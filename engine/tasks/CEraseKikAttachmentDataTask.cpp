#include "CEraseKikAttachmentDataTask.h"

#include "CCtrlEraseKikAttachmentDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseKikAttachmentDataTask::CEraseKikAttachmentDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IChatCategory>(FromPrivateData(&IPrivateDataInterface::GetKik), EraseRule::ByChatMode,
                                             mode, items, &IChatCategory::CreateEraseAll,
                                             &IChatCategory::CreateEraseAttachments,
                                             [result] { return new CCtrlEraseKikAttachmentDataCallback(result); }))
{ }
