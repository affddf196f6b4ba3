#include "CTaskCallback.h"

#include <QCoreApplication>
#include <QThread>

#if defined(__SANITIZE_THREAD__)
#define DRAVO_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define DRAVO_THREAD_SANITIZER 1
#endif
#endif

namespace {
#if defined(DRAVO_THREAD_SANITIZER)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
char g_handOver;

/// Qt is not built for the thread checker, so it cannot see that a queued signal orders
/// what its sender wrote before what the receiver reads (records of CGlobalData). The
/// emitters release, and every queued call handled on the window thread acquires.
class HandOverFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall)
            __tsan_acquire(&g_handOver);
        return false;
    }
};

void HandOver()
{
    __tsan_release(&g_handOver);
}

void WatchHandOvers(QCoreApplication* app)
{
    if (QThread::currentThread() == app->thread())
        app->installEventFilter(new HandOverFilter(app));
}
#else
void HandOver() { }
void WatchHandOvers(QCoreApplication*) { }
#endif
} // namespace

CTaskCallback* CTaskCallback::GetInstance()
{
    static CTaskCallback* const instance = [] {
        auto* created = new CTaskCallback;
        // Whichever thread asks first, the object belongs to the window thread.
        if (QCoreApplication* app = QCoreApplication::instance()) {
            created->moveToThread(app->thread());
            WatchHandOvers(app);
        }
        return created;
    }();
    return instance;
}

void CTaskCallback::Emit_singalDevConnToPC()
{
    HandOver();
    emit GetInstance()->singalDevConnToPC();
}

void CTaskCallback::Emit_singalDevDisconnFromPC(unsigned long long nDevice)
{
    HandOver();
    emit GetInstance()->singalDevDisconnFromPC(nDevice);
}

void CTaskCallback::Emit_signalConnToDev(int nState, void* pDevice)
{
    HandOver();
    emit GetInstance()->signalConnToDev(nState, pDevice);
}

void CTaskCallback::Emit_signalBackupDevData(int nNotifyType, int nParam)
{
    HandOver();
    emit GetInstance()->signalBackupDevData(nNotifyType, nParam);
}

void CTaskCallback::Emit_signalLoadAddressBookData()
{
    HandOver();
    emit GetInstance()->signalLoadAddressBookData();
}

void CTaskCallback::Emit_signalLoadSMSData()
{
    HandOver();
    emit GetInstance()->signalLoadSMSData();
}

void CTaskCallback::Emit_signalLoadCallLogData()
{
    HandOver();
    emit GetInstance()->signalLoadCallLogData();
}

void CTaskCallback::Emit_signalLoadNoteData()
{
    HandOver();
    emit GetInstance()->signalLoadNoteData();
}

void CTaskCallback::Emit_signalLoadSafariHistoryData()
{
    HandOver();
    emit GetInstance()->signalLoadSafariHistoryData();
}

void CTaskCallback::Emit_signalLoadSafariCookieData()
{
    HandOver();
    emit GetInstance()->signalLoadSafariCookieData();
}

void CTaskCallback::Emit_signalLoadSafariCacheData()
{
    HandOver();
    emit GetInstance()->signalLoadSafariCacheData();
}

void CTaskCallback::Emit_signalLoadPhotoAndVideoData()
{
    HandOver();
    emit GetInstance()->signalLoadPhotoAndVideoData();
}

void CTaskCallback::Emit_signalLoadWhatsAppData()
{
    HandOver();
    emit GetInstance()->signalLoadWhatsAppData();
}

void CTaskCallback::Emit_signalLoadWeChatData()
{
    HandOver();
    emit GetInstance()->signalLoadWeChatData();
}

void CTaskCallback::Emit_signalLoadViberData()
{
    HandOver();
    emit GetInstance()->signalLoadViberData();
}

void CTaskCallback::Emit_signalLoadKikData()
{
    HandOver();
    emit GetInstance()->signalLoadKikData();
}

void CTaskCallback::Emit_signalLoadCallendarData()
{
    HandOver();
    emit GetInstance()->signalLoadCallendarData();
}

void CTaskCallback::Emit_signalLoadBookMarkData()
{
    HandOver();
    emit GetInstance()->signalLoadBookMarkData();
}

void CTaskCallback::Emit_signalLoadVoiceMemosData()
{
    HandOver();
    emit GetInstance()->signalLoadVoiceMemosData();
}

