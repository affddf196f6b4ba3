#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLockFile;

/// One simulated device on disk: a folder holding "device.json" (identity, capacities, trust,
/// lock, faults, and the manifest of everything the device holds) and "fs/", the device's
/// files under their device paths. A computer-side backup has the same layout without the
/// "plugged" marker, so the same class reads both. See ovdriver/README.md for the format.
class DeviceImage
{
public:
    static constexpr int kFormatVersion = 1;

    /// The record arrays of "privateData", in the order ovsim shows them.
    static const QStringList& privateCategories();
    /// The junk codes of the one-key feature, each a set of real files.
    static const QList<int>& junkCodes();

    DeviceImage() = default;
    explicit DeviceImage(const QString& folder);

    const QString& folder() const { return m_folder; }
    QString jsonPath() const;
    QString markerPath() const;
    /// "fs/" + `devicePath` under the image folder.
    QString localPath(const QString& devicePath) const;

    bool exists() const;
    /// Reads and checks the structure of device.json; on failure `error` says what is wrong.
    /// Records without a positive id, or sharing one, are set aside (warnings() says which):
    /// an erase by id could not tell them apart. They stay in the file untouched.
    bool load(QString* error);
    /// What load() set aside, one line per category; empty when all was well.
    const QStringList& warnings() const { return m_warnings; }
    /// The records set aside, by array name; save() writes them back.
    const QJsonObject& setAside() const { return m_setAside; }
    void setSetAside(const QJsonObject& records) { m_setAside = records; }
    /// Writes device.json atomically.
    bool save(QString* error = nullptr) const;
    /// Every file of the manifest is present and every photo is a readable image.
    bool checkContent(QString* error) const;

    /// Takes the image's lock file, which whoever reads, changes and writes device.json holds
    /// throughout, so that the library and ovsim never lose each other's changes. Null when
    /// another holder kept it for `timeoutMs` (a lock left by a killed process is taken over).
    std::unique_ptr<QLockFile> lock(int timeoutMs = 10000) const;
    /// Takes from `disk` what only ovsim and people change (trust, lock, faults, ...), so
    /// that a job saving its content does not undo them.
    void keepControlsOf(const DeviceImage& disk);

    bool isPlugged() const;
    bool setPlugged(bool plugged) const;

    QJsonObject& root() { return m_root; }
    const QJsonObject& root() const { return m_root; }

    QString text(const QString& key) const;
    bool flag(const QString& key) const;
    quint64 number(const QString& key) const;
    void set(const QString& key, const QJsonValue& value);

    QJsonArray array(const QString& key) const;
    void setArray(const QString& key, const QJsonArray& value);
    QJsonArray privateArray(const QString& category) const;
    void setPrivateArray(const QString& category, const QJsonArray& value);
    QStringList weChatAccounts() const;
    /// A new record id, unique within the image.
    qint64 takeId();

    /// 0 when no fault is set for `operation` (connect, backup, restore, fill).
    int faultCode(const QString& operation) const;
    /// The job during which the device leaves (unplugs itself), or empty.
    QString leaveDuring() const;
    void setFault(const QString& operation, const QJsonValue& value);

    /// The sparse file a running fill grows to occupy the free space; no part of device.json,
    /// so a fill that is killed costs only until the device connects again.
    QString fillerPath() const;
    quint64 totalBytes() const;
    quint64 usedBytes() const;
    quint64 freeBytes() const;

    /// Removes the top-level records of a private category that `match` accepts; returns how many.
    int removePrivateRecords(const QString& category, const std::function<bool(const QJsonObject&)>& match);
    /// Removes the deleted conversations, and the deleted messages and attachments inside the others.
    int removeDeletedMessages();
    /// Removes the message attachments whose ids are listed.
    int removeMessageAttachments(const QSet<qint64>& ids);

    static qint64 idOf(const QJsonObject& record);
    static quint64 sizeOf(const QJsonObject& record);

private:
    void setAsideRecordsWithoutUniqueIds();

    QString m_folder;
    QJsonObject m_root;
    QJsonObject m_setAside; ///< "media" or a private category -> array of records
    QStringList m_warnings;
};
