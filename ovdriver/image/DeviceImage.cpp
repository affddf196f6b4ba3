#include "DeviceImage.h"

#include "AtomicFile.h"
#include "ovdriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLockFile>

#include <algorithm>
#include <cmath>

namespace {

const char* const kManifestArrays[] = { "media", "largeFiles", "junk", "tempFiles", "apps" };

// Records whose "size" occupies space on the device besides the manifest's files.
const char* const kSizedPrivateCategories[]
    = { "noteAttachments", "voiceMemos", "safariCache", "whatsAppAttachments", "kikAttachments" };

bool checkFiles(const DeviceImage& image, const QString& key, QString* error)
{
    const QJsonArray entries = image.array(key);
    for (const QJsonValue& value : entries) {
        const QString path = value.toObject().value("path").toString();
        if (!QFileInfo(image.localPath(path)).isFile()) {
            *error = QString("missing content file %1 (%2)").arg(path, image.localPath(path));
            return false;
        }
    }
    return true;
}

} // namespace

const QStringList& DeviceImage::privateCategories()
{
    static const QStringList categories { "messages",
                                          "contacts",
                                          "callLog",
                                          "notes",
                                          "noteAttachments",
                                          "calendar",
                                          "bookmarks",
                                          "voiceMemos",
                                          "safariHistory",
                                          "safariCookies",
                                          "safariCache",
                                          "whatsApp",
                                          "whatsAppAttachments",
                                          "weChat",
                                          "viber",
                                          "kik",
                                          "kikAttachments" };
    return categories;
}

const QList<int>& DeviceImage::junkCodes()
{
    static const QList<int> codes { OV_ONEKEY_USER_STORAGE, OV_ONEKEY_PHOTO_CACHES, OV_ONEKEY_DOWNLOAD_TEMP,
                                    OV_ONEKEY_CRASH_LOGS, OV_ONEKEY_ITUNES_CACHES };
    return codes;
}

DeviceImage::DeviceImage(const QString& folder)
    : m_folder(QDir(folder).absolutePath())
{ }

QString DeviceImage::jsonPath() const
{
    return m_folder + "/device.json";
}

QString DeviceImage::markerPath() const
{
    return m_folder + "/plugged";
}

QString DeviceImage::localPath(const QString& devicePath) const
{
    QString relative = QDir::cleanPath(devicePath);
    while (relative.startsWith('/'))
        relative.remove(0, 1);
    // A manifest path must not reach outside the image, nor carry a NUL that the file
    // system calls would cut it at.
    if (relative.startsWith("../") || relative == ".." || relative.contains(QChar(0)))
        relative = "invalid-path";
    return m_folder + "/fs/" + relative;
}

bool DeviceImage::exists() const
{
    return QFileInfo(jsonPath()).isFile();
}

