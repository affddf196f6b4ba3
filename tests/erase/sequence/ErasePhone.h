#pragma once

#include "CGlobalData.h"
#include "SimulatedPhone.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

/// A record of the store as the erase sees it.
struct ErasePhoneRow
{
    quint8* selected;
    bool deleted;
};

namespace ErasePhoneDetail {

template<class Info> QVector<ErasePhoneRow> RowsOf(QVector<Info>& list)
{
    QVector<ErasePhoneRow> rows;
    for (Info& record : list)
        rows.append({ &record.m_bSelected, record.m_bDeleted != 0 });
    return rows;
}

struct Category
{
    QString key;
    QString imageCategory;
    std::function<QVector<ErasePhoneRow>()> rows;
};

inline QList<Category> Categories()
{
    CGlobalData* s = CGlobalData::GetInstance();
    return {
        { "Message", "messages", [s] { return RowsOf(s->m_obLSMSSession); } },
        { "Call History", "callLog", [s] { return RowsOf(s->m_obLCallLogSession); } },
        { "Note", "notes", [s] { return RowsOf(s->m_obLNote); } },
        { "NoteAttach", "noteAttachments", [s] { return RowsOf(s->m_obLNoteAttachment); } },
        { "SafariHistory", "safariHistory", [s] { return RowsOf(s->m_obLSafariHistory); } },
        { "SafariCookie", "safariCookies", [s] { return RowsOf(s->m_obLSafariCookie); } },
        { "SafariCache", "safariCache", [s] { return RowsOf(s->m_obLSafariCache); } },
        { "WhatsApp", "whatsApp", [s] { return RowsOf(s->m_obLWhatsApp); } },
        { "WhatsAppAttach", "whatsAppAttachments", [s] { return RowsOf(s->m_obLWhatsAppAttachment); } },
        { "Viber", "viber", [s] { return RowsOf(s->m_obLViber); } },
        { "Kik", "kik", [s] { return RowsOf(s->m_obLKik); } },
        { "KikAttachment", "kikAttachments", [s] { return RowsOf(s->m_obLKikAttachment); } },
        { "WeChat", "weChat", [s] { return RowsOf(s->m_obLWeChat); } },
        { "Contact", "contacts", [s] { return RowsOf(s->m_obLContact); } },
        { "Calendar&Reminder", "calendar", [s] { return RowsOf(s->m_obLCalendar); } },
        { "Bookmark", "bookmarks", [s] { return RowsOf(s->m_obLBookMark); } },
        { "Voice", "voiceMemos", [s] { return RowsOf(s->m_obLVoiceMemo); } },
    };
}

// A conversation without the messages `gone`, and with empty attachment lists left out:
// the erase may write one where the device had none.
inline QJsonObject WithoutMessages(QJsonObject conversation, const QSet<qint64>& gone, int* removed)
{
    if (conversation.isEmpty())
        return conversation;
    QJsonArray kept;
    for (const QJsonValue& value : conversation.value("messages").toArray()) {
        QJsonObject message = value.toObject();
        if (gone.contains(DeviceImage::idOf(message))) {
            ++*removed;
            continue;
        }
        if (message.value("attachments").toArray().isEmpty())
            message.remove("attachments");
        kept.append(message);
    }
    conversation.insert("messages", kept);
    return conversation;
}

inline bool HoldsDeleted(const QJsonObject& conversation)
{
    if (conversation.value("deleted").toBool())
        return true;
    for (const QJsonValue& message : conversation.value("messages").toArray()) {
        if (message.toObject().value("deleted").toBool())
            return true;
    }
    return false;
}

inline QJsonArray OfKind(const QJsonArray& records, bool deleted, bool conversations)
{
    QJsonArray kept;
    for (const QJsonValue& value : records) {
        const QJsonObject record = value.toObject();
        const bool isDeleted = conversations && deleted ? HoldsDeleted(record) : record.value("deleted").toBool();
        if (isDeleted == deleted)
            kept.append(value);
    }
    return kept;
}

} // namespace ErasePhoneDetail

/// A fresh simulated phone per erase flow, and the bookkeeping that tells which device record
/// each record of the store is: the store lists every category in the order of the device image
/// (photos, sorted by time, are matched by their path).
class ErasePhone
{
public:
    using Row = ErasePhoneRow;

    /// Unplugs the last phone and plugs a new one made of `content`, for the window to connect.
    bool plugFresh(DeviceContent content)
    {
        if (!m_folder.isEmpty())
            m_phone.devices().unplug(m_folder);
        content.plugged = true;
        m_folder = m_phone.devices().create(QStringLiteral("Random-%1").arg(++m_count), content);
        if (m_folder.isEmpty())
            qWarning() << m_phone.devices().lastError();
        return !m_folder.isEmpty();
    }

