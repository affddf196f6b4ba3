// Whole device flows through CController against the simulated device library: connect,
// backup, every loader, selected erases, restore and reconnect, then the one-key work.
#include "CController.h"
#include "CCtrlOneKeyClearCallback.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "OneKeyConversions.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <map>

namespace {
/// The texts that tell a category's records apart, one per record, in list order.
QStringList Keys(const QString& category)
{
    const CGlobalData& s = *CGlobalData::GetInstance();
    QStringList keys;
    const auto add = [&](const auto& list, auto key) {
        for (const auto& record : list)
            keys << key(record);
    };
    if (category == "messages")
        add(s.m_obLSMSSession, [](const SMSSessionInfo& r) { return r.m_strNumbers + '|' + r.m_strLastTime; });
    else if (category == "messageAttachments")
        add(s.m_obLSMSAttachment, [](const SMSAttachmentInfo& r) { return r.m_strPath; });
    else if (category == "callLog")
        add(s.m_obLCallLogSession, [](const CallLogSessionInfo& r) { return r.m_strNumber + '|' + r.m_strTime; });
    else if (category == "notes")
        add(s.m_obLNote, [](const NoteInfo& r) { return r.m_strTitle + '|' + r.m_strCreated; });
    else if (category == "noteAttachments")
        add(s.m_obLNoteAttachment, [](const NoteAttachmentInfo& r) { return r.m_strPath; });
    else if (category == "safariHistory")
        add(s.m_obLSafariHistory, [](const SafariHistoryInfo& r) { return r.m_strUrl + '|' + r.m_strTime; });
    else if (category == "safariCookies")
        add(s.m_obLSafariCookie, [](const SafariCookieInfo& r) { return r.m_strDomain + '|' + r.m_strName; });
    else if (category == "safariCache")
        add(s.m_obLSafariCache, [](const SafariCacheInfo& r) { return r.m_strUrl; });
    else if (category == "photosAndVideos")
        add(s.m_obLPhotoAndVideo, [](const PhotoVideoInfo& r) { return r.m_strPath; });
    else if (category == "whatsApp")
        add(s.m_obLWhatsApp, [](const WhatsAppInfo& r) { return r.m_strText + '|' + r.m_strTime; });
    else if (category == "whatsAppAttachments")
        add(s.m_obLWhatsAppAttachment, [](const WhatsAppAttachmentInfo& r) { return r.m_strPath; });
    else if (category == "weChat")
        add(s.m_obLWeChat, [](const WeChatSMSInfo& r) { return r.m_strContent + '|' + r.m_strTime; });
    else if (category == "viber")
        add(s.m_obLViber, [](const ViberInfo& r) { return r.m_strText + '|' + r.m_strTime; });
    else if (category == "kik")
        add(s.m_obLKik, [](const KikInfo& r) { return r.m_strText + '|' + r.m_strTime; });
    else if (category == "kikAttachments")
        add(s.m_obLKikAttachment, [](const KikAttachmentInfo& r) { return r.m_strPath; });
    else if (category == "contacts")
        add(s.m_obLContact, [](const ContactInfo& r) { return r.m_strName + (r.m_bDeleted ? "|deleted" : ""); });
    else if (category == "calendar")
        add(s.m_obLCalendar, [](const CalendarInfo& r) { return r.m_strTitle + (r.m_bDeleted ? "|deleted" : ""); });
    else if (category == "bookmarks")
        add(s.m_obLBookMark, [](const BookMarkInfo& r) { return r.m_strUrl + (r.m_bDeleted ? "|deleted" : ""); });
    else if (category == "voiceMemos")
        add(s.m_obLVoiceMemo, [](const VoiceMemoInfo& r) { return r.m_strPath + (r.m_bDeleted ? "|deleted" : ""); });
    return keys;
}

const QStringList kCategories { "messages",
                                "messageAttachments",
                                "callLog",
                                "notes",
                                "noteAttachments",
                                "safariHistory",
                                "safariCookies",
                                "safariCache",
                                "photosAndVideos",
                                "whatsApp",
                                "whatsAppAttachments",
                                "weChat",
                                "viber",
                                "kik",
                                "kikAttachments",
                                "contacts",
                                "calendar",
                                "bookmarks",
                                "voiceMemos" };

/// The low 32 bits of the handle of record `index` of a category.
quint32 HandleOf(const QString& category, int index)
{
    const CGlobalData& s = *CGlobalData::GetInstance();
    const std::map<QString, std::function<qint64()>> handles {
        { "messages", [&] { return s.m_obLSMSSession.at(index).m_nHandle; } },
        { "messageAttachments", [&] { return s.m_obLSMSAttachment.at(index).m_nHandle; } },
        { "callLog", [&] { return s.m_obLCallLogSession.at(index).m_nHandle; } },
        { "notes", [&] { return s.m_obLNote.at(index).m_nHandle; } },
        { "noteAttachments", [&] { return s.m_obLNoteAttachment.at(index).m_nHandle; } },
        { "safariHistory", [&] { return s.m_obLSafariHistory.at(index).m_nHandle; } },
        { "safariCookies", [&] { return s.m_obLSafariCookie.at(index).m_nHandle; } },
        { "safariCache", [&] { return s.m_obLSafariCache.at(index).m_nHandle; } },
        { "photosAndVideos", [&] { return s.m_obLPhotoAndVideo.at(index).m_nHandle; } },
        { "whatsApp", [&] { return s.m_obLWhatsApp.at(index).m_nHandle; } },
        { "whatsAppAttachments", [&] { return s.m_obLWhatsAppAttachment.at(index).m_nHandle; } },
        { "weChat", [&] { return s.m_obLWeChat.at(index).m_nHandle; } },
        { "viber", [&] { return s.m_obLViber.at(index).m_nHandle; } },
        { "kik", [&] { return s.m_obLKik.at(index).m_nHandle; } },
        { "kikAttachments", [&] { return s.m_obLKikAttachment.at(index).m_nHandle; } },
    };
    return static_cast<quint32>(handles.at(category)());
}
} // namespace

