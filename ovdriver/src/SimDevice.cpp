#include "SimDevice.h"

#include "BackupFolders.h"
#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SimDeviceManager.h"
#include "SimEnvironment.h"
#include "SimLog.h"
#include "SimOperation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cstring>

namespace {

// Every text of the contract is UTF-8; a text too long for its field is cut before a whole
// character, never inside one.
void copyText(char* target, std::size_t capacity, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), capacity - 1);
    while (length > 0 && length < static_cast<std::size_t>(bytes.size())
           && (static_cast<unsigned char>(bytes[static_cast<int>(length)]) & 0xC0) == 0x80)
        --length;
    std::memcpy(target, bytes.constData(), length);
    target[length] = '\0';
}

const int kOneKeyCodes[] = { OV_ONEKEY_USER_STORAGE,    OV_ONEKEY_PHOTO_CACHES,  OV_ONEKEY_DOWNLOAD_TEMP,
                             OV_ONEKEY_CRASH_LOGS,      OV_ONEKEY_ITUNES_CACHES, OV_ONEKEY_TEMP_FILES,
                             OV_ONEKEY_COMPRESS_PHOTOS, OV_ONEKEY_PHOTOS,        OV_ONEKEY_LARGE_FILES };

} // namespace

SimDevice::SimDevice(const QString& folder)
    : m_folder(QDir(folder).absolutePath())
    , m_backup(*this)
    , m_restore(*this)
    , m_eraseAll(*this)
    , m_fill(*this)
    , m_privateData(*this)
    , m_apps(*this)
{
    DeviceImage image(m_folder);
    QString error;
    m_uniqueIdText = image.load(&error) ? image.text("uniqueId") : QFileInfo(m_folder).fileName();
    m_uniqueId = m_uniqueIdText.toStdString();
    for (int code : kOneKeyCodes)
        m_oneKey.push_back(std::make_unique<SimOneKeyCategory>(*this, code));
    fillBlocks(error.isEmpty() ? &image : nullptr);
}

SimDevice::~SimDevice() = default;

const char* SimDevice::UniqueId()
{
    return m_uniqueId.c_str();
}

IDeviceOperation* SimDevice::Connect(CCallBack* callback)
{
    return SimOperation::make(*this, callback, "connect", [this](JobContext& job) {
        job.pause();
        if (!isPresent()) {
            job.log("failed: the device is not plugged in or is restarting");
            job.notify(OV_NOTIFY_CONNECT_FAILED, static_cast<std::uint32_t>(OvSimError::DeviceGone));
            return;
        }
        DeviceImage image;
        QString error;
        if (!readImage(image, &error) || !image.checkContent(&error)) {
            job.log("failed: " + error);
            job.notify(OV_NOTIFY_CONNECT_FAILED, static_cast<std::uint32_t>(OvSimError::BadImage));
            return;
        }
        if (const int fault = image.faultCode("connect")) {
            job.log(QString("failed with the fault code %1 of its image").arg(fault));
            job.notify(OV_NOTIFY_CONNECT_FAILED, static_cast<std::uint32_t>(fault));
            return;
        }
        // A filler left by a fill that never ended (a killed program) goes with the new connection.
        QFile::remove(image.fillerPath());
        // The blocks are refreshed when they are asked for: rewriting them here, on the
        // job's thread, would change them under a caller reading them on another thread.
        if (!image.flag("trusted")) {
            job.log("this computer is not trusted yet");
            job.notify(OV_NOTIFY_NOT_TRUSTED);
            return;
        }
        m_connected = true;
        job.log("connected");
        job.notify(OV_NOTIFY_READY);
    });
}

bool SimDevice::IsConnected()
{
    return m_connected && isPresent();
}

int SimDevice::GetBasicInfo(OvBasicInfo** out)
{
    if (!out)
        return -1;
    DeviceImage image;
    const bool ok = readImage(image, nullptr);
    fillBlocks(ok ? &image : nullptr);
    *out = &m_basic;
    return ok ? 0 : -1;
}

int SimDevice::GetBackupInterface(IBackupInterface** out)
{
    return give<IBackupInterface>(out, &m_backup);
}

int SimDevice::GetRestoreInterface(IRestoreInterface** out)
{
    return give<IRestoreInterface>(out, &m_restore);
}

int SimDevice::GetEraseAllInterface(IEraseAllInterface** out)
{
    return give<IEraseAllInterface>(out, &m_eraseAll);
}

int SimDevice::GetPrivateDataInterface(IPrivateDataInterface** out)
{
    return give<IPrivateDataInterface>(out, &m_privateData);
}

int SimDevice::GetFillInterface(IFillInterface** out)
{
    return give<IFillInterface>(out, &m_fill);
}

bool SimDevice::IsFindMyIPhoneOn()
{
    DeviceImage image;
    return readImage(image, nullptr) && image.flag("findMyIPhone");
}

