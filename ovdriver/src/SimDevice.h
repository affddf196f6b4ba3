#pragma once

#include <ovdriver.h>

#include "SimBackupInterface.h"
#include "SimEraseAllInterface.h"
#include "SimFillInterface.h"
#include "SimOneKeyApps.h"
#include "SimOneKeyCategory.h"
#include "SimPrivateData.h"
#include "SimRestoreInterface.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class DeviceImage;

/// One simulated device, backed by a device image folder. It lives as long as the library,
/// so that the program's pointers to it stay valid across removals and restarts.
class SimDevice final : public IBaseDevice, public IPrivacyCleanDevice
{
public:
    explicit SimDevice(const QString& folder);
    ~SimDevice();
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;

    // IBaseDevice
    const char* UniqueId() override;

    // IPrivacyCleanDevice
    IDeviceOperation* Connect(CCallBack* callback) override;
    bool IsConnected() override;
    int GetBasicInfo(OvBasicInfo** out) override;
    int Reserved3() override { return -1; }
    int GetBackupInterface(IBackupInterface** out) override;
    int GetRestoreInterface(IRestoreInterface** out) override;
    int GetEraseAllInterface(IEraseAllInterface** out) override;
    int GetPrivateDataInterface(IPrivateDataInterface** out) override;
    int GetFillInterface(IFillInterface** out) override;
    bool IsFindMyIPhoneOn() override;
    bool IsBackupEncrypted() override;
    bool IsDeviceLocked() override;
    int GetDeviceInfo(OvDeviceInfo** out) override;
    int GetOneKeyUserStorage(IOneKeyCategory** out) override;
    int GetOneKeyPhotoCaches(IOneKeyCategory** out) override;
    int GetOneKeyDownloadTemp(IOneKeyCategory** out) override;
    int GetOneKeyCrashLogs(IOneKeyCategory** out) override;
    int GetOneKeyCompressPhotos(IOneKeyCategory** out) override;
    int GetOneKeyApps(IOneKeyAppCategory** out) override;
    int Reserved19() override { return -1; }
    int GetOneKeyLargeFiles(IOneKeyCategory** out) override;
    int GetOneKeyTempFiles(IOneKeyCategory** out) override;
    int Reserved22() override { return -1; }
    int GetOneKeyPhotos(IOneKeyCategory** out) override;
    int GetOneKeyiTunesCaches(IOneKeyCategory** out) override;
    int CheckBackupPassword(const char* password) override;
    int RemoveBackup() override;

    // Presence, for the device manager and the jobs.
    const QString& folder() const { return m_folder; }
    const QString& uniqueIdText() const { return m_uniqueIdText; }
    bool markerPresent() const;
    /// Plugged in and not restarting.
    bool isPresent() const;
    void onArrived();
    void onRemoved();
    /// Restarts after a restore: gone at once, back after OVDRIVER_SIM_RESTART_MS.
    void beginRestart();
    /// True once after beginRestart(), so that a restart shorter than the manager's poll
    /// still shows as a removal.
    bool takeRestartRemoval();
    /// Milliseconds until the restart ends, or -1 when not restarting.
    qint64 restartRemainingMs() const;
    /// The device unplugs itself (a fault of its image).
    void leave();
    bool connected() const { return m_connected; }
    bool passwordAccepted() const { return m_passwordAccepted; }

    // The image, for the jobs.
    /// The device's current image, read from disk when it changed.
    bool readImage(DeviceImage& image, QString* error);
    bool writeImage(const DeviceImage& image, QString* error = nullptr);
    QString deviceKey(const DeviceImage& image) const;
    QString backupFolder() const;
    /// Runs `work` with the computer's backup copy of this device (null when there is none)
    /// while no other job touches it.
    void withBackupCopy(const std::function<void(DeviceImage* copy)>& work);
    /// Called after a backup replaced the copy on disk.
    void forgetBackupCopy();

private:
    void fillBlocks(const DeviceImage* image);
    SimOneKeyCategory* oneKey(int code);
    template<class T> int give(T** out, T* value)
    {
        if (!out)
            return -1;
        *out = value;
        return 0;
    }

    const QString m_folder;
    std::string m_uniqueId;
    QString m_uniqueIdText;

    std::mutex m_blockMutex;
    OvBasicInfo m_basic {};
    OvDeviceInfo m_info {};

    std::atomic<bool> m_connected { false };
    std::atomic<bool> m_passwordAccepted { false };

    mutable std::mutex m_stateMutex;
    std::chrono::steady_clock::time_point m_restartUntil {};
    bool m_restartRemovalPending = false;

    std::mutex m_imageMutex;
    QDateTime m_cachedTime;
    qint64 m_cachedSize = -1;
    QJsonObject m_cachedRoot;
    QJsonObject m_cachedSetAside;
    QString m_lastImageError;

    std::mutex m_backupMutex;
    std::unique_ptr<DeviceImage> m_copy;
    QDateTime m_copyTime;
    qint64 m_copySize = -1;

    SimBackupInterface m_backup;
    SimRestoreInterface m_restore;
    SimEraseAllInterface m_eraseAll;
    SimFillInterface m_fill;
    SimPrivateData m_privateData;
    SimOneKeyApps m_apps;
    std::vector<std::unique_ptr<SimOneKeyCategory>> m_oneKey;
};
