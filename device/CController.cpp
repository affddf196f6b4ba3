#include "CController.h"

#include "CBackupDevDataTask.h"
#include "CConnectTask.h"
#include "CCtrlEraseWeChatDataCallback.h"
#include "CCtrlThread.h"
#include "CEraseAllTask.h"
#include "CEraseAppFragmentsTask.h"
#include "CEraseBooMarkDataTask.h"
#include "CEraseCalendarDataTask.h"
#include "CEraseCallLogDataTask.h"
#include "CEraseContactDataTask.h"
#include "CEraseKikAttachmentDataTask.h"
#include "CEraseKikDataTask.h"
#include "CEraseNoteAttachmentTask.h"
#include "CEraseNoteDataTask.h"
#include "CErasePhotoAndVideoDataTask.h"
#include "CEraseSMSAttachmentTask.h"
#include "CEraseSMSDataTask.h"
#include "CEraseSafariCacheDataTask.h"
#include "CEraseSafariCookieDataTask.h"
#include "CEraseSafariHistoryDataTask.h"
#include "CEraseViberDataTask.h"
#include "CEraseVoiceMemoDataTask.h"
#include "CEraseWeChatDataTask.h"
#include "CEraseWhatsAppAttachmentDataTask.h"
#include "CEraseWhatsAppDataTask.h"
#include "CFillDataTask.h"
#include "CGlobalData.h"
#include "CLoadAppSizeTask.h"
#include "CLoadBookMarkDataTask.h"
#include "CLoadCallLogDataTask.h"
#include "CLoadCallendarDataTask.h"
#include "CLoadKikDataTask.h"
#include "CLoadNoteDataTask.h"
#include "CLoadPhotoAndVideoDataTask.h"
#include "CLoadSMSDataTask.h"
#include "CLoadSafariCacheDataTask.h"
#include "CLoadSafariCookieDataTask.h"
#include "CLoadSafariHistoryDataTask.h"
#include "CLoadViberDataTask.h"
#include "CLoadVoiceMemosDataTask.h"
#include "CLoadWeChatDataTask.h"
#include "CLoadWhatsAppDataTask.h"
#include "COneKeyClearTask.h"
#include "COneKeyScanTask.h"
#include "CProcessConsole.h"
#include "CRemoveBackupTask.h"
#include "CRestoreDevDataTask.h"
#include "CTaskCallback.h"
#include "CheckItunesThread.h"
#include "DeviceInfoBlocks.h"
#include "Log.h"
#include "OneKeyConversions.h"
#include "RecordConversions.h"
#include "ovdriver.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {
std::mutex g_instanceMutex;
CController* g_pInstance = nullptr;
bool g_bExitRoutineRegistered = false;

void ReleaseAtExit()
{
    CController::Release();
}
} // namespace

CController* CController::GetInstance()
{
    std::lock_guard<std::mutex> lock(g_instanceMutex);
    if (!g_pInstance) {
        // The store outlives the controller: its exit routine is registered first and so
        // runs after the controller's, once no thread can write it any more.
        CGlobalData::GetInstance();
        g_pInstance = new CController;
        if (!g_bExitRoutineRegistered) {
            g_bExitRoutineRegistered = true;
            std::atexit(ReleaseAtExit);
            // With an application object, end the threads while it still exists.
            if (QCoreApplication::instance())
                qAddPostRoutine(ReleaseAtExit);
        }
    }
    return g_pInstance;
}

void CController::Release()
{
    CController* controller;
    {
        std::lock_guard<std::mutex> lock(g_instanceMutex);
        controller = g_pInstance;
    }
    if (!controller)
        return;
    // Still reachable while it shuts down: the last task and the library's last report
    // may ask for it.
    controller->Shutdown();
    {
        std::lock_guard<std::mutex> lock(g_instanceMutex);
        g_pInstance = nullptr;
    }
    delete controller;
}