bool SimDevice::IsBackupEncrypted()
{
    DeviceImage image;
    return readImage(image, nullptr) && image.flag("backupEncrypted") && !m_passwordAccepted;
}

bool SimDevice::IsDeviceLocked()
{
    DeviceImage image;
    return readImage(image, nullptr) && image.flag("locked");
}

int SimDevice::GetDeviceInfo(OvDeviceInfo** out)
{
    if (!out)
        return -1;
    DeviceImage image;
    const bool ok = readImage(image, nullptr);
    fillBlocks(ok ? &image : nullptr);
    *out = &m_info;
    return ok ? 0 : -1;
}

SimOneKeyCategory* SimDevice::oneKey(int code)
{
    for (const auto& category : m_oneKey) {
        if (category->code() == code)
            return category.get();
    }
    return nullptr;
}

int SimDevice::GetOneKeyUserStorage(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_USER_STORAGE));
}

int SimDevice::GetOneKeyPhotoCaches(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_PHOTO_CACHES));
}

int SimDevice::GetOneKeyDownloadTemp(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_DOWNLOAD_TEMP));
}

int SimDevice::GetOneKeyCrashLogs(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_CRASH_LOGS));
}

int SimDevice::GetOneKeyCompressPhotos(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_COMPRESS_PHOTOS));
}

int SimDevice::GetOneKeyApps(IOneKeyAppCategory** out)
{
    return give<IOneKeyAppCategory>(out, &m_apps);
}

int SimDevice::GetOneKeyLargeFiles(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_LARGE_FILES));
}

int SimDevice::GetOneKeyTempFiles(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_TEMP_FILES));
}

int SimDevice::GetOneKeyPhotos(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_PHOTOS));
}

int SimDevice::GetOneKeyiTunesCaches(IOneKeyCategory** out)
{
    return give<IOneKeyCategory>(out, oneKey(OV_ONEKEY_ITUNES_CACHES));
}

int SimDevice::CheckBackupPassword(const char* password)
{
    if (!password) {
        SimLog::write(m_uniqueIdText + " password check: refused, no password given");
        return 0;
    }
    DeviceImage image;
    if (!readImage(image, nullptr))
        return 0;
    if (!image.flag("backupEncrypted"))
        return 1;
    const bool correct = QString::fromUtf8(password) == image.text("backupPassword");
    if (correct)
        m_passwordAccepted = true;
    SimLog::write(m_uniqueIdText + (correct ? " backup password accepted" : " backup password refused"));
    return correct ? 1 : 0;
}

int SimDevice::RemoveBackup()
{
    std::lock_guard<std::mutex> lock(m_backupMutex);
    m_copy.reset();
    m_copySize = -1;
    const QString folder = backupFolder();
    if (!QFileInfo::exists(folder))
        return 0;
    const bool removed = BackupFolders::remove(folder);
    SimLog::write(m_uniqueIdText + (removed ? " backup removed" : " backup not removed: not one this library made"));
    return removed ? 0 : -1;
}

bool SimDevice::markerPresent() const
{
    return QFileInfo::exists(m_folder + "/plugged");
}

bool SimDevice::isPresent() const
{
    return markerPresent() && restartRemainingMs() < 0;
}

void SimDevice::onArrived()
{
    m_connected = false;
    m_fill.resetPasses();
    SimLog::write(QString("%1 arrived (%2)").arg(m_uniqueIdText, m_folder));
}

void SimDevice::onRemoved()
{
    m_connected = false;
    SimLog::write(QString("%1 removed").arg(m_uniqueIdText));
}

void SimDevice::beginRestart()
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_restartUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(SimEnvironment::restartMs());
        m_restartRemovalPending = true;
    }
    m_connected = false;
    SimLog::write(m_uniqueIdText + " restarts");
    SimDeviceManager::instance().wake();
}

bool SimDevice::takeRestartRemoval()
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    const bool pending = m_restartRemovalPending;
    m_restartRemovalPending = false;
    return pending;
}

qint64 SimDevice::restartRemainingMs() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    const auto now = std::chrono::steady_clock::now();
    if (now >= m_restartUntil)
        return -1;
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_restartUntil - now).count();
}

void SimDevice::leave()
{
    DeviceImage(m_folder).setPlugged(false);
    m_connected = false;
    SimDeviceManager::instance().wake();
}

