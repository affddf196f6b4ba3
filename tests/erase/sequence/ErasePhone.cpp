#include "ErasePhone.h"

#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "SignalRecorder.h"

#include <QDebug>
#include <QJsonObject>
#include <QTest>

#include <optional>

namespace {

using Row = ErasePhone::Row;

template<class Info> QVector<Row> RowsOf(QVector<Info>& list)
{
    QVector<Row> rows;
    for (Info& record : list)
        rows.append({ &record.m_bSelected, record.m_bDeleted != 0 });
    return rows;
}

struct Category
{
    QString key;
    QString imageCategory;
    std::function<QVector<Row>()> rows;
};

QList<Category> Categories()
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
QJsonObject WithoutMessages(QJsonObject conversation, const QSet<qint64>& gone, int* removed)
{
    if (conversation.isEmpty())
        return conversation;
    QJsonArray kept;
    for (const QJsonValue& value : conversation.value("messages").toArray()) {
        QJsonObject message = value.toObject();
        if (gone.contains(DeviceImage::idOf(message))) {
            if (removed)
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

QString ImageCategoryOf(const QString& key)
{
    for (const Category& category : Categories()) {
        if (category.key == key)
            return category.imageCategory;
    }
    return QString();
}

bool HoldsDeleted(const QJsonObject& conversation)
{
    if (conversation.value("deleted").toBool())
        return true;
    for (const QJsonValue& message : conversation.value("messages").toArray()) {
        if (message.toObject().value("deleted").toBool())
            return true;
    }
    return false;
}

QJsonArray OfKind(const QJsonArray& records, bool deleted, bool conversations)
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

} // namespace

// Deleted messages of a conversation that still exists are listed with it; the erase takes
// them all at once when every listed conversation is ticked, and refuses a part of them.
void ErasePhone::expectDeletedMessages(const QJsonArray& conversations, const QVector<Row>& rows,
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

ErasePhone::ErasePhone()
    : m_phone(std::make_unique<SimulatedPhone>())
{ }

ErasePhone::~ErasePhone() = default;

bool ErasePhone::fresh(const QString& name, DeviceContent content)
{
    if (!m_folder.isEmpty()) {
        m_phone->devices().unplug(m_folder);
        CController* controller = CController::GetInstance();
        if (!QTest::qWaitFor([controller] { return !controller->FirstDevicePair().first; }, 5000))
            qWarning() << "the last device is still connected";
    }
    content.name = name;
    content.seed = quint32(++m_count) * 7919u + content.seed;
    if (!m_phone->connect(content, QStringLiteral("%1-%2").arg(name).arg(m_count))) {
        qWarning() << m_phone->error();
        return false;
    }
    m_folder = m_phone->folder();
    CController::GetInstance()->LoadDeviceInfo();
    return true;
}

bool ErasePhone::plugFresh(const QString& name, DeviceContent content)
{
    if (!m_folder.isEmpty())
        m_phone->devices().unplug(m_folder);
    content.name = name;
    content.plugged = true;
    m_folder = m_phone->devices().create(QStringLiteral("%1-%2").arg(name).arg(++m_count), content);
    if (m_folder.isEmpty())
        qWarning() << m_phone->devices().lastError();
    return !m_folder.isEmpty();
}

bool ErasePhone::analyse(int feature)
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder backup(callback, &CTaskCallback::signalBackupDevData);
    if (!controller->PostBackupDevDataTask())
        return false;
    auto ended = [&] {
        for (const QVariantList& event : backup) {
            if (event.first().toInt() == 20 || event.first().toInt() == 24)
                return true;
        }
        return false;
    };
    if (!QTest::qWaitFor(ended, 20000) || backup.last().first().toInt() != 20)
        return false;
    SignalRecorder last(callback, &CTaskCallback::signalLoadWeChatData);
    if (feature == 3) {
        controller->PostLoadSMSDataTask();
        controller->PostLoadPhotoAndVideoDataTask();
        controller->PostLoadNoteDataTask();
        controller->PostLoadCallLogDataTask();
        controller->PostLoadWhatsAppDataTask();
        controller->PostLoadSafariHistoryDataTask();
        controller->PostLoadSafariCookieDataTask();
        controller->PostLoadSafariCacheDataTask();
        controller->PostLoadViberDataTask();
        controller->PostLoadKikDataTask();
    } else {
        controller->PostLoadSMSDataTask();
        controller->PostLoadCallendarDataTask();
        controller->PostLoadCallLogDataTask();
        controller->PostLoadNoteDataTask();
        controller->PostLoadSafariHistoryDataTask();
        controller->PostLoadBookMarkDataTask();
        controller->PostLoadPhotoAndVideoDataTask();
        controller->PostLoadVoiceMemosDataTask();
    }
    controller->PostLoadWeChatDataTask();
    return QTest::qWaitFor([&] { return !last.isEmpty(); }, 20000);
}

QJsonArray ErasePhone::deviceArray(const QString& category) const
{
    const DeviceImage image = m_phone->devices().image(m_folder);
    return category == "media" ? image.array("media") : image.privateArray(category);
}

QMap<QString, QJsonArray> ErasePhone::snapshot() const
{
    const DeviceImage image = m_phone->devices().image(m_folder);
    QMap<QString, QJsonArray> arrays;
    for (const QString& category : DeviceImage::privateCategories())
        arrays[category] = image.privateArray(category);
    arrays["media"] = image.array("media");
    return arrays;
}

QStringList ErasePhone::keysOf(int feature)
{
    if (feature == 2)
        return { "Message",       "Contact",  "Calendar&Reminder", "Call History", "Note",
                 "SafariHistory", "Bookmark", "Photo&Videos",      "Voice",        "WeChat" };
    return { "Message",      "Call History", "SafariCookie", "SafariCache",  "SafariHistory",
             "Photo&Videos", "Note",         "NoteAttach",   "WhatsApp",     "WhatsAppAttach",
             "WeChat",       "Viber",        "Kik",          "KikAttachment" };
}

QMap<QString, QSet<qint64>> ErasePhone::tick(int feature, const QMap<QString, Qt::CheckState>& boxes, const Tick& tick,
                                             QString* problem)
{
    tickSome(
        feature,
        [&tick](const QString& key, int row, bool deleted) { return std::optional<bool>(tick(key, row, deleted)); },
        problem);
    return expected(feature, boxes, problem);
}

bool ErasePhone::forEachList(int feature,
                             const std::function<void(const QString&, const QJsonArray&, QVector<Row>&)>& use,
                             QString* problem) const
{
    const bool deleted = feature == 2;
    const QStringList keys = keysOf(feature);
    bool matched = true;
    for (const Category& category : Categories()) {
        if (!keys.contains(category.key))
            continue;
        QJsonArray records = deviceArray(category.imageCategory);
        QVector<Row> rows = category.rows();
        // The result view keeps only the records of its feature's kind, in the device's order.
        if (rows.size() != records.size())
            records = OfKind(records, deleted, category.key == "Message");
        if (rows.size() != records.size()) {
            if (problem && problem->isEmpty())
                *problem = QStringLiteral("%1 lists %2 records, the device holds %3")
                               .arg(category.key)
                               .arg(rows.size())
                               .arg(records.size());
            matched = false;
            continue;
        }
        use(category.key, records, rows);
    }
    return matched;
}

void ErasePhone::tickSome(int feature, const PartTick& tick, QString* problem)
{
    forEachList(
        feature,
        [&tick](const QString& key, const QJsonArray&, QVector<Row>& rows) {
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

QMap<QString, QSet<qint64>> ErasePhone::expected(int feature, const QMap<QString, Qt::CheckState>& boxes,
                                                 QString* problem) const
{
    QMap<QString, QSet<qint64>> erased;
    const bool deleted = feature == 2;
    static const QStringList wholeOnly { "Contact", "Calendar&Reminder", "Bookmark", "Voice" };
    forEachList(
        feature,
        [&](const QString& key, const QJsonArray& records, QVector<Row>& rows) {
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
                    erased[ImageCategoryOf(key)].insert(DeviceImage::idOf(records.at(i).toObject()));
                }
            }
            if (deleted && wholeOnly.contains(key) && ticked > 0 && ticked < ofKind)
                erased["refused"];
            if (deleted && key == "Message")
                expectDeletedMessages(records, rows, erased);
        },
        problem);
    QHash<QString, qint64> idByPath;
    for (const QJsonValue& value : deviceArray("media"))
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

ErasePhone::Outcome ErasePhone::compare(const QMap<QString, QJsonArray>& before,
                                        const QMap<QString, QSet<qint64>>& erased) const
{
    Outcome outcome;
    const QMap<QString, QJsonArray> now = snapshot();
    for (auto it = before.begin(); it != before.end(); ++it) {
        const QSet<qint64> gone = erased.value(it.key());
        QHash<qint64, QJsonObject> present;
        for (const QJsonValue& value : now.value(it.key()))
            present.insert(DeviceImage::idOf(value.toObject()), value.toObject());
        for (const QJsonValue& value : it.value()) {
            QJsonObject record = value.toObject();
            const qint64 id = DeviceImage::idOf(record);
            if (it.key() == "messages" && !gone.contains(id)) {
                const QSet<qint64> goneInside = erased.value("messageItems");
                record = WithoutMessages(record, goneInside, &outcome.erased);
                if (present.contains(id)) {
                    int left = 0;
                    present[id] = WithoutMessages(present.value(id), goneInside, &left);
                    if (left > 0) {
                        outcome.wronglyKept += left;
                        outcome.erased -= left;
                        if (outcome.firstProblem.isEmpty())
                            outcome.firstProblem
                                = QStringLiteral("messages of %1 were ticked and are still there").arg(id);
                    }
                }
            }
            const bool there = present.contains(id);
            if (gone.contains(id)) {
                there ? ++outcome.wronglyKept : ++outcome.erased;
                if (there && outcome.firstProblem.isEmpty())
                    outcome.firstProblem = QStringLiteral("%1 %2 was ticked and is still there").arg(it.key()).arg(id);
            } else if (!there || present.value(id) != record) {
                ++outcome.wronglyErased;
                if (outcome.firstProblem.isEmpty())
                    outcome.firstProblem = QStringLiteral("%1 %2 was not ticked and is %3")
                                               .arg(it.key())
                                               .arg(id)
                                               .arg(there ? "changed" : "gone");
            } else {
                ++outcome.kept;
            }
        }
        if (now.value(it.key()).size() > it.value().size() && outcome.firstProblem.isEmpty())
            outcome.firstProblem = QStringLiteral("%1 holds records it did not hold").arg(it.key());
    }
    return outcome;
}