void CTaskCallback::Emit_signalLoadAppSize()
{
    HandOver();
    emit GetInstance()->signalLoadAppSize();
}

void CTaskCallback::Emit_signalEraseSMSData()
{
    HandOver();
    emit GetInstance()->signalEraseSMSData();
}

void CTaskCallback::Emit_signalEraseCallLogData()
{
    HandOver();
    emit GetInstance()->signalEraseCallLogData();
}

void CTaskCallback::Emit_signalEraseNoteData()
{
    HandOver();
    emit GetInstance()->signalEraseNoteData();
}

void CTaskCallback::Emit_signalEraseSMSAttachmentData()
{
    HandOver();
    emit GetInstance()->signalEraseSMSAttachmentData();
}

void CTaskCallback::Emit_signalEraseNoteAttachmentData()
{
    HandOver();
    emit GetInstance()->signalEraseNoteAttachmentData();
}

void CTaskCallback::Emit_signalEraseSafariHistoryData()
{
    HandOver();
    emit GetInstance()->signalEraseSafariHistoryData();
}

void CTaskCallback::Emit_signalEraseSafariCookieData()
{
    HandOver();
    emit GetInstance()->signalEraseSafariCookieData();
}

void CTaskCallback::Emit_signalEraseSafariCacheData()
{
    HandOver();
    emit GetInstance()->signalEraseSafariCacheData();
}

void CTaskCallback::Emit_signalErasePhotoAndVideoData()
{
    HandOver();
    emit GetInstance()->signalErasePhotoAndVideoData();
}

void CTaskCallback::Emit_signalEraseWhatsAppData()
{
    HandOver();
    emit GetInstance()->signalEraseWhatsAppData();
}

void CTaskCallback::Emit_signalEraseWhatsAppAttachmentData()
{
    HandOver();
    emit GetInstance()->signalEraseWhatsAppAttachmentData();
}

void CTaskCallback::Emit_signalEraseWeChatData()
{
    HandOver();
    emit GetInstance()->signalEraseWeChatData();
}

void CTaskCallback::Emit_signalEraseViberData()
{
    HandOver();
    emit GetInstance()->signalEraseViberData();
}

void CTaskCallback::Emit_signalEraseKikData()
{
    HandOver();
    emit GetInstance()->signalEraseKikData();
}

void CTaskCallback::Emit_signalEraseKikAttachmentData()
{
    HandOver();
    emit GetInstance()->signalEraseKikAttachmentData();
}

void CTaskCallback::Emit_signalEraseContactData()
{
    HandOver();
    emit GetInstance()->signalEraseContactData();
}

void CTaskCallback::Emit_signalEraseCalendarData()
{
    HandOver();
    emit GetInstance()->signalEraseCalendarData();
}

void CTaskCallback::Emit_signalEraseBookMarkData()
{
    HandOver();
    emit GetInstance()->signalEraseBookMarkData();
}

void CTaskCallback::Emit_signalEraseVoiceMemoData()
{
    HandOver();
    emit GetInstance()->signalEraseVoiceMemoData();
}

void CTaskCallback::Emit_signalRestoreDevData(int nNotifyType, int nParam)
{
    HandOver();
    emit GetInstance()->signalRestoreDevData(nNotifyType, nParam);
}

void CTaskCallback::Emit_signalFillDataSignal(int nNotifyType, int nParam)
{
    HandOver();
    emit GetInstance()->signalFillDataSignal(nNotifyType, nParam);
}

void CTaskCallback::Emit_signalOneKeyScanRespond(int nScanFlags, int nCount)
{
    HandOver();
    emit GetInstance()->signalOneKeyScanRespond(nScanFlags, nCount);
}

void CTaskCallback::Emit_signalOneKeyClearRespond(int nScanFlags, int nNtStatus, void* pData)
{
    HandOver();
    emit GetInstance()->signalOneKeyClearRespond(nScanFlags, nNtStatus, pData);
}

void CTaskCallback::Emit_signalEraseAllTask(int nMode, int nNotifyType)
{
    HandOver();
    emit GetInstance()->signalEraseAllTask(nMode, nNotifyType);
}

void CTaskCallback::Emit_signalsiTunesClose()
{
    HandOver();
    emit GetInstance()->signalsiTunesClose();
}
