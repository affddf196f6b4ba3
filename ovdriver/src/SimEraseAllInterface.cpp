#include "SimEraseAllInterface.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SimDevice.h"
#include "SimOperation.h"

#include <QFile>

IDeviceOperation* SimEraseAllInterface::CreateStage1(CCallBack* callback)
{
    return stage(callback, 1, OV_NOTIFY_ERASEALL_STAGE1,
                 [](DeviceImage& copy) { copy.set("privateData", QJsonObject()); });
}

IDeviceOperation* SimEraseAllInterface::CreateStage2(CCallBack* callback)
{
    return stage(callback, 2, OV_NOTIFY_ERASEALL_STAGE2, [](DeviceImage& copy) {
        const QJsonArray media = copy.array("media");
        for (const QJsonValue& value : media)
            QFile::remove(copy.localPath(value.toObject().value("path").toString()));
        copy.setArray("media", QJsonArray());
    });
}

IDeviceOperation* SimEraseAllInterface::CreateStage4(CCallBack* callback)
{
    return stage(callback, 4, OV_NOTIFY_ERASEALL_STAGE4,
                 [](DeviceImage& copy) { copy.setArray("apps", QJsonArray()); });
}

IDeviceOperation* SimEraseAllInterface::CreateStage8(CCallBack* callback)
{
    return stage(callback, 8, OV_NOTIFY_ERASEALL_STAGE8, [](DeviceImage& copy) {
        copy.setArray("largeFiles", QJsonArray());
        copy.setArray("junk", QJsonArray());
        copy.setArray("tempFiles", QJsonArray());
        copy.set("otherBytes", 0);
    });
}

IDeviceOperation* SimEraseAllInterface::stage(CCallBack* callback, int stage, int answer,
                                              std::function<void(DeviceImage&)> erase)
{
    return SimOperation::make(
        m_device, callback, QString("erase-all stage %1").arg(stage), [this, answer, erase](JobContext& job) {
            job.pause();
            DeviceImage image;
            if (m_device.readImage(image, nullptr) && image.faultCode("eraseAll") != 0) {
                const int fault = image.faultCode("eraseAll");
                job.log(QString("failed with the fault code %1 of its image").arg(fault));
                job.notify(OV_NOTIFY_JOB_FAILED, static_cast<std::uint32_t>(fault));
                return;
            }
            m_device.withBackupCopy([&](DeviceImage* copy) {
                if (!copy) {
                    job.log("failed: there is no backup of this device");
                    job.notify(OV_NOTIFY_JOB_FAILED, static_cast<std::uint32_t>(OvSimError::NoBackup));
                    return;
                }
                erase(*copy);
                QString error;
                if (!copy->save(&error)) {
                    job.log("failed: " + error);
                    job.notify(OV_NOTIFY_JOB_FAILED, static_cast<std::uint32_t>(OvSimError::FileError));
                    return;
                }
                job.log("finished");
                job.notify(answer);
            });
        });
}