CController::CController()
    : m_pDeviceManager(new DeviceManager)
    , m_pCtrlThread(new CCtrlThread)
    , m_pCheckItunesThread(new CheckItunesThread)
{
    m_pCheckItunesThread->SetHandler(CTaskCallback::Emit_signalsiTunesClose);
    m_pCheckItunesThread->start(QThread::InheritPriority);
    IDeviceAccess::registerInstance(this);
}

CController::~CController()
{
    IDeviceAccess::unregisterInstance(this);
    delete m_pCtrlThread;
    delete m_pDeviceManager;
    delete m_pCheckItunesThread;
}

void CController::Shutdown()
{
    // Make the running job end at its next notification, then let the thread finish it.
    StopTasks();
    m_nStopRequests = 0x7;
    m_pCtrlThread->Stop();
    m_pDeviceManager->StopDeviceNotifications();
    m_pCheckItunesThread->Stop();
}

DevicePairType CController::FirstDevicePair() const
{
    return m_pDeviceManager->DevicePair(0);
}

void CController::RemoveDevice(IBaseDevice* baseDevice)
{
    m_pDeviceManager->RemoveDevice(baseDevice);
}

IPrivacyCleanDevice* CController::FirstDevice() const
{
    return m_pDeviceManager->DevicePair(0).second;
}

void CController::Post(CTask* task)
{
    m_pCtrlThread->Post(task);
}

template<class Task, class... Args> bool CController::PostIfDevice(Args&&... args)
{
    if (!FirstDevice())
        return false;
    Post(new Task(std::forward<Args>(args)...));
    return true;
}

void CController::SetConnectHandler(DeviceHandlerFunc handler, void* user)
{
    m_pDeviceManager->SetConnectHandler(handler, user);
}

void CController::SetDisconnectHandler(DeviceHandlerFunc handler, void* user)
{
    m_pDeviceManager->SetDisconnectHandler(handler, user);
}

void CController::StartDeviceNotifications()
{
    m_pDeviceManager->StartDeviceNotifications();
}

bool CController::PostConnectDevTask()
{
    const DevicePairType pair = m_pDeviceManager->DevicePair(0);
    if (!pair.second)
        return false;
    DebugLog("CController::PostConnectDevTask() IBaseDevice:%08x", PointerLogValue(pair.first));
    FileLog("connect to ios device start. IBaseDevice:%08x", PointerLogValue(pair.first));
    Post(new CConnectTask(CTaskCallback::Emit_signalConnToDev));
    return true;
}

CGlobalData* CController::LoadDeviceInfo()
{
    CGlobalData* store = CGlobalData::GetInstance();
    OvDeviceInfo info;
    if (!GetDeviceInfo(info)) {
        store->m_strDeviceName.clear();
        store->m_nFreeSpace = static_cast<quint64>(-1);
        return store;
    }
    store->m_strDeviceName = FieldText(info.deviceName, sizeof info.deviceName);
    store->m_strProductType = FieldText(info.productType, sizeof info.productType);
    store->m_strDeviceKey = FieldText(info.deviceKey, sizeof info.deviceKey);
    store->m_strActivationState = FieldText(info.activationState, sizeof info.activationState);
    store->m_nFreeSpace = info.freeBytes;
    store->m_nTotalSpace = info.totalBytes;
    return store;
}

bool CController::GetDeviceInfo(OvDeviceInfo& copy)
{
    return CopyDeviceInfo(FirstDevice(), copy);
}

bool CController::GetBasicInfo(OvBasicInfo& copy)
{
    return CopyBasicInfo(FirstDevice(), copy);
}

bool CController::IsFindMyIPhoneOn()
{
    IPrivacyCleanDevice* device = FirstDevice();
    return device && device->IsFindMyIPhoneOn();
}

bool CController::IsBackupEncrypted()
{
    IPrivacyCleanDevice* device = FirstDevice();
    return device && device->IsBackupEncrypted();
}

bool CController::IsDeviceLocked()
{
    IPrivacyCleanDevice* device = FirstDevice();
    return device && device->IsDeviceLocked();
}