bool SimDevice::readImage(DeviceImage& image, QString* error)
{
    image = DeviceImage(m_folder);
    const QFileInfo info(image.jsonPath());
    {
        std::lock_guard<std::mutex> lock(m_imageMutex);
        if (info.exists() && info.lastModified() == m_cachedTime && info.size() == m_cachedSize) {
            image.root() = m_cachedRoot;
            image.setSetAside(m_cachedSetAside);
            return true;
        }
    }
    QString why;
    if (!image.load(&why)) {
        if (error)
            *error = why;
        // Queries ask many times a second; one line per distinct problem is enough.
        std::lock_guard<std::mutex> lock(m_imageMutex);
        if (why != m_lastImageError)
            SimLog::write(QString("%1: %2").arg(m_uniqueIdText, why));
        m_lastImageError = why;
        m_cachedSize = -1;
        return false;
    }
    for (const QString& warning : image.warnings())
        SimLog::write(QString("%1: %2").arg(m_uniqueIdText, warning));
    std::lock_guard<std::mutex> lock(m_imageMutex);
    m_lastImageError.clear();
    m_cachedTime = info.lastModified();
    m_cachedSize = info.size();
    m_cachedRoot = image.root();
    m_cachedSetAside = image.setAside();
    return true;
}

bool SimDevice::writeImage(const DeviceImage& image, QString* error)
{
    QString why;
    const auto held = image.lock();
    DeviceImage merged = image;
    DeviceImage disk(image.folder());
    if (!held)
        why = "the image is locked by another process: " + image.jsonPath() + ".lock";
    else if (disk.load(nullptr))
        merged.keepControlsOf(disk);
    if (!held || !merged.save(&why)) {
        SimLog::write(QString("%1: %2").arg(m_uniqueIdText, why));
        if (error)
            *error = why;
        return false;
    }
    const QFileInfo info(image.jsonPath());
    std::lock_guard<std::mutex> lock(m_imageMutex);
    m_cachedTime = info.lastModified();
    m_cachedSize = info.size();
    m_cachedRoot = merged.root();
    m_cachedSetAside = merged.setAside();
    return true;
}

QString SimDevice::deviceKey(const DeviceImage& image) const
{
    const QString uniqueId = image.text("uniqueId");
    return SimEnvironment::deviceKey(m_folder, uniqueId.isEmpty() ? m_uniqueIdText : uniqueId);
}

QString SimDevice::backupFolder() const
{
    return SimEnvironment::backupFolder(m_uniqueIdText);
}

void SimDevice::withBackupCopy(const std::function<void(DeviceImage* copy)>& work)
{
    std::lock_guard<std::mutex> lock(m_backupMutex);
    const QString folder = backupFolder();
    const QFileInfo info(folder + "/device.json");
    if (!info.exists()) {
        m_copy.reset();
        work(nullptr);
        return;
    }
    // Reread when another backup folder is configured or the file changed under us.
    if (!m_copy || m_copy->folder() != QDir(folder).absolutePath() || info.lastModified() != m_copyTime
        || info.size() != m_copySize) {
        auto copy = std::make_unique<DeviceImage>(folder);
        QString error;
        if (!copy->load(&error)) {
            SimLog::write(QString("%1 backup copy: %2").arg(m_uniqueIdText, error));
            m_copy.reset();
            work(nullptr);
            return;
        }
        for (const QString& warning : copy->warnings())
            SimLog::write(QString("%1 backup copy: %2").arg(m_uniqueIdText, warning));
        m_copy = std::move(copy);
    }
    work(m_copy.get());
    // The work may have saved the copy, as a new file: private like the rest of the backup.
    BackupFolders::makeFilePrivate(folder + "/device.json");
    const QFileInfo after(folder + "/device.json");
    m_copyTime = after.lastModified();
    m_copySize = after.size();
}

void SimDevice::forgetBackupCopy()
{
    std::lock_guard<std::mutex> lock(m_backupMutex);
    m_copy.reset();
    m_copySize = -1;
}

void SimDevice::fillBlocks(const DeviceImage* image)
{
    std::lock_guard<std::mutex> lock(m_blockMutex);
    const QString name = image ? image->text("name") : QFileInfo(m_folder).fileName();
    const QString productType = image ? image->text("productType") : QString();
    copyText(m_basic.deviceName, sizeof m_basic.deviceName, name);
    copyText(m_basic.productType, sizeof m_basic.productType, productType);
    copyText(m_basic.uniqueId, sizeof m_basic.uniqueId, m_uniqueIdText);
    copyText(m_info.deviceName, sizeof m_info.deviceName, name);
    copyText(m_info.productType, sizeof m_info.productType, productType);
    copyText(m_info.serialNumber, sizeof m_info.serialNumber, image ? image->text("serialNumber") : QString());
    copyText(m_info.productVersion, sizeof m_info.productVersion, image ? image->text("productVersion") : QString());
    copyText(m_info.deviceKey, sizeof m_info.deviceKey,
             image ? deviceKey(*image) : SimEnvironment::deviceKey(m_folder, m_uniqueIdText));
    copyText(m_info.activationState, sizeof m_info.activationState, image ? image->text("activationState") : QString());
    m_info.freeBytes = image ? image->freeBytes() : 0;
    m_info.totalBytes = image ? image->totalBytes() : 0;
}
