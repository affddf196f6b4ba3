#pragma once

#include "DeviceManager.h"
#include "IDeviceAccess.h"
#include "ResultFunctions.h"
#include "WeChatAccountInfo.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <atomic>

struct OvBasicInfo;
struct OvDeviceInfo;
class CCtrlThread;
class CGlobalData;
class CTask;
class CheckItunesThread;

/// The program's single entry point to the device: the device list, the queries, and the
/// posting of every task to the control thread. Every post operation works on the first
/// connected device and posts nothing (returning false or 0) when there is none. It is the
/// engine's IDeviceAccess from construction until it is freed.
class CController : public IDeviceAccess
{
public:
    /// Created on first use: the device manager, then the control thread and the iTunes
    /// watcher, both started at once. Released at process exit.
    static CController* GetInstance();
    /// Stops and joins the control thread (the running job is asked to stop), unregisters
    /// from the library, stops the watcher, then frees everything. The next GetInstance()
    /// makes a new controller. Runs at process exit by itself.
    static void Release();

    DeviceManager* GetDeviceManager() { return m_pDeviceManager; }
    CCtrlThread* GetCtrlThread() { return m_pCtrlThread; }

    // Connection.
    void SetConnectHandler(DeviceHandlerFunc handler, void* user);
    void SetDisconnectHandler(DeviceHandlerFunc handler, void* user);
    void StartDeviceNotifications();
    bool PostConnectDevTask();

    // Queries of the first device.
    /// Refreshes the device fields of the store from the device's information block.
    CGlobalData* LoadDeviceInfo();
    /// The caller's own copy of the first device's information block, or of its basic
    /// block; false, with `copy` zeroed, without a device or a block. The library rewrites
    /// its one block at every request, so requests from any thread take turns here.
    bool GetDeviceInfo(OvDeviceInfo& copy);
    bool GetBasicInfo(OvBasicInfo& copy);
    bool IsFindMyIPhoneOn();
    bool IsBackupEncrypted();
    bool IsDeviceLocked();
    /// 1 when `password` opens the encrypted backup, else 0.
    int CheckBackupPassword(const QString& password);

    // Stopping.
    /// Makes the running loader or callback stop, and every task posted before this call
    /// be dropped unrun; tasks posted afterwards run as usual.
    void StopTasks();
    /// Stops a long job: 0 backup and 1 restore (also ending Apple's backup process), 2 fill.
    void StopDeviceJob(int jobKind);
    /// Reads and clears the stop request of a job kind (0 backup, 1 restore, 2 fill).
    bool TestAndClearStopRequest(int jobKind) override;

    // What the engine asks of the controller.
    DevicePairType FirstDevicePair() const override;
    void RemoveDevice(IBaseDevice* baseDevice) override;

    // Whole-device jobs.
    bool PostBackupDevDataTask();
    /// Removes the device's backup from the computer once the tasks posted before have run:
    /// the erase features post it when an erase has finished with the backup.
    bool PostRemoveBackupTask();
    bool PostRestoreDevDataTask(int restoreType);
    bool PostFillDataTask();
    bool PostEraseAllTask(int mode);
    bool PostLoadAppSizeTask(const QStringList& appNames);
    /// Erases the fragments of apps (name, bundle id) without an erase task of their own from
    /// the backup copy; false, with nothing posted, without a device or when the library
    /// offers no such erase.
    bool PostEraseAppFragmentsTask(const QList<QPair<QString, QString>>& apps);

    // Loaders.
    bool PostLoadSMSDataTask();
    bool PostLoadCallLogDataTask();
    bool PostLoadNoteDataTask();
    bool PostLoadSafariHistoryDataTask();
    bool PostLoadSafariCookieDataTask();
    bool PostLoadSafariCacheDataTask();
    bool PostLoadPhotoAndVideoDataTask();
    bool PostLoadWhatsAppDataTask();
    bool PostLoadWeChatDataTask();
    bool PostLoadViberDataTask();
    bool PostLoadKikDataTask();
    bool PostLoadCallendarDataTask();
    bool PostLoadBookMarkDataTask();
    bool PostLoadVoiceMemosDataTask();

    // Erases: mode 1 erases the listed item handles; see the tasks for the other modes.
    bool PostEraseSMSDataTask(int mode, const QList<quint32>& items);
    bool PostEraseSMSAttachmentTask(int mode, const QList<quint32>& items);
    bool PostEraseCallLogDataTask(int mode, const QList<quint32>& items);
    bool PostEraseNoteDataTask(int mode, const QList<quint32>& items);
    bool PostEraseNoteAttachmentTask(int mode, const QList<quint32>& items);
    bool PostEraseSafariHistoryDataTask(int mode, const QList<quint32>& items);
    bool PostEraseSafariCookieDataTask(int mode, const QList<quint32>& items);
    bool PostEraseSafariCacheDataTask(int mode, const QList<quint32>& items);
    bool PostErasePhotoAndVideoDataTask(int mode, const QList<quint32>& items);
    bool PostEraseWhatsAppDataTask(int mode, const QList<quint32>& items);
    bool PostEraseWhatsAppAttachmentDataTask(int mode, const QList<quint32>& items);
    bool PostEraseViberDataTask(int mode, const QList<quint32>& items);
    bool PostEraseKikDataTask(int mode, const QList<quint32>& items);
    bool PostEraseKikAttachmentDataTask(int mode, const QList<quint32>& items);
    /// One task per account with items; the WeChat end is reported once, after the last
    /// one that could be queued (an account the library gives no erase for is left out).
    bool PostEraseWeChatDataTask(int mode, const QMap<WeChatAccountKey, QList<quint32>>& accounts);
    bool PostEraseContactDataTask();
    bool PostEraseCalendarDataTask();
    bool PostEraseBooMarkDataTask();
    bool PostEraseVoiceMemoDataTask();

    // One-key work.
    /// One scan per category of `mask` (OvOneKeyScanMask bits), each list emptied first;
    /// returns how many were posted.
    int PostOneKeyScanTask(int mask);
    /// One clean of `type` (an OvOneKeyCode), or for apps one uninstall per chosen app, which
    /// leaves the app list; returns how many were posted.
    int PostOneKeyClearTask(int type);

private:
    CController();
    ~CController() override;
    CController(const CController&) = delete;
    CController& operator=(const CController&) = delete;

    IPrivacyCleanDevice* FirstDevice() const;
    /// Posts a task of type Task built from `args` when a device is connected.
    template<class Task, class... Args> bool PostIfDevice(Args&&... args);
    void Post(CTask* task);
    void ClearStopRequest(int jobKind);
    void Shutdown();

    DeviceManager* m_pDeviceManager;
    std::atomic<unsigned int> m_nStopRequests { 0 }; // bit 0 backup, bit 1 restore, bit 2 fill
    CCtrlThread* m_pCtrlThread;
    CheckItunesThread* m_pCheckItunesThread;
};