int CController::CheckBackupPassword(const QString& password)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return 0;
    const std::string narrow = password.toStdString();
    return device->CheckBackupPassword(narrow.c_str()) != 0 ? 1 : 0;
}

void CController::StopTasks()
{
    m_pCtrlThread->Cancel();
}

void CController::StopDeviceJob(int jobKind)
{
    if (jobKind < 0 || jobKind > 2)
        return;
    if (jobKind != 2)
        KillProcessByName("AppleMobileBackup.exe");
    m_nStopRequests.fetch_or(1u << jobKind);
}

bool CController::TestAndClearStopRequest(int jobKind)
{
    if (jobKind < 0 || jobKind > 2)
        return false;
    const unsigned int bit = 1u << jobKind;
    return (m_nStopRequests.fetch_and(~bit) & bit) != 0;
}

void CController::ClearStopRequest(int jobKind)
{
    m_nStopRequests.fetch_and(~(1u << jobKind));
}

bool CController::PostBackupDevDataTask()
{
    if (!FirstDevice())
        return false;
    ClearStopRequest(0);
    FileLog("back up data start.");
    Post(new CBackupDevDataTask(CTaskCallback::Emit_signalBackupDevData));
    return true;
}

bool CController::PostRemoveBackupTask()
{
    if (!FirstDevice())
        return false;
    FileLog("remove backup start.");
    Post(new CRemoveBackupTask());
    return true;
}

bool CController::PostRestoreDevDataTask(int restoreType)
{
    if (!FirstDevice())
        return false;
    ClearStopRequest(1);
    FileLog("restore data start. restore type:%d", restoreType);
    Post(new CRestoreDevDataTask(restoreType, CTaskCallback::Emit_signalRestoreDevData));
    return true;
}

bool CController::PostFillDataTask()
{
    if (!FirstDevice())
        return false;
    ClearStopRequest(2);
    FileLog("fill data start.");
    Post(new CFillDataTask(CTaskCallback::Emit_signalFillDataSignal));
    return true;
}

bool CController::PostEraseAllTask(int mode)
{
    return PostIfDevice<CEraseAllTask>(mode, CTaskCallback::Emit_signalEraseAllTask);
}

bool CController::PostLoadAppSizeTask(const QStringList& appNames)
{
    return PostIfDevice<CLoadAppSizeTask>(appNames, CTaskCallback::Emit_signalLoadAppSize);
}

bool CController::PostEraseAppFragmentsTask(const QList<QPair<QString, QString>>& apps)
{
    auto* task = new CEraseAppFragmentsTask(apps);
    if (task->IsEmpty()) {
        delete task;
        return false;
    }
    FileLog("erase app fragments start. apps:%d", static_cast<int>(apps.size()));
    Post(task);
    return true;
}

bool CController::PostLoadSMSDataTask()
{
    return PostIfDevice<CLoadSMSDataTask>(CTaskCallback::Emit_signalLoadSMSData);
}

bool CController::PostLoadCallLogDataTask()
{
    return PostIfDevice<CLoadCallLogDataTask>(CTaskCallback::Emit_signalLoadCallLogData);
}

bool CController::PostLoadNoteDataTask()
{
    return PostIfDevice<CLoadNoteDataTask>(CTaskCallback::Emit_signalLoadNoteData);
}

bool CController::PostLoadSafariHistoryDataTask()
{
    return PostIfDevice<CLoadSafariHistoryDataTask>(CTaskCallback::Emit_signalLoadSafariHistoryData);
}

bool CController::PostLoadSafariCookieDataTask()
{
    return PostIfDevice<CLoadSafariCookieDataTask>(CTaskCallback::Emit_signalLoadSafariCookieData);
}

bool CController::PostLoadSafariCacheDataTask()
{
    return PostIfDevice<CLoadSafariCacheDataTask>(CTaskCallback::Emit_signalLoadSafariCacheData);
}

bool CController::PostLoadPhotoAndVideoDataTask()
{
    return PostIfDevice<CLoadPhotoAndVideoDataTask>(CTaskCallback::Emit_signalLoadPhotoAndVideoData);
}

