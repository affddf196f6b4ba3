#include "CEraseSafariCookieDataTask.h"

#include "CCtrlEraseSafariCookieDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseSafariCookieDataTask::CEraseSafariCookieDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<ISafariCookieCategory>(
        FromPrivateData(&IPrivateDataInterface::GetSafariCookies), EraseRule::SelectedWhenMode1, mode, items,
        &ISafariCookieCategory::CreateEraseAll, &ISafariCookieCategory::CreateEraseSelected,
        [result] { return new CCtrlEraseSafariCookieDataCallback(result); }))
{ }
