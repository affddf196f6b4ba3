#include "CategoryCore.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SimDevice.h"
#include "SimLog.h"
#include "SimOperation.h"

namespace {

// Far more than any device holds; a larger count is a garbage list, not a selection.
constexpr std::uint32_t kMaxHandles = 50u * 1000u * 1000u;

} // namespace

CategoryCore::CategoryCore(SimDevice& device, const QString& name)
    : m_device(device)
    , m_name(name)
{ }

IDeviceOperation* CategoryCore::createLoad(std::function<void(const DeviceImage* copy)> rebuild)
{
    return SimOperation::makeSilent(m_device, "load " + m_name, [this, rebuild](JobContext& job) {
        job.pause();
        m_device.withBackupCopy([&](DeviceImage* copy) {
            if (!copy)
                job.log("no backup copy to read; the category is empty");
            rebuild(copy);
        });
    });
}

IDeviceOperation* CategoryCore::createErase(CCallBack* callback, const QString& what,
                                            std::function<int(DeviceImage&)> erase)
{
    return SimOperation::make(m_device, callback, "erase " + what, [this, erase](JobContext& job) {
        job.pause();
        m_device.withBackupCopy([&](DeviceImage* copy) {
            if (!copy) {
                job.log("failed: there is no backup copy to erase from");
                job.notify(OV_NOTIFY_JOB_FAILED, static_cast<std::uint32_t>(OvSimError::NoBackup));
                return;
            }
            const QJsonObject before = copy->root();
            const int erased = erase(*copy);
            QString error;
            // Saved whenever anything changed: clearing fragments alone removes no record.
            if (copy->root() != before && !copy->save(&error)) {
                job.log("failed: " + error);
                job.notify(OV_NOTIFY_JOB_FAILED, static_cast<std::uint32_t>(OvSimError::FileError));
                return;
            }
            job.log(QString("%1 items erased from the backup copy").arg(erased));
            job.notify(OV_NOTIFY_ERASE_DONE, static_cast<std::uint32_t>(erased));
        });
    });
}

void CategoryCore::clearFragments(DeviceImage& copy, const QString& bundleId)
{
    QJsonArray apps = copy.array("apps");
    for (int i = 0; i < apps.size(); ++i) {
        QJsonObject app = apps.at(i).toObject();
        if (app.value("bundleId").toString() != bundleId)
            continue;
        const double fragments = app.value("fragmentBytes").toDouble();
        app.insert("dataSize", qMax(0.0, app.value("dataSize").toDouble() - fragments));
        app.insert("fragmentBytes", 0);
        apps.replace(i, app);
    }
    copy.setArray("apps", apps);
}

bool CategoryCore::copyHandles(const OvItemList& list, std::vector<std::uint32_t>& handles)
{
    if (list.count == 0)
        return true;
    if (!list.handles || list.count > kMaxHandles)
        return false;
    handles.assign(list.handles, list.handles + list.count);
    return true;
}

IDeviceOperation* CategoryCore::createRefused(CCallBack* callback, const QString& what, const QString& why)
{
    return SimOperation::make(m_device, callback, "erase " + what, [why](JobContext& job) {
        job.log("refused: " + why);
        job.notify(OV_NOTIFY_JOB_FAILED, static_cast<std::uint32_t>(OvSimError::BadArgument));
    });
}

void CategoryCore::logUnknown(const QString& what, int unknown)
{
    SimLog::write(QString("%1 erase %2: %3 handles name no item of the last load")
                      .arg(m_device.uniqueIdText(), what)
                      .arg(unknown));
}