bool DeviceImage::load(QString* error)
{
    QString dummy;
    QString& why = error ? *error : dummy;
    m_root = QJsonObject();
    m_setAside = QJsonObject();
    m_warnings.clear();
    QFile file(jsonPath());
    if (!file.open(QIODevice::ReadOnly)) {
        why = QString("cannot read %1: %2").arg(jsonPath(), file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        why = QString("malformed %1 at offset %2: %3")
                  .arg(jsonPath())
                  .arg(parseError.offset)
                  .arg(parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        why = QString("malformed %1: the top level is not an object").arg(jsonPath());
        return false;
    }
    const QJsonObject root = document.object();
    for (const char* key : { "name", "uniqueId", "productType" }) {
        if (!root.value(key).isString() || root.value(key).toString().isEmpty()) {
            why = QString("malformed %1: \"%2\" must be a non-empty text").arg(jsonPath(), key);
            return false;
        }
    }
    if (!root.value("totalBytes").isDouble() || root.value("totalBytes").toDouble() <= 0) {
        why = QString("malformed %1: \"totalBytes\" must be a positive number").arg(jsonPath());
        return false;
    }
    for (const char* key : kManifestArrays) {
        if (root.contains(key) && !root.value(key).isArray()) {
            why = QString("malformed %1: \"%2\" must be an array").arg(jsonPath(), key);
            return false;
        }
        const QJsonArray entries = root.value(key).toArray();
        for (const QJsonValue& entry : entries) {
            if (!entry.isObject()) {
                why = QString("malformed %1: an entry of \"%2\" is not an object").arg(jsonPath(), key);
                return false;
            }
            if (QString(key) != "apps" && !entry.toObject().value("path").isString()) {
                why = QString("malformed %1: an entry of \"%2\" has no \"path\"").arg(jsonPath(), key);
                return false;
            }
        }
    }
    if (root.contains("privateData") && !root.value("privateData").isObject()) {
        why = QString("malformed %1: \"privateData\" must be an object").arg(jsonPath());
        return false;
    }
    const QJsonObject privateData = root.value("privateData").toObject();
    for (auto it = privateData.begin(); it != privateData.end(); ++it) {
        if (!it.value().isArray()) {
            why = QString("malformed %1: privateData \"%2\" must be an array").arg(jsonPath(), it.key());
            return false;
        }
    }
    m_root = root;
    setAsideRecordsWithoutUniqueIds();
    return true;
}

void DeviceImage::setAsideRecordsWithoutUniqueIds()
{
    m_setAside = QJsonObject();
    m_warnings.clear();
    auto sift = [this](const QString& name, const QJsonArray& records, QJsonArray& kept) {
        QHash<qint64, int> uses;
        for (const QJsonValue& value : records)
            ++uses[idOf(value.toObject())];
        QJsonArray aside;
        int missing = 0;
        int shared = 0;
        for (const QJsonValue& value : records) {
            const QJsonValue id = value.toObject().value("id");
            const bool valid = id.isDouble() && id.toDouble() >= 1 && id.toDouble() == std::floor(id.toDouble());
            if (valid && uses.value(idOf(value.toObject())) == 1) {
                kept.append(value);
                continue;
            }
            aside.append(value);
            ++(valid ? shared : missing);
        }
        if (aside.isEmpty())
            return false;
        m_setAside.insert(name, aside);
        m_warnings << QString("%1: %2 records of \"%3\" refused (%4 without a valid id, %5 sharing an id)")
                          .arg(jsonPath())
                          .arg(aside.size())
                          .arg(name)
                          .arg(missing)
                          .arg(shared);
        return true;
    };
    QJsonArray media;
    if (sift("media", array("media"), media))
        setArray("media", media);
    const QJsonObject privateData = m_root.value("privateData").toObject();
    for (auto it = privateData.begin(); it != privateData.end(); ++it) {
        if (it.key() == "weChatAccounts")
            continue; // names, not records
        QJsonArray kept;
        if (sift(it.key(), it.value().toArray(), kept))
            setPrivateArray(it.key(), kept);
    }
}

bool DeviceImage::save(QString* error) const
{
    QJsonObject root = m_root;
    QJsonObject privateData = root.value("privateData").toObject();
    for (auto it = m_setAside.begin(); it != m_setAside.end(); ++it) {
        QJsonArray merged = it.key() == "media" ? root.value("media").toArray() : privateData.value(it.key()).toArray();
        for (const QJsonValue& value : it.value().toArray())
            merged.append(value);
        if (it.key() == "media")
            root.insert("media", merged);
        else
            privateData.insert(it.key(), merged);
    }
    if (!privateData.isEmpty() || root.contains("privateData"))
        root.insert("privateData", privateData);
    return AtomicFile::write(jsonPath(), QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}

bool DeviceImage::checkContent(QString* error) const
{
    QString dummy;
    QString& why = error ? *error : dummy;
    for (const char* key : { "media", "largeFiles", "junk" }) {
        if (!checkFiles(*this, key, &why))
            return false;
    }
    const QJsonArray media = array("media");
    for (const QJsonValue& value : media) {
        const QJsonObject item = value.toObject();
        if (item.value("kind").toString() != "photo")
            continue;
        // Only the header is read: enough to refuse a file that is no image at all.
        QImageReader reader(localPath(item.value("path").toString()));
        if (!reader.canRead()) {
            why = QString("unreadable image %1 (%2)")
                      .arg(item.value("path").toString(), localPath(item.value("path").toString()));
            return false;
        }
    }
    return true;
}

std::unique_ptr<QLockFile> DeviceImage::lock(int timeoutMs) const
{
    QDir().mkpath(m_folder);
    auto file = std::make_unique<QLockFile>(jsonPath() + ".lock");
    if (!file->tryLock(timeoutMs))
        return nullptr;
    return file;
}

void DeviceImage::keepControlsOf(const DeviceImage& disk)
{
    for (const char* key :
         { "trusted", "locked", "faults", "findMyIPhone", "activationState", "backupEncrypted", "backupPassword" }) {
        if (disk.root().contains(key))
            m_root.insert(key, disk.root().value(key));
        else
            m_root.remove(key);
    }
}

bool DeviceImage::isPlugged() const
{
    return QFileInfo::exists(markerPath());
}

bool DeviceImage::setPlugged(bool plugged) const
{
    if (!plugged)
        return !QFileInfo::exists(markerPath()) || QFile::remove(markerPath());
    QFile marker(markerPath());
    return marker.exists() || marker.open(QIODevice::WriteOnly);
}

QString DeviceImage::text(const QString& key) const
{
    return m_root.value(key).toString();
}

bool DeviceImage::flag(const QString& key) const
{
    return m_root.value(key).toBool();
}

quint64 DeviceImage::number(const QString& key) const
{
    const double value = m_root.value(key).toDouble();
    return value > 0 ? static_cast<quint64>(value) : 0;
}

void DeviceImage::set(const QString& key, const QJsonValue& value)
{
    m_root.insert(key, value);
}

QJsonArray DeviceImage::array(const QString& key) const
{
    return m_root.value(key).toArray();
}

void DeviceImage::setArray(const QString& key, const QJsonArray& value)
{
    m_root.insert(key, value);
}

QJsonArray DeviceImage::privateArray(const QString& category) const
{
    return m_root.value("privateData").toObject().value(category).toArray();
}

void DeviceImage::setPrivateArray(const QString& category, const QJsonArray& value)
{
    QJsonObject privateData = m_root.value("privateData").toObject();
    privateData.insert(category, value);
    m_root.insert("privateData", privateData);
}

QStringList DeviceImage::weChatAccounts() const
{
    QStringList accounts;
    const QJsonArray listed = m_root.value("privateData").toObject().value("weChatAccounts").toArray();
    for (const QJsonValue& value : listed) {
        if (!value.toString().isEmpty() && !accounts.contains(value.toString()))
            accounts << value.toString();
    }
    // An account named only by its messages is an account too.
    const QJsonArray messages = privateArray("weChat");
    for (const QJsonValue& value : messages) {
        const QString account = value.toObject().value("account").toString();
        if (!account.isEmpty() && !accounts.contains(account))
            accounts << account;
    }
    return accounts;
}

qint64 DeviceImage::takeId()
{
    const qint64 id = qMax<qint64>(1, m_root.value("nextId").toVariant().toLongLong());
    m_root.insert("nextId", id + 1);
    return id;
}

int DeviceImage::faultCode(const QString& operation) const
{
    return m_root.value("faults").toObject().value(operation).toInt(0);
}

QString DeviceImage::leaveDuring() const
{
    return m_root.value("faults").toObject().value("leave").toString();
}

void DeviceImage::setFault(const QString& operation, const QJsonValue& value)
{
    QJsonObject faults = m_root.value("faults").toObject();
    if (value.isNull() || (value.isDouble() && value.toInt() == 0) || (value.isString() && value.toString().isEmpty()))
        faults.remove(operation);
    else
        faults.insert(operation, value);
    m_root.insert("faults", faults);
}

QString DeviceImage::fillerPath() const
{
    return m_folder + "/filler.bin";
}

quint64 DeviceImage::totalBytes() const
{
    return number("totalBytes");
}

quint64 DeviceImage::usedBytes() const
{
    quint64 used = number("systemBytes") + number("otherBytes");
    for (const char* key : { "media", "largeFiles", "junk", "tempFiles" }) {
        const QJsonArray entries = array(key);
        for (const QJsonValue& value : entries)
            used += sizeOf(value.toObject());
    }
    const QJsonArray apps = array("apps");
    for (const QJsonValue& value : apps) {
        const QJsonObject app = value.toObject();
        used += static_cast<quint64>(qMax(0.0, app.value("staticSize").toDouble()))
            + static_cast<quint64>(qMax(0.0, app.value("dataSize").toDouble()));
    }
    for (const char* key : kSizedPrivateCategories) {
        const QJsonArray records = privateArray(key);
        for (const QJsonValue& value : records)
            used += sizeOf(value.toObject());
    }
    used += static_cast<quint64>(std::max<qint64>(0, QFileInfo(fillerPath()).size()));
    const QJsonArray conversations = privateArray("messages");
    for (const QJsonValue& conversation : conversations) {
        const QJsonArray messages = conversation.toObject().value("messages").toArray();
        for (const QJsonValue& message : messages) {
            const QJsonArray attachments = message.toObject().value("attachments").toArray();
            for (const QJsonValue& attachment : attachments)
                used += sizeOf(attachment.toObject());
        }
    }
    return qMin(used, totalBytes());
}

quint64 DeviceImage::freeBytes() const
{
    return totalBytes() - usedBytes();
}

int DeviceImage::removePrivateRecords(const QString& category, const std::function<bool(const QJsonObject&)>& match)
{
    const QJsonArray records = privateArray(category);
    QJsonArray kept;
    int removed = 0;
    for (const QJsonValue& value : records) {
        if (match(value.toObject()))
            ++removed;
        else
            kept.append(value);
    }
    if (removed > 0)
        setPrivateArray(category, kept);
    return removed;
}

int DeviceImage::removeDeletedMessages()
{
    const QJsonArray conversations = privateArray("messages");
    QJsonArray keptConversations;
    int removed = 0;
    for (const QJsonValue& conversationValue : conversations) {
        QJsonObject conversation = conversationValue.toObject();
        if (conversation.value("deleted").toBool()) {
            ++removed;
            continue;
        }
        QJsonArray keptMessages;
        const QJsonArray messages = conversation.value("messages").toArray();
        for (const QJsonValue& messageValue : messages) {
            QJsonObject message = messageValue.toObject();
            if (message.value("deleted").toBool()) {
                ++removed;
                continue;
            }
            QJsonArray keptAttachments;
            const QJsonArray attachments = message.value("attachments").toArray();
            for (const QJsonValue& attachment : attachments) {
                if (attachment.toObject().value("deleted").toBool())
                    ++removed;
                else
                    keptAttachments.append(attachment);
            }
            message.insert("attachments", keptAttachments);
            keptMessages.append(message);
        }
        conversation.insert("messages", keptMessages);
        keptConversations.append(conversation);
    }
    setPrivateArray("messages", keptConversations);
    return removed;
}

int DeviceImage::removeMessageAttachments(const QSet<qint64>& ids)
{
    QJsonArray conversations = privateArray("messages");
    int removed = 0;
    for (int c = 0; c < conversations.size(); ++c) {
        QJsonObject conversation = conversations.at(c).toObject();
        QJsonArray messages = conversation.value("messages").toArray();
        for (int m = 0; m < messages.size(); ++m) {
            QJsonObject message = messages.at(m).toObject();
            const QJsonArray attachments = message.value("attachments").toArray();
            QJsonArray kept;
            for (const QJsonValue& attachment : attachments) {
                if (ids.contains(idOf(attachment.toObject())))
                    ++removed;
                else
                    kept.append(attachment);
            }
            message.insert("attachments", kept);
            messages.replace(m, message);
        }
        conversation.insert("messages", messages);
        conversations.replace(c, conversation);
    }
    if (removed > 0)
        setPrivateArray("messages", conversations);
    return removed;
}

qint64 DeviceImage::idOf(const QJsonObject& record)
{
    return record.value("id").toVariant().toLongLong();
}

quint64 DeviceImage::sizeOf(const QJsonObject& record)
{
    const double size = record.value("size").toDouble();
    return size > 0 ? static_cast<quint64>(size) : 0;
}
