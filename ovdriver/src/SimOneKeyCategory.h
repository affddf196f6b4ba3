#pragma once

#include <ovdriver.h>

#include <QJsonObject>
#include <QStringList>

#include <mutex>

class DeviceImage;
class JobContext;
class SimDevice;

/// One one-key category of a device: junk (32, 64, 128, 256, 512), temporary files (2),
/// compressible photos (2048), all photos and videos (1024) or large files (8). Works on the
/// device itself, not on a backup.
class SimOneKeyCategory final : public IOneKeyCategory
{
public:
    SimOneKeyCategory(SimDevice& device, int code);
    ~SimOneKeyCategory() = default;
    int code() const { return m_code; }

    IDeviceOperation* CreateScan(CCallBack* callback) override;
    IDeviceOperation* CreateClean(CCallBack* callback) override;
    IDeviceOperation* CreateProcess(CCallBack* callback) override;
    int AddItem(const void* item) override;
    IDeviceOperation* CreateExport(CCallBack* callback) override;

private:
    QString arrayKey() const;
    bool belongs(const QJsonObject& entry) const;
    bool isJunkOrTemp() const;
    OvOneKeyFileItem fileItem(const QJsonObject& entry) const;
    OvOneKeyMediaItem mediaItem(const QJsonObject& entry, const DeviceImage& image) const;
    QStringList takePending();
    IDeviceOperation* unsupported(CCallBack* callback, const QString& job);

    void scan(JobContext& job);
    void clean(JobContext& job);
    void compress(JobContext& job, const QStringList& paths);
    void exportItems(JobContext& job, const QStringList& paths, bool deleteAfter);

    SimDevice& m_device;
    const int m_code;
    std::mutex m_pendingMutex;
    QStringList m_pending;
};
