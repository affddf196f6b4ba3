#include "CEraseWhatsAppDataTask.h"

#include "CCtrlEraseWhatsAppDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseWhatsAppDataTask::CEraseWhatsAppDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IWhatsAppCategory>(FromPrivateData(&IPrivateDataInterface::GetWhatsApp),
                                                 EraseRule::ByChatMode, mode, items, &IWhatsAppCategory::CreateEraseAll,
                                                 &IWhatsAppCategory::CreateEraseSelected,
                                                 [result] { return new CCtrlEraseWhatsAppDataCallback(result); }))
{ }