    QString folder() const { return m_folder; }
    DeviceImageFixture& devices() { return m_phone.devices(); }

    /// Every private category and the media, as the device holds them now.
    QMap<QString, QJsonArray> snapshot() const
    {
        const DeviceImage image = m_phone.devices().image(m_folder);
        QMap<QString, QJsonArray> arrays;
        for (const QString& category : DeviceImage::privateCategories())
            arrays[category] = image.privateArray(category);
        arrays["media"] = image.array("media");
        return arrays;
    }

    /// The erase keys a feature's result view shows, with the store's lists behind them.
    static QStringList keysOf(int feature)
    {
        if (feature == 2)
            return { "Message",       "Contact",  "Calendar&Reminder", "Call History", "Note",
                     "SafariHistory", "Bookmark", "Photo&Videos",      "Voice",        "WeChat" };
        return { "Message",      "Call History", "SafariCookie", "SafariCache",  "SafariHistory",
                 "Photo&Videos", "Note",         "NoteAttach",   "WhatsApp",     "WhatsAppAttach",
                 "WeChat",       "Viber",        "Kik",          "KikAttachment" };
    }

    /// Sets the ticks `tick` has an answer for (asked with the key, the row's index in the
    /// store and whether the row is deleted), as a list view sets single rows. A `problem`
    /// left empty means every list matched the device.
    using Tick = std::function<std::optional<bool>(const QString&, int, bool)>;
    void tick(int feature, const Tick& tick, QString* problem = nullptr)
    {
        forEachList(
            feature,
            [&tick](const QString& key, const QString&, const QJsonArray&, QVector<Row>& rows) {
                for (int i = 0; i < rows.size(); ++i) {
                    if (const std::optional<bool> on = tick(key, i, rows[i].deleted))
                        *rows[i].selected = *on ? 1 : 0;
                }
            },
            problem);
        int i = 0;
        for (PhotoVideoInfo& photo : CGlobalData::GetInstance()->m_obLPhotoAndVideo) {
            if (const std::optional<bool> on = tick("Photo&Videos", i++, photo.m_bDeleted != 0))
                photo.m_bSelected = *on ? 1 : 0;
        }
    }

    /// By image category, the ids an erase with the store's ticks and these boxes must remove
    /// ("messageItems": deleted messages of kept conversations; "refused": the erase must refuse).
    QMap<QString, QSet<qint64>> expected(int feature, const QMap<QString, Qt::CheckState>& boxes,
                                         QString* problem = nullptr) const
    {
        QMap<QString, QSet<qint64>> erased;
        const bool deleted = feature == 2;
        static const QStringList wholeOnly { "Contact", "Calendar&Reminder", "Bookmark", "Voice" };
        forEachList(
            feature,
            [&](const QString& key, const QString& imageCategory, const QJsonArray& records, QVector<Row>& rows) {
                if (boxes.value(key) == Qt::Unchecked)
                    return;
                int ticked = 0;
                int ofKind = 0;
                for (int i = 0; i < rows.size(); ++i) {
                    if (rows[i].deleted != deleted)
                        continue;
                    ++ofKind;
                    if (*rows[i].selected) {
                        ++ticked;
                        erased[imageCategory].insert(DeviceImage::idOf(records.at(i).toObject()));
                    }
                }
                if (deleted && wholeOnly.contains(key) && ticked > 0 && ticked < ofKind)
                    erased["refused"];
                if (deleted && key == "Message")
                    expectDeletedMessages(records, rows, erased);
            },
            problem);
        QHash<QString, qint64> idByPath;
        for (const QJsonValue& value : snapshot().value("media"))
            idByPath.insert(value.toObject().value("path").toString(), DeviceImage::idOf(value.toObject()));
        if (boxes.value("Photo&Videos") != Qt::Unchecked) {
            for (const PhotoVideoInfo& photo : CGlobalData::GetInstance()->m_obLPhotoAndVideo) {
                if (photo.m_bSelected && (photo.m_bDeleted != 0) == deleted)
                    erased["media"].insert(idByPath.value(photo.m_strPath, -1));
            }
        }
        if (erased.contains("refused"))
            return { { "refused", {} } };
        return erased;
    }

