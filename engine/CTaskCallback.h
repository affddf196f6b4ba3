#pragma once

#include <QObject>

/// The process-wide messenger from device work to the window thread. It lives on the
/// window thread, so a signal emitted on the control thread or the library's thread
/// reaches its receivers queued. Every signal has a plain emitter function that tasks,
/// callbacks and handlers keep as their result function. The signals' names and their
/// order are the interface the window side connects to.
class CTaskCallback : public QObject
{
    Q_OBJECT

public:
    /// Created on first use and never deleted.
    static CTaskCallback* GetInstance();

    static void Emit_singalDevConnToPC();
    static void Emit_singalDevDisconnFromPC(unsigned long long nDevice);
    static void Emit_signalConnToDev(int nState, void* pDevice);
    static void Emit_signalBackupDevData(int nNotifyType, int nParam);
    static void Emit_signalLoadAddressBookData();
    static void Emit_signalLoadSMSData();
    static void Emit_signalLoadCallLogData();
    static void Emit_signalLoadNoteData();
    static void Emit_signalLoadSafariHistoryData();
    static void Emit_signalLoadSafariCookieData();
    static void Emit_signalLoadSafariCacheData();
    static void Emit_signalLoadPhotoAndVideoData();
    static void Emit_signalLoadWhatsAppData();
    static void Emit_signalLoadWeChatData();
    static void Emit_signalLoadViberData();
    static void Emit_signalLoadKikData();
    static void Emit_signalLoadCallendarData();
    static void Emit_signalLoadBookMarkData();
    static void Emit_signalLoadVoiceMemosData();
    static void Emit_signalLoadAppSize();
    static void Emit_signalEraseSMSData();
    static void Emit_signalEraseCallLogData();
    static void Emit_signalEraseNoteData();
    static void Emit_signalEraseSMSAttachmentData();
    static void Emit_signalEraseNoteAttachmentData();
    static void Emit_signalEraseSafariHistoryData();
    static void Emit_signalEraseSafariCookieData();
    static void Emit_signalEraseSafariCacheData();
    static void Emit_signalErasePhotoAndVideoData();
    static void Emit_signalEraseWhatsAppData();
    static void Emit_signalEraseWhatsAppAttachmentData();
    static void Emit_signalEraseWeChatData();
    static void Emit_signalEraseViberData();
    static void Emit_signalEraseKikData();
    static void Emit_signalEraseKikAttachmentData();
    static void Emit_signalEraseContactData();
    static void Emit_signalEraseCalendarData();
    static void Emit_signalEraseBookMarkData();
    static void Emit_signalEraseVoiceMemoData();
    static void Emit_signalRestoreDevData(int nNotifyType, int nParam);
    static void Emit_signalFillDataSignal(int nNotifyType, int nParam);
    static void Emit_signalOneKeyScanRespond(int nScanFlags, int nCount);
    static void Emit_signalOneKeyClearRespond(int nScanFlags, int nNtStatus, void* pData);
    static void Emit_signalEraseAllTask(int nMode, int nNotifyType);
    static void Emit_signalsiTunesClose();

signals:
    void singalDevConnToPC();
    void singalDevDisconnFromPC(unsigned long long);
    void signalConnToDev(int, void*);
    void signalBackupDevData(int, int);
    void signalLoadAddressBookData();
    void signalLoadSMSData();
    void signalLoadCallLogData();
    void signalLoadNoteData();
    void signalLoadSafariHistoryData();
    void signalLoadSafariCookieData();
    void signalLoadSafariCacheData();
    void signalLoadPhotoAndVideoData();
    void signalLoadWhatsAppData();
    void signalLoadWeChatData();
    void signalLoadViberData();
    void signalLoadKikData();
    void signalLoadCallendarData();
    void signalLoadBookMarkData();
    void signalLoadVoiceMemosData();
    void signalLoadAppSize();
    void signalEraseSMSData();
    void signalEraseCallLogData();
    void signalEraseNoteData();
    void signalEraseSMSAttachmentData();
    void signalEraseNoteAttachmentData();
    void signalEraseSafariHistoryData();
    void signalEraseSafariCookieData();
    void signalEraseSafariCacheData();
    void signalErasePhotoAndVideoData();
    void signalEraseWhatsAppData();
    void signalEraseWhatsAppAttachmentData();
    void signalEraseWeChatData();
    void signalEraseViberData();
    void signalEraseKikData();
    void signalEraseKikAttachmentData();
    void signalEraseContactData();
    void signalEraseCalendarData();
    void signalEraseBookMarkData();
    void signalEraseVoiceMemoData();
    void signalRestoreDevData(int nNotifyType, int nParam);
    void signalFillDataSignal(int nNotifyType, int nParam);
    void signalOneKeyScanRespond(int, int);
    void signalOneKeyClearRespond(int, int, void*);
    void signalEraseAllTask(int, int);
    void signalsiTunesClose();

private:
    CTaskCallback() = default;
};