class tst_EngineFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theDeviceIsReadyAndDescribed();
    void backupLoadEraseRestoreRemovesExactlyTheChosenRecords();
    void oneKeyScansAndCleans();
    void appSizesEraseAllAndFill();
    void aDeviceLeavingDuringABackupEndsItCleanly();

private:
    bool Backup();
    bool LoadEverything();
    /// Waits for one signal of `spy` whose first argument is `type`.
    static bool WaitForType(SignalRecorder& spy, int type, int timeoutMs = 20000);

    SimulatedPhone m_phone;
    DeviceImageFixture& m_fixture = m_phone.devices();
    QString m_folder;
    QString m_second;
};

bool tst_EngineFlow::WaitForType(SignalRecorder& spy, int type, int timeoutMs)
{
    return QTest::qWaitFor(
        [&] {
            for (const QVariantList& arguments : spy) {
                if (arguments.at(0).toInt() == type)
                    return true;
            }
            return false;
        },
        timeoutMs);
}

bool tst_EngineFlow::Backup()
{
    SignalRecorder backup(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    return CController::GetInstance()->PostBackupDevDataTask()
        && QTest::qWaitFor(
               [&] { return !backup.isEmpty() && backup.last().at(0).toInt() != OV_NOTIFY_BACKUP_PROGRESS; }, 30000)
        && backup.last().at(0).toInt() == OV_NOTIFY_BACKUP_END;
}

bool tst_EngineFlow::LoadEverything()
{
    CTaskCallback* callback = CTaskCallback::GetInstance();
    CController* controller = CController::GetInstance();
    SignalRecorder last(callback, &CTaskCallback::signalLoadVoiceMemosData);
    SignalRecorder contacts(callback, &CTaskCallback::signalLoadAddressBookData);
    // Both features' loads, in the order the private-data feature posts them.
    for (auto post : { &CController::PostLoadSMSDataTask, &CController::PostLoadPhotoAndVideoDataTask,
                       &CController::PostLoadNoteDataTask, &CController::PostLoadCallLogDataTask,
                       &CController::PostLoadWhatsAppDataTask, &CController::PostLoadSafariHistoryDataTask,
                       &CController::PostLoadSafariCookieDataTask, &CController::PostLoadSafariCacheDataTask,
                       &CController::PostLoadViberDataTask, &CController::PostLoadKikDataTask,
                       &CController::PostLoadWeChatDataTask, &CController::PostLoadCallendarDataTask,
                       &CController::PostLoadBookMarkDataTask, &CController::PostLoadVoiceMemosDataTask }) {
        if (!(controller->*post)())
            return false;
    }
    return QTest::qWaitFor([&] { return last.count() == 1; }, 30000) && contacts.count() == 1;
}

void tst_EngineFlow::initTestCase()
{
    QVERIFY2(m_phone.connect(), qPrintable(m_phone.error()));
    m_folder = m_phone.folder();
}

void tst_EngineFlow::cleanupTestCase()
{
    // The program's exit: threads joined, the library's reports stopped, nothing left running.
    CController::Release();
}

void tst_EngineFlow::theDeviceIsReadyAndDescribed()
{
    CGlobalData* store = CController::GetInstance()->LoadDeviceInfo();
    const ImageSummary summary = m_fixture.summary(m_folder);
    QCOMPARE(store->m_strDeviceName, summary.name);
    QCOMPARE(store->m_strProductType, QString("iPhone14,2"));
    QCOMPARE(store->m_strModelName, QString("iPhone 13 Pro"));
    QCOMPARE(store->m_strActivationState, QString("Activated"));
    QCOMPARE(store->m_strDeviceKey, m_fixture.deviceKey(m_folder));
    QCOMPARE(store->m_nTotalSpace, summary.totalBytes);
    QCOMPARE(store->m_nFreeSpace, summary.freeBytes);
    QVERIFY(!CController::GetInstance()->IsBackupEncrypted());
    QVERIFY(!CController::GetInstance()->IsDeviceLocked());
}

void tst_EngineFlow::backupLoadEraseRestoreRemovesExactlyTheChosenRecords()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    QVERIFY(Backup());
    QVERIFY(LoadEverything());

    // Every category holds what the backup holds, existing and deleted.
    const ImageSummary backup = m_fixture.backupSummary(m_folder);
    const std::map<QString, QString> summaryName { { "photosAndVideos", "" } };
    for (const QString& category : kCategories) {
        if (category == "photosAndVideos") {
            QCOMPARE(Keys(category).size(), backup.count("photos").total() + backup.count("videos").total());
            continue;
        }
        QVERIFY2(!Keys(category).isEmpty(), qPrintable(category));
        QCOMPARE(Keys(category).size(), backup.count(category).total());
    }
    QCOMPARE(CGlobalData::GetInstance()->m_obLWeChatAccount.size(), 2);

    // Choose the first record of each category that can be erased item by item.
    std::map<QString, QStringList> before;
    std::map<QString, QString> erased;
    for (const QString& category : kCategories)
        before[category] = Keys(category);
    for (const QString& category : kCategories.mid(0, 15))
        erased[category] = before[category].first();
    const auto one = [](const QString& category) { return QList<quint32> { HandleOf(category, 0) }; };
    const WeChatSMSInfo& weChat = CGlobalData::GetInstance()->m_obLWeChat.first();
    const WeChatAccountInfo& account = CGlobalData::GetInstance()->m_obLWeChatAccount.at(weChat.m_nAccountIndex);

    SignalRecorder weChatEnd(callback, &CTaskCallback::signalEraseWeChatData);
    SignalRecorder lastEnd(callback, &CTaskCallback::signalEraseVoiceMemoData);
    QVERIFY(controller->PostEraseSMSDataTask(1, one("messages")));
    QVERIFY(controller->PostEraseSMSAttachmentTask(1, one("messageAttachments")));
    QVERIFY(controller->PostEraseCallLogDataTask(1, one("callLog")));
    QVERIFY(controller->PostEraseNoteDataTask(1, one("notes")));
    QVERIFY(controller->PostEraseNoteAttachmentTask(1, one("noteAttachments")));
    QVERIFY(controller->PostEraseSafariHistoryDataTask(1, one("safariHistory")));
    QVERIFY(controller->PostEraseSafariCookieDataTask(1, one("safariCookies")));
    QVERIFY(controller->PostEraseSafariCacheDataTask(1, one("safariCache")));
    QVERIFY(controller->PostErasePhotoAndVideoDataTask(1, one("photosAndVideos")));
    QVERIFY(controller->PostEraseWhatsAppDataTask(1, one("whatsApp")));
    QVERIFY(controller->PostEraseWhatsAppAttachmentDataTask(1, one("whatsAppAttachments")));
    QVERIFY(controller->PostEraseWeChatDataTask(
        1, { { { account.m_pAccount, account.m_nIndex }, { static_cast<quint32>(weChat.m_nHandle) } } }));
    QVERIFY(controller->PostEraseViberDataTask(1, one("viber")));
    QVERIFY(controller->PostEraseKikDataTask(1, one("kik")));
    QVERIFY(controller->PostEraseKikAttachmentDataTask(1, one("kikAttachments")));
    // The four categories erased as a whole lose their deleted records.
    QVERIFY(controller->PostEraseContactDataTask());
    QVERIFY(controller->PostEraseCalendarDataTask());
    QVERIFY(controller->PostEraseBooMarkDataTask());
    QVERIFY(controller->PostEraseVoiceMemoDataTask());
    QVERIFY(QTest::qWaitFor([&] { return lastEnd.count() == 1; }, 30000));
    QCOMPARE(weChatEnd.count(), 1);

    // Restore: the device restarts, leaves, comes back and is connected again.
    SignalRecorder restore(callback, &CTaskCallback::signalRestoreDevData);
    SignalRecorder left(callback, &CTaskCallback::singalDevDisconnFromPC);
    SignalRecorder arrived(callback, &CTaskCallback::singalDevConnToPC);
    QVERIFY(controller->PostRestoreDevDataTask(1));
    QVERIFY(WaitForType(restore, OV_NOTIFY_RESTORE_END, 30000));
    QVERIFY(QTest::qWaitFor([&] { return left.count() == 1 && arrived.count() == 1; }));
    QVERIFY2(m_phone.reconnect(), qPrintable(m_phone.error()));

    // A fresh backup of the device holds everything but the erased records.
    QVERIFY(Backup());
    QVERIFY(LoadEverything());
    for (const QString& category : kCategories) {
        QStringList expected = before[category];
        if (erased.count(category))
            QVERIFY2(expected.removeOne(erased[category]), qPrintable(category));
        else
            expected = expected.filter(QRegularExpression("^(?!.*\\|deleted$)"));
        QStringList now = Keys(category);
        expected.sort();
        now.sort();
        QVERIFY2(expected.size() < before[category].size(), qPrintable(category));
        QCOMPARE(now, expected);
    }
    const ImageSummary after = m_fixture.summary(m_folder);
    QCOMPARE(after.count("callLog").total(), backup.count("callLog").total() - 1);
    QCOMPARE(after.count("contacts").deleted, 0);
    QCOMPARE(after.count("contacts").existing, backup.count("contacts").existing);
}

