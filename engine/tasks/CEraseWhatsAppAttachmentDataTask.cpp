#include "CEraseWhatsAppAttachmentDataTask.h"

#include "CCtrlEraseWhatsAppAttachmentDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseWhatsAppAttachmentDataTask::CEraseWhatsAppAttachmentDataTask(int mode, const QList<quint32>& items,
                                                                   VoidResultFunc result)
    : CTask(BuildEraseProcess<IWhatsAppCategory>(
        FromPrivateData(&IPrivateDataInterface::GetWhatsApp), EraseRule::ByChatMode, mode, items,
        &IWhatsAppCategory::CreateEraseAll, &IWhatsAppCategory::CreateEraseAttachments,
        [result] { return new CCtrlEraseWhatsAppAttachmentDataCallback(result); }))
{ }
