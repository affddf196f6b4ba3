#include "SimBackupInterface.h"

#include "BackupFolders.h"
#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SimDevice.h"
#include "SimEnvironment.h"
#include "SimOperation.h"
#include "SparseFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#if defined(__linux__)
#include <fcntl.h>
#include <stdio.h>
#endif

namespace {

// Puts the complete new copy in the place of the old one. Where the system can swap two
// folders in one step there is no moment without a copy; elsewhere the old copy is only
// renamed aside until the new one is in place.
bool replaceFolder(const QString& complete, const QString& target, QString* error)
{
#if defined(__linux__) && defined(RENAME_EXCHANGE)
    if (QFileInfo(target).isDir()
        && ::renameat2(AT_FDCWD, QFile::encodeName(complete).constData(), AT_FDCWD,
                       QFile::encodeName(target).constData(), RENAME_EXCHANGE)
            == 0) {
        SimEnvironment::removeTree(complete); // now the old copy
        return true;
    }
#endif
    const QString aside = complete + ".old";
    if (QFileInfo(target).isDir() && !QDir().rename(target, aside)) {
        *error = "cannot move the previous backup aside: " + target;
        return false;
    }
    if (!QDir().rename(complete, target)) {
        QDir().rename(aside, target);
        *error = "cannot move the new backup to " + target;
        return false;
    }
    SimEnvironment::removeTree(aside);
    return true;
}

} // namespace

IDeviceOperation* SimBackupInterface::CreateBackup(CCallBack* callback)
{
    return SimOperation::make(m_device, callback, "backup", [this](JobContext& job) { run(job); });
}

void SimBackupInterface::run(JobContext& job)
{
    auto fail = [&job](int code, const QString& why) { job.fail(OV_NOTIFY_BACKUP_FAILED, code, why); };
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_BACKUP_FAILED))
        return;
    QString error;
    if (image.text("activationState") == "Unactivated")
        return fail(OvSimError::NotSetUp, "the device is not activated");
    if (image.flag("locked") || !image.flag("trusted"))
        return fail(OvSimError::NotTrusted, "the device is locked or does not trust this computer");
    if (image.flag("backupEncrypted") && !m_device.passwordAccepted())
        return fail(OvSimError::Encrypted, "the backup is encrypted and no password was given");
    const int fault = image.faultCode("backup");

    QStringList files;
    const QJsonArray media = image.array("media");
    for (const QJsonValue& value : media)
        files << value.toObject().value("path").toString();

    // The new copy grows beside the old one and replaces it only when complete, so a stop or
    // a failure leaves the previous backup as it was.
    const QString target = m_device.backupFolder();
    // Named for this process, so that two processes backing up never share a folder.
    const QString partial = QString("%1.partial-%2").arg(target).arg(QCoreApplication::applicationPid());
    SimEnvironment::removeTree(partial);
    // Private from the first moment, and marked at once so that even a copy left behind by a
    // crash is recognised as ours and removed when the program ends.
    if (!BackupFolders::createPrivate(partial) || !BackupFolders::writeMarker(partial))
        return fail(-36, "cannot create " + partial);
    DeviceImage copy(partial);
    auto abandon = [&partial] { SimEnvironment::removeTree(partial); };

    job.log(QString("started, %1 files to %2").arg(files.size()).arg(target));
    const int steps = std::max(10, static_cast<int>(files.size()));
    int copied = 0;
    for (int step = 1; step <= steps; ++step) {
        const int until = static_cast<int>(files.size() * static_cast<qint64>(step) / steps);
        for (; copied < until; ++copied) {
            const QString source = image.localPath(files[copied]);
            if (!QFileInfo(source).isFile()) {
                abandon();
                return fail(OvSimError::BadImage, "missing content file " + source);
            }
            if (!SparseFile::copy(source, copy.localPath(files[copied]), &error)) {
                abandon();
                return fail(-36, error);
            }
        }
        job.leaveIfAsked(image, step, steps);
        if (job.deviceGone()) {
            abandon();
            return fail(OvSimError::DeviceGone, "the device left during the backup");
        }
        if (fault != 0 && step * 10 >= steps * 3) {
            abandon();
            return fail(fault, "the fault of its image");
        }
        if (!job.notify(OV_NOTIFY_BACKUP_PROGRESS, static_cast<std::uint32_t>(step * 100 / steps))) {
            abandon();
            job.notifyAfterStop(OV_NOTIFY_BACKUP_FAILED, OV_ERROR_STOPPED);
            return;
        }
        job.pause();
    }

    copy.root() = image.root();
    copy.root().remove("faults");
    // What opens the backup must not travel with it.
    copy.root().remove("backupPassword");
    copy.set("backupTime", QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    if (!copy.save(&error)) {
        abandon();
        return fail(-36, error);
    }
    BackupFolders::makePrivate(partial);
    if (!replaceFolder(partial, target, &error)) {
        abandon();
        return fail(-36, error);
    }
    m_device.forgetBackupCopy();
    job.log("finished");
    job.notify(OV_NOTIFY_BACKUP_END);
}
