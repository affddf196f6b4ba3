#pragma once

#include <QObject>

class CTaskCallback;

/// The emitter of one CTaskCallback signal: tells the thread checker that what the sender
/// wrote before is handed over, then emits on the process-wide object.
template<auto Signal> struct TaskCallbackEmitter;
template<class... Params, void (CTaskCallback::*Signal)(Params...)> struct TaskCallbackEmitter<Signal>
{
    static void Emit(Params... args);
};

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
    /// Orders what the calling thread wrote before the receivers that run next (a no-op
    /// unless the thread checker is built in).
    static void HandOver();

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

public:
    // One emitter per signal, in the signals' order: plain functions that tasks, callbacks
    // and handlers keep as their result functions.
    static constexpr auto Emit_singalDevConnToPC = &TaskCallbackEmitter<&CTaskCallback::singalDevConnToPC>::Emit;
    static constexpr auto Emit_singalDevDisconnFromPC
        = &TaskCallbackEmitter<&CTaskCallback::singalDevDisconnFromPC>::Emit;
    static constexpr auto Emit_signalConnToDev = &TaskCallbackEmitter<&CTaskCallback::signalConnToDev>::Emit;
    static constexpr auto Emit_signalBackupDevData = &TaskCallbackEmitter<&CTaskCallback::signalBackupDevData>::Emit;
    static constexpr auto Emit_signalLoadAddressBookData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadAddressBookData>::Emit;
    static constexpr auto Emit_signalLoadSMSData = &TaskCallbackEmitter<&CTaskCallback::signalLoadSMSData>::Emit;
    static constexpr auto Emit_signalLoadCallLogData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadCallLogData>::Emit;
    static constexpr auto Emit_signalLoadNoteData = &TaskCallbackEmitter<&CTaskCallback::signalLoadNoteData>::Emit;
    static constexpr auto Emit_signalLoadSafariHistoryData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadSafariHistoryData>::Emit;
    static constexpr auto Emit_signalLoadSafariCookieData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadSafariCookieData>::Emit;
    static constexpr auto Emit_signalLoadSafariCacheData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadSafariCacheData>::Emit;
    static constexpr auto Emit_signalLoadPhotoAndVideoData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadPhotoAndVideoData>::Emit;
    static constexpr auto Emit_signalLoadWhatsAppData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadWhatsAppData>::Emit;
    static constexpr auto Emit_signalLoadWeChatData = &TaskCallbackEmitter<&CTaskCallback::signalLoadWeChatData>::Emit;
    static constexpr auto Emit_signalLoadViberData = &TaskCallbackEmitter<&CTaskCallback::signalLoadViberData>::Emit;
    static constexpr auto Emit_signalLoadKikData = &TaskCallbackEmitter<&CTaskCallback::signalLoadKikData>::Emit;
    static constexpr auto Emit_signalLoadCallendarData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadCallendarData>::Emit;
    static constexpr auto Emit_signalLoadBookMarkData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadBookMarkData>::Emit;
    static constexpr auto Emit_signalLoadVoiceMemosData
        = &TaskCallbackEmitter<&CTaskCallback::signalLoadVoiceMemosData>::Emit;
    static constexpr auto Emit_signalLoadAppSize = &TaskCallbackEmitter<&CTaskCallback::signalLoadAppSize>::Emit;
    static constexpr auto Emit_signalEraseSMSData = &TaskCallbackEmitter<&CTaskCallback::signalEraseSMSData>::Emit;
    static constexpr auto Emit_signalEraseCallLogData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseCallLogData>::Emit;
    static constexpr auto Emit_signalEraseNoteData = &TaskCallbackEmitter<&CTaskCallback::signalEraseNoteData>::Emit;
    static constexpr auto Emit_signalEraseSMSAttachmentData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseSMSAttachmentData>::Emit;
    static constexpr auto Emit_signalEraseNoteAttachmentData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseNoteAttachmentData>::Emit;
    static constexpr auto Emit_signalEraseSafariHistoryData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseSafariHistoryData>::Emit;
    static constexpr auto Emit_signalEraseSafariCookieData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseSafariCookieData>::Emit;
    static constexpr auto Emit_signalEraseSafariCacheData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseSafariCacheData>::Emit;
    static constexpr auto Emit_signalErasePhotoAndVideoData
        = &TaskCallbackEmitter<&CTaskCallback::signalErasePhotoAndVideoData>::Emit;
    static constexpr auto Emit_signalEraseWhatsAppData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseWhatsAppData>::Emit;
    static constexpr auto Emit_signalEraseWhatsAppAttachmentData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseWhatsAppAttachmentData>::Emit;
    static constexpr auto Emit_signalEraseWeChatData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseWeChatData>::Emit;
    static constexpr auto Emit_signalEraseViberData = &TaskCallbackEmitter<&CTaskCallback::signalEraseViberData>::Emit;
    static constexpr auto Emit_signalEraseKikData = &TaskCallbackEmitter<&CTaskCallback::signalEraseKikData>::Emit;
    static constexpr auto Emit_signalEraseKikAttachmentData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseKikAttachmentData>::Emit;
    static constexpr auto Emit_signalEraseContactData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseContactData>::Emit;
    static constexpr auto Emit_signalEraseCalendarData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseCalendarData>::Emit;
    static constexpr auto Emit_signalEraseBookMarkData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseBookMarkData>::Emit;
    static constexpr auto Emit_signalEraseVoiceMemoData
        = &TaskCallbackEmitter<&CTaskCallback::signalEraseVoiceMemoData>::Emit;
    static constexpr auto Emit_signalRestoreDevData = &TaskCallbackEmitter<&CTaskCallback::signalRestoreDevData>::Emit;
    static constexpr auto Emit_signalFillDataSignal = &TaskCallbackEmitter<&CTaskCallback::signalFillDataSignal>::Emit;
    static constexpr auto Emit_signalOneKeyScanRespond
        = &TaskCallbackEmitter<&CTaskCallback::signalOneKeyScanRespond>::Emit;
    static constexpr auto Emit_signalOneKeyClearRespond
        = &TaskCallbackEmitter<&CTaskCallback::signalOneKeyClearRespond>::Emit;
    static constexpr auto Emit_signalEraseAllTask = &TaskCallbackEmitter<&CTaskCallback::signalEraseAllTask>::Emit;
    static constexpr auto Emit_signalsiTunesClose = &TaskCallbackEmitter<&CTaskCallback::signalsiTunesClose>::Emit;

private:
    CTaskCallback() = default;
};

template<class... Params, void (CTaskCallback::*Signal)(Params...)>
void TaskCallbackEmitter<Signal>::Emit(Params... args)
{
    CTaskCallback::HandOver();
    emit(CTaskCallback::GetInstance()->*Signal)(args...);
}