void tst_EngineFlow::oneKeyScansAndCleans()
{
    CController* controller = CController::GetInstance();
    CGlobalData* store = CGlobalData::GetInstance();
    SignalRecorder scans(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyScanRespond);
    QCOMPARE(controller->PostOneKeyScanTask(31), 10);
    QVERIFY(QTest::qWaitFor([&] { return scans.count() == 10; }, 30000));
    ImageSummary summary = m_fixture.summary(m_folder);
    std::map<int, int> found;
    for (const QVariantList& reply : scans)
        found[reply.at(0).toInt()] = reply.at(1).toInt();
    for (const int code : { 32, 64, 128, 256, 512 })
        QCOMPARE(found[code], summary.count(QString("junk%1").arg(code)).existing);
    QCOMPARE(found[2], summary.count("tempFiles").existing);
    QCOMPARE(found[8], summary.count("largeFiles").existing);
    QCOMPARE(found[16], summary.count("apps").existing);
    QCOMPARE(found[1024], store->m_obLPhotos.size());
    QVERIFY(found[1024] > 0 && found[2048] > 0);
    QCOMPARE(found[2048], store->m_obLCompressPhotos.size());

    struct Reply
    {
        int type, status;
        quint64 size;
        QString text;
    };
    QVector<Reply> replies;
    const auto connection = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyClearRespond, this,
                                    [&](int type, int status, void* record) {
                                        Reply reply { type, status, 0, {} };
                                        if (record && (type & 16))
                                            reply.text = static_cast<AppResultInfo*>(record)->m_strBundleId;
                                        else if (record && (type & 1024))
                                            reply.size = static_cast<OneKeyMediaInfo*>(record)->m_nSize;
                                        else if (record)
                                            reply.size = static_cast<OneKeyFileInfo*>(record)->m_nSize;
                                        replies.append(reply);
                                        DeleteOneKeyClearRecord(type, record);
                                    });
    const auto finished = [&](int type) {
        return QTest::qWaitFor([&] {
            return !replies.isEmpty() && replies.last().type == type
                && (replies.last().status == CCtrlOneKeyClearCallback::kCleanFinished || (type & 16));
        });
    };

    // Junk: one progress reply per file, then the end; the files are gone.
    QCOMPARE(controller->PostOneKeyClearTask(64), 1);
    QVERIFY(finished(64));
    QCOMPARE(replies.size(), found[64] + 1);
    QVERIFY(replies.first().size > 0);
    QCOMPARE(m_fixture.summary(m_folder).count("junk64").existing, 0);

    // Temporary files report only their end.
    replies.clear();
    QCOMPARE(controller->PostOneKeyClearTask(2), 1);
    QVERIFY(finished(2));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(m_fixture.summary(m_folder).count("tempFiles").existing, 0);

    // Large files: export the first, then export and delete it.
    const QString largeName = store->m_obLLargeFiles.first().m_strName;
    store->m_obLLargeFiles[0].m_bChecked = 1;
    replies.clear();
    QCOMPARE(controller->PostOneKeyClearTask(4104), 1);
    QVERIFY(finished(4104));
    QCOMPARE(replies.size(), 2);
    QCOMPARE(replies.first().size, store->m_obLLargeFiles.first().m_nSize);
    QVERIFY(QDir(store->m_strDeviceKey + "/Large").entryList(QDir::Files).contains(largeName));
    replies.clear();
    QCOMPARE(controller->PostOneKeyClearTask(8200), 1);
    QVERIFY(finished(8200));
    QCOMPARE(store->m_obLLargeFiles.size(), found[8] - 1);
    QCOMPARE(m_fixture.summary(m_folder).count("largeFiles").existing, found[8] - 1);

    // Compression: each photo reports its original copied (64), then compressed (14), and
    // leaves the candidates.
    replies.clear();
    QCOMPARE(controller->PostOneKeyClearTask(2048), 1);
    QVERIFY(finished(2048));
    QCOMPARE(replies.size(), 2 * found[2048] + 1);
    QCOMPARE(replies.first().status, int(OV_NOTIFY_ORIGINAL_BACKED_UP));
    QCOMPARE(replies.at(1).status, int(OV_NOTIFY_ITEM_DONE));
    QVERIFY(store->m_obLCompressPhotos.isEmpty());
    QCOMPARE(QDir(store->m_strDeviceKey + "/Compress").entryList(QDir::Files).size(), found[2048]);

    // Photos: delete the first of the browse list.
    store->m_obLPhotos[0].m_bChecked = 1;
    replies.clear();
    QCOMPARE(controller->PostOneKeyClearTask(9216), 1);
    QVERIFY(finished(9216));
    QCOMPARE(replies.size(), 2);
    QVERIFY(replies.first().size > 0);
    QCOMPARE(store->m_obLPhotos.size(), found[1024] - 1);

    // Apps: the chosen one is uninstalled and reported with its record.
    const QString bundleId = store->m_obLApps.last().m_strBundleId;
    store->m_obLApps.last().m_bChecked = 1;
    replies.clear();
    QCOMPARE(controller->PostOneKeyClearTask(16), 1);
    QVERIFY(finished(16));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies.first().text, bundleId);
    QCOMPARE(m_fixture.summary(m_folder).count("apps").existing, found[16] - 1);
    disconnect(connection);
}

