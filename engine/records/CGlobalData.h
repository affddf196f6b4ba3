#pragma once

#include "AppResultInfo.h"
#include "BookMarkInfo.h"
#include "CalendarInfo.h"
#include "CallLogSessionInfo.h"
#include "ContactInfo.h"
#include "FileRecordInfo.h"
#include "KikAttachmentInfo.h"
#include "KikInfo.h"
#include "NoteAttachmentInfo.h"
#include "NoteInfo.h"
#include "OneKeyFileInfo.h"
#include "OneKeyMediaInfo.h"
#include "PhotoVideoInfo.h"
#include "SMSAttachmentInfo.h"
#include "SMSSessionInfo.h"
#include "SafariCacheInfo.h"
#include "SafariCookieInfo.h"
#include "SafariHistoryInfo.h"
#include "ViberInfo.h"
#include "VoiceMemoInfo.h"
#include "WeChatAccountInfo.h"
#include "WeChatSMSInfo.h"
#include "WhatsAppAttachmentInfo.h"
#include "WhatsAppInfo.h"

#include <QMap>
#include <QString>
#include <QVector>

#include <atomic>
#include <mutex>

/// The process-wide store of what the program knows about the connected device.
///
/// Loaders and one-key callbacks write a list on the control thread and then emit the
/// signal of CTaskCallback that announces it; the window thread reads the list after that
/// signal. The one-key lists and the app-size map are also changed by the window thread
/// (emptied before a scan, apps taken out for removal) while a job may change them on the
/// control thread, so every change of them happens under OneKeyLock().
class CGlobalData
{
public:
    /// Created on first use, released at process exit.
    static CGlobalData* GetInstance();

    /// The one-key list of a file type (32, 64, 128, 256, 512, 2048, 2, 8); null for other types.
    QVector<OneKeyFileInfo>* OneKeyFileList(int type);
    /// Guards the one-key lists and the app-size map (see above).
    std::mutex& OneKeyLock() { return m_oneKeyLock; }

    // Device information (CController::LoadDeviceInfo, the connect callback).
    QString m_strDeviceName;
    quint64 m_nFreeSpace = 0;  // bytes; all bits set when there is no device
    quint64 m_nTotalSpace = 0; // bytes
    QString m_strModelName;    // display name, from the device-type table
    QString m_strProductType;
    QString m_strDeviceKey;       // the device's folder on this computer
    QString m_strActivationState; // "Unactivated" before set-up

    // One-key result lists, by type.
    QVector<OneKeyFileInfo> m_obLUserStorage;    // 32
    QVector<OneKeyFileInfo> m_obLPhotoCaches;    // 64
    QVector<OneKeyFileInfo> m_obLDownloadTemp;   // 128
    QVector<OneKeyFileInfo> m_obLCrashLogs;      // 256
    QVector<OneKeyFileInfo> m_obLiTunesCaches;   // 512
    QVector<OneKeyMediaInfo> m_obLPhotos;        // 1024
    QVector<OneKeyFileInfo> m_obLCompressPhotos; // 2048
    QVector<OneKeyFileInfo> m_obLTempFiles;      // 2
    QVector<OneKeyFileInfo> m_obLLargeFiles;     // 8
    QVector<AppResultInfo> m_obLApps;            // 16

    // Private-data lists.
    QVector<SMSSessionInfo> m_obLSMSSession;
    QVector<SMSAttachmentInfo> m_obLSMSAttachment;
    QVector<CallLogSessionInfo> m_obLCallLogSession;
    QVector<NoteInfo> m_obLNote;
    QVector<NoteAttachmentInfo> m_obLNoteAttachment;
    QVector<SafariHistoryInfo> m_obLSafariHistory;
    QVector<SafariCookieInfo> m_obLSafariCookie;
    QVector<SafariCacheInfo> m_obLSafariCache;
    QVector<PhotoVideoInfo> m_obLPhotoAndVideo;
    QVector<WhatsAppInfo> m_obLWhatsApp;
    QVector<WhatsAppAttachmentInfo> m_obLWhatsAppAttachment;
    QVector<WeChatSMSInfo> m_obLWeChat;
    QVector<ViberInfo> m_obLViber;
    QVector<KikInfo> m_obLKik;
    QVector<KikAttachmentInfo> m_obLKikAttachment;
    QVector<CalendarInfo> m_obLCalendar;
    QVector<BookMarkInfo> m_obLBookMark;
    QVector<VoiceMemoInfo> m_obLVoiceMemo;
    QVector<FileRecordInfo> m_obLFileRecord;

    /// The WeChat accounts behind m_obLWeChat, in the library's order.
    QVector<WeChatAccountInfo> m_obLWeChatAccount;

    // Cleared when a backup starts (control thread), so the next load reads the contacts again.
    std::atomic<bool> m_bContactsLoaded { false };
    quint8 m_bReserved = 1;
    QVector<ContactInfo> m_obLContact;

    /// Application name to the size of its data, from the app-size scan.
    QMap<QString, qint64> m_mapAppDataSize;
    /// Application name (as in m_mapAppDataSize) to its bundle id, from the same scan: the
    /// device names some apps in another language.
    QMap<QString, QString> m_mapAppBundleId;

private:
    CGlobalData() = default;
    std::mutex m_oneKeyLock;
};