    struct Outcome
    {
        int erased = 0;
        int kept = 0;
        int wronglyErased = 0;
        int wronglyKept = 0;
        QString firstProblem;
        bool ok() const { return wronglyErased == 0 && wronglyKept == 0 && firstProblem.isEmpty(); }
    };
    /// Compares the device with `before` minus `erased`: a record is kept only byte for byte.
    Outcome compare(const QMap<QString, QJsonArray>& before, const QMap<QString, QSet<qint64>>& erased) const
    {
        Outcome outcome;
        auto problem = [&outcome](const QString& text) {
            if (outcome.firstProblem.isEmpty())
                outcome.firstProblem = text;
        };
        const QMap<QString, QJsonArray> now = snapshot();
        const QSet<qint64> goneInside = erased.value("messageItems");
        for (auto it = before.begin(); it != before.end(); ++it) {
            const QSet<qint64> gone = erased.value(it.key());
            QHash<qint64, QJsonObject> present;
            for (const QJsonValue& value : now.value(it.key()))
                present.insert(DeviceImage::idOf(value.toObject()), value.toObject());
            for (const QJsonValue& value : it.value()) {
                QJsonObject record = value.toObject();
                const qint64 id = DeviceImage::idOf(record);
                const bool there = present.contains(id);
                if (gone.contains(id)) {
                    there ? ++outcome.wronglyKept : ++outcome.erased;
                    if (there)
                        problem(QStringLiteral("%1 %2 was ticked and is still there").arg(it.key()).arg(id));
                    continue;
                }
                if (it.key() == "messages") {
                    int removed = 0;
                    int left = 0;
                    record = ErasePhoneDetail::WithoutMessages(record, goneInside, &removed);
                    if (there)
                        present[id] = ErasePhoneDetail::WithoutMessages(present.value(id), goneInside, &left);
                    outcome.erased += removed - left;
                    outcome.wronglyKept += left;
                    if (left > 0)
                        problem(QStringLiteral("messages of %1 were ticked and are still there").arg(id));
                }
                if (there && present.value(id) == record) {
                    ++outcome.kept;
                    continue;
                }
                ++outcome.wronglyErased;
                problem(QStringLiteral("%1 %2 was not ticked and is %3")
                            .arg(it.key())
                            .arg(id)
                            .arg(there ? "changed" : "gone"));
            }
            if (now.value(it.key()).size() > it.value().size())
                problem(QStringLiteral("%1 holds records it did not hold").arg(it.key()));
        }
        return outcome;
    }

private:
    // Calls `use` with the erase key, the image category, the device's records and the store's rows.
    using ListUse = std::function<void(const QString&, const QString&, const QJsonArray&, QVector<Row>&)>;
    void forEachList(int feature, const ListUse& use, QString* problem) const
    {
        const bool deleted = feature == 2;
        const QStringList keys = keysOf(feature);
        const QMap<QString, QJsonArray> device = snapshot();
        for (const ErasePhoneDetail::Category& category : ErasePhoneDetail::Categories()) {
            if (!keys.contains(category.key))
                continue;
            QJsonArray records = device.value(category.imageCategory);
            QVector<Row> rows = category.rows();
            // The result view keeps only the records of its feature's kind, in the device's order.
            if (rows.size() != records.size())
                records = ErasePhoneDetail::OfKind(records, deleted, category.key == "Message");
            if (rows.size() != records.size()) {
                if (problem && problem->isEmpty())
                    *problem = QStringLiteral("%1 lists %2 records, the device holds %3")
                                   .arg(category.key)
                                   .arg(rows.size())
                                   .arg(records.size());
                continue;
            }
            use(category.key, category.imageCategory, records, rows);
        }
    }

    // Deleted messages of a conversation that still exists are listed with it; the erase takes
    // them all at once when every listed conversation is ticked, and refuses a part of them.
    static void expectDeletedMessages(const QJsonArray& conversations, const QVector<Row>& rows,
                                      QMap<QString, QSet<qint64>>& erased)
    {
        int listed = 0;
        int ticked = 0;
        bool keptTicked = false;
        QSet<qint64> messages;
        for (int i = 0; i < rows.size(); ++i) {
            const QJsonObject conversation = conversations.at(i).toObject();
            QSet<qint64> deletedInside;
            for (const QJsonValue& message : conversation.value("messages").toArray()) {
                if (message.toObject().value("deleted").toBool())
                    deletedInside.insert(DeviceImage::idOf(message.toObject()));
            }
            const bool conversationDeleted = conversation.value("deleted").toBool();
            if (!conversationDeleted && deletedInside.isEmpty())
                continue;
            ++listed;
            if (!*rows[i].selected)
                continue;
            ++ticked;
            keptTicked = keptTicked || !conversationDeleted;
            if (!conversationDeleted)
                messages += deletedInside;
        }
        if (ticked > 0 && ticked == listed) {
            for (const QJsonValue& value : conversations) {
                if (value.toObject().value("deleted").toBool())
                    erased["messages"].insert(DeviceImage::idOf(value.toObject()));
            }
            erased["messageItems"] = messages;
        } else if (keptTicked) {
            erased["refused"];
        }
    }

    mutable SimulatedPhone m_phone;
    QString m_folder;
    int m_count = 0;
};
