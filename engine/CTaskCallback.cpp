#include "CTaskCallback.h"

#include <QCoreApplication>

CTaskCallback* CTaskCallback::GetInstance()
{
    static CTaskCallback* const instance = [] {
        auto* created = new CTaskCallback;
        // Whichever thread asks first, the object belongs to the window thread.
        if (QCoreApplication* app = QCoreApplication::instance())
            created->moveToThread(app->thread());
        return created;
    }();
    return instance;
}

void CTaskCallback::Emit_singalDevConnToPC()
{
    emit GetInstance()->singalDevConnToPC();
}

void CTaskCallback::Emit_singalDevDisconnFromPC(unsigned long long nDevice)
{
    emit GetInstance()->singalDevDisconnFromPC(nDevice);
}

void CTaskCallback::Emit_signalConnToDev(int nState, void* pDevice)
{
    emit GetInstance()->signalConnToDev(nState, pDevice);
}

void CTaskCallback::Emit_signalBackupDevData(int nNotifyType, int nParam)
{
    emit GetInstance()->signalBackupDevData(nNotifyType, nParam);
}

void CTaskCallback::Emit_signalLoadAddressBookData()
{
    emit GetInstance()->signalLoadAddressBookData();
}

void CTaskCallback::Emit_signalLoadSMSData()
{
    emit GetInstance()->signalLoadSMSData();
}

void CTaskCallback::Emit_signalLoadCallLogData()
{
    emit GetInstance()->signalLoadCallLogData();
}

void CTaskCallback::Emit_signalLoadNoteData()
{
    emit GetInstance()->signalLoadNoteData();
}

void CTaskCallback::Emit_signalLoadSafariHistoryData()
{
    emit GetInstance()->signalLoadSafariHistoryData();
}

void CTaskCallback::Emit_signalLoadSafariCookieData()
{
    emit GetInstance()->signalLoadSafariCookieData();
}

void CTaskCallback::Emit_signalLoadSafariCacheData()
{
    emit GetInstance()->signalLoadSafariCacheData();
}

void CTaskCallback::Emit_signalLoadPhotoAndVideoData()
{
    emit GetInstance()->signalLoadPhotoAndVideoData();
}

void CTaskCallback::Emit_signalLoadWhatsAppData()
{
    emit GetInstance()->signalLoadWhatsAppData();
}

void CTaskCallback::Emit_signalLoadWeChatData()
{
    emit GetInstance()->signalLoadWeChatData();
}

void CTaskCallback::Emit_signalLoadViberData()
{
    emit GetInstance()->signalLoadViberData();
}

void CTaskCallback::Emit_signalLoadKikData()
{
    emit GetInstance()->signalLoadKikData();
}

void CTaskCallback::Emit_signalLoadCallendarData()
{
    emit GetInstance()->signalLoadCallendarData();
}

void CTaskCallback::Emit_signalLoadBookMarkData()
{
    emit GetInstance()->signalLoadBookMarkData();
}

void CTaskCallback::Emit_signalLoadVoiceMemosData()
{
    emit GetInstance()->signalLoadVoiceMemosData();
}

void CTaskCallback::Emit_signalLoadAppSize()
{
    emit GetInstance()->signalLoadAppSize();
}

void CTaskCallback::Emit_signalEraseSMSData()
{
    emit GetInstance()->signalEraseSMSData();
}

void CTaskCallback::Emit_signalEraseCallLogData()
{
    emit GetInstance()->signalEraseCallLogData();
}

void CTaskCallback::Emit_signalEraseNoteData()
{
    emit GetInstance()->signalEraseNoteData();
}

void CTaskCallback::Emit_signalEraseSMSAttachmentData()
{
    emit GetInstance()->signalEraseSMSAttachmentData();
}

void CTaskCallback::Emit_signalEraseNoteAttachmentData()
{
    emit GetInstance()->signalEraseNoteAttachmentData();
}

void CTaskCallback::Emit_signalEraseSafariHistoryData()
{
    emit GetInstance()->signalEraseSafariHistoryData();
}

void CTaskCallback::Emit_signalEraseSafariCookieData()
{
    emit GetInstance()->signalEraseSafariCookieData();
}

void CTaskCallback::Emit_signalEraseSafariCacheData()
{
    emit GetInstance()->signalEraseSafariCacheData();
}

void CTaskCallback::Emit_signalErasePhotoAndVideoData()
{
    emit GetInstance()->signalErasePhotoAndVideoData();
}

void CTaskCallback::Emit_signalEraseWhatsAppData()
{
    emit GetInstance()->signalEraseWhatsAppData();
}

void CTaskCallback::Emit_signalEraseWhatsAppAttachmentData()
{
    emit GetInstance()->signalEraseWhatsAppAttachmentData();
}

void CTaskCallback::Emit_signalEraseWeChatData()
{
    emit GetInstance()->signalEraseWeChatData();
}

void CTaskCallback::Emit_signalEraseViberData()
{
    emit GetInstance()->signalEraseViberData();
}

void CTaskCallback::Emit_signalEraseKikData()
{
    emit GetInstance()->signalEraseKikData();
}

void CTaskCallback::Emit_signalEraseKikAttachmentData()
{
    emit GetInstance()->signalEraseKikAttachmentData();
}

void CTaskCallback::Emit_signalEraseContactData()
{
    emit GetInstance()->signalEraseContactData();
}

void CTaskCallback::Emit_signalEraseCalendarData()
{
    emit GetInstance()->signalEraseCalendarData();
}

void CTaskCallback::Emit_signalEraseBookMarkData()
{
    emit GetInstance()->signalEraseBookMarkData();
}

void CTaskCallback::Emit_signalEraseVoiceMemoData()
{
    emit GetInstance()->signalEraseVoiceMemoData();
}

void CTaskCallback::Emit_signalRestoreDevData(int nNotifyType, int nParam)
{
    emit GetInstance()->signalRestoreDevData(nNotifyType, nParam);
}

void CTaskCallback::Emit_signalFillDataSignal(int nNotifyType, int nParam)
{
    emit GetInstance()->signalFillDataSignal(nNotifyType, nParam);
}

void CTaskCallback::Emit_signalOneKeyScanRespond(int nScanFlags, int nCount)
{
    emit GetInstance()->signalOneKeyScanRespond(nScanFlags, nCount);
}

void CTaskCallback::Emit_signalOneKeyClearRespond(int nScanFlags, int nNtStatus, void* pData)
{
    emit GetInstance()->signalOneKeyClearRespond(nScanFlags, nNtStatus, pData);
}

void CTaskCallback::Emit_signalEraseAllTask(int nMode, int nNotifyType)
{
    emit GetInstance()->signalEraseAllTask(nMode, nNotifyType);
}

void CTaskCallback::Emit_signalsiTunesClose()
{
    emit GetInstance()->signalsiTunesClose();
}