void tst_EngineFlow::appSizesEraseAllAndFill()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder sizes(callback, &CTaskCallback::signalLoadAppSize);
    QVERIFY(controller->PostLoadAppSizeTask({ "WhatsApp", "WeChat", "Kik", "Nothing Like It" }));
    QVERIFY(QTest::qWaitFor([&] { return sizes.count() == 1; }));
    const QMap<QString, qint64>& map = CGlobalData::GetInstance()->m_mapAppDataSize;
    QCOMPARE(map.keys(), QStringList({ "Kik", "WeChat", "WhatsApp" }));

    SignalRecorder fill(callback, &CTaskCallback::signalFillDataSignal);
    QVERIFY(controller->PostFillDataTask());
    QVERIFY(WaitForType(fill, OV_NOTIFY_READY, 30000));
    QVERIFY(fill.size() >= 2);
    QCOMPARE(fill.at(fill.size() - 2).at(1).toInt(), 100);

    QVERIFY(Backup());
    SignalRecorder stages(callback, &CTaskCallback::signalEraseAllTask);
    for (const int mode : { 1, 2, 4, 8 })
        QVERIFY(controller->PostEraseAllTask(mode));
    QVERIFY(QTest::qWaitFor([&] { return stages.count() == 4; }, 30000));
    QCOMPARE(stages.at(0), (QVariantList { 1, int(OV_NOTIFY_ERASEALL_STAGE1) }));
    QCOMPARE(stages.at(1), (QVariantList { 2, int(OV_NOTIFY_ERASEALL_STAGE2) }));
    QCOMPARE(stages.at(2), (QVariantList { 4, int(OV_NOTIFY_ERASEALL_STAGE4) }));
    QCOMPARE(stages.at(3), (QVariantList { 8, int(OV_NOTIFY_ERASEALL_STAGE8) }));
}

void tst_EngineFlow::aDeviceLeavingDuringABackupEndsItCleanly()
{
    // The current device leaves during its backup: the backup ends with a failure, the
    // device drops out of the list and nothing more is posted for it.
    QVERIFY(m_fixture.setFault(m_folder, "leave", "backup"));
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder backup(callback, &CTaskCallback::signalBackupDevData);
    SignalRecorder left(callback, &CTaskCallback::singalDevDisconnFromPC);
    QVERIFY(CController::GetInstance()->PostBackupDevDataTask());
    QVERIFY(WaitForType(backup, OV_NOTIFY_BACKUP_FAILED, 30000));
    QVERIFY(QTest::qWaitFor([&] { return left.count() == 1; }));
    QCOMPARE(CController::GetInstance()->GetDeviceManager()->DeviceCount(), 0);
    QVERIFY(!CController::GetInstance()->PostBackupDevDataTask());
    QCOMPARE(CController::GetInstance()->LoadDeviceInfo()->m_nFreeSpace, ~quint64(0));
}

QTEST_GUILESS_MAIN(tst_EngineFlow)
#include "tst_EngineFlow.moc"