bool CController::PostLoadWhatsAppDataTask()
{
    return PostIfDevice<CLoadWhatsAppDataTask>(CTaskCallback::Emit_signalLoadWhatsAppData);
}

bool CController::PostLoadWeChatDataTask()
{
    return PostIfDevice<CLoadWeChatDataTask>(CTaskCallback::Emit_signalLoadWeChatData);
}

bool CController::PostLoadViberDataTask()
{
    return PostIfDevice<CLoadViberDataTask>(CTaskCallback::Emit_signalLoadViberData);
}

bool CController::PostLoadKikDataTask()
{
    return PostIfDevice<CLoadKikDataTask>(CTaskCallback::Emit_signalLoadKikData);
}

bool CController::PostLoadCallendarDataTask()
{
    return PostIfDevice<CLoadCallendarDataTask>(CTaskCallback::Emit_signalLoadCallendarData);
}

bool CController::PostLoadBookMarkDataTask()
{
    return PostIfDevice<CLoadBookMarkDataTask>(CTaskCallback::Emit_signalLoadBookMarkData);
}

bool CController::PostLoadVoiceMemosDataTask()
{
    return PostIfDevice<CLoadVoiceMemosDataTask>(CTaskCallback::Emit_signalLoadVoiceMemosData);
}

bool CController::PostEraseSMSDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseSMSDataTask>(mode, items, CTaskCallback::Emit_signalEraseSMSData);
}

bool CController::PostEraseSMSAttachmentTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseSMSAttachmentTask>(mode, items, CTaskCallback::Emit_signalEraseSMSAttachmentData);
}

bool CController::PostEraseCallLogDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseCallLogDataTask>(mode, items, CTaskCallback::Emit_signalEraseCallLogData);
}

bool CController::PostEraseNoteDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseNoteDataTask>(mode, items, CTaskCallback::Emit_signalEraseNoteData);
}

bool CController::PostEraseNoteAttachmentTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseNoteAttachmentTask>(mode, items, CTaskCallback::Emit_signalEraseNoteAttachmentData);
}

bool CController::PostEraseSafariHistoryDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseSafariHistoryDataTask>(mode, items, CTaskCallback::Emit_signalEraseSafariHistoryData);
}

bool CController::PostEraseSafariCookieDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseSafariCookieDataTask>(mode, items, CTaskCallback::Emit_signalEraseSafariCookieData);
}

bool CController::PostEraseSafariCacheDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseSafariCacheDataTask>(mode, items, CTaskCallback::Emit_signalEraseSafariCacheData);
}

bool CController::PostErasePhotoAndVideoDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CErasePhotoAndVideoDataTask>(mode, items, CTaskCallback::Emit_signalErasePhotoAndVideoData);
}

bool CController::PostEraseWhatsAppDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseWhatsAppDataTask>(mode, items, CTaskCallback::Emit_signalEraseWhatsAppData);
}

bool CController::PostEraseWhatsAppAttachmentDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseWhatsAppAttachmentDataTask>(mode, items,
                                                          CTaskCallback::Emit_signalEraseWhatsAppAttachmentData);
}

bool CController::PostEraseViberDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseViberDataTask>(mode, items, CTaskCallback::Emit_signalEraseViberData);
}

bool CController::PostEraseKikDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseKikDataTask>(mode, items, CTaskCallback::Emit_signalEraseKikData);
}

bool CController::PostEraseKikAttachmentDataTask(int mode, const QList<quint32>& items)
{
    return PostIfDevice<CEraseKikAttachmentDataTask>(mode, items, CTaskCallback::Emit_signalEraseKikAttachmentData);
}

bool CController::PostEraseWeChatDataTask(int mode, const QMap<WeChatAccountKey, QList<quint32>>& accounts)
{
    if (!FirstDevice())
        return false;
    std::vector<CTask*> tasks;
    for (auto it = accounts.constBegin(); it != accounts.constEnd(); ++it) {
        // An account the library gave no interface for has nothing to erase, and would
        // keep the end from being told if it were counted.
        if (it.value().isEmpty() || !it.key().first)
            continue;
        auto* task
            = new CEraseWeChatDataTask(mode, it.key().first, it.value(), CTaskCallback::Emit_signalEraseWeChatData);
        // An empty task never reports, so counting it would keep the end from being told.
        if (task->IsEmpty())
            delete task;
        else
            tasks.push_back(task);
    }
    // The countdown is set before any of them can run.
    CCtrlEraseWeChatDataCallback::SetCountdown(static_cast<int>(tasks.size()));
    for (CTask* task : tasks)
        Post(task);
    return !tasks.empty();
}

bool CController::PostEraseContactDataTask()
{
    return PostIfDevice<CEraseContactDataTask>(CTaskCallback::Emit_signalEraseContactData);
}

bool CController::PostEraseCalendarDataTask()
{
    return PostIfDevice<CEraseCalendarDataTask>(CTaskCallback::Emit_signalEraseCalendarData);
}

bool CController::PostEraseBooMarkDataTask()
{
    return PostIfDevice<CEraseBooMarkDataTask>(CTaskCallback::Emit_signalEraseBookMarkData);
}

bool CController::PostEraseVoiceMemoDataTask()
{
    return PostIfDevice<CEraseVoiceMemoDataTask>(CTaskCallback::Emit_signalEraseVoiceMemoData);
}

int CController::PostOneKeyScanTask(int mask)
{
    if (!FirstDevice())
        return 0;
    std::vector<int> types;
    if (mask & OV_SCAN_JUNK)
        types.insert(types.end(),
                     { OV_ONEKEY_USER_STORAGE, OV_ONEKEY_PHOTO_CACHES, OV_ONEKEY_DOWNLOAD_TEMP, OV_ONEKEY_CRASH_LOGS,
                       OV_ONEKEY_ITUNES_CACHES });
    if (mask & OV_SCAN_TEMP_FILES)
        types.push_back(OV_ONEKEY_TEMP_FILES);
    if (mask & OV_SCAN_PHOTOS)
        types.insert(types.end(), { OV_ONEKEY_COMPRESS_PHOTOS, OV_ONEKEY_PHOTOS });
    if (mask & OV_SCAN_LARGE_FILES)
        types.push_back(OV_ONEKEY_LARGE_FILES);
    if (mask & OV_SCAN_APPS)
        types.push_back(OV_ONEKEY_APPS);

    CGlobalData* store = CGlobalData::GetInstance();
    for (const int type : types) {
        {
            std::unique_lock<std::mutex> lock(store->OneKeyLock());
            if (QVector<OneKeyFileInfo>* files = store->OneKeyFileList(type))
                files->clear();
            else if (type == OV_ONEKEY_PHOTOS)
                store->m_obLPhotos.clear();
            else
                store->m_obLApps.clear();
        }
        Post(new COneKeyScanTask(type, CTaskCallback::Emit_signalOneKeyScanRespond));
    }
    return static_cast<int>(types.size());
}

int CController::PostOneKeyClearTask(int type)
{
    if (!FirstDevice())
        return 0;
    if (!(type & OV_ONEKEY_APPS)) {
        Post(new COneKeyClearTask(type, CTaskCallback::Emit_signalOneKeyClearRespond));
        return 1;
    }
    std::vector<OvAppDescriptor> chosen;
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::unique_lock<std::mutex> lock(store->OneKeyLock());
        QVector<AppResultInfo>& apps = store->m_obLApps;
        for (int i = 0; i < apps.size();) {
            if (apps.at(i).m_bChecked) {
                chosen.push_back(ToOvAppDescriptor(apps.at(i)));
                apps.remove(i);
            } else {
                ++i;
            }
        }
    }
    for (const OvAppDescriptor& app : chosen)
        Post(new COneKeyClearTask(type, CTaskCallback::Emit_signalOneKeyClearRespond, &app));
    return static_cast<int>(chosen.size());
}
