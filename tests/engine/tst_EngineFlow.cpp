// Whole device flows through CController against the simulated device library: connect,
// backup, every loader, selected erases, restore and reconnect, then the one-key work.
#include "CController.h"
#include "CCtrlOneKeyClearCallback.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EngineTestSupport.h"
#include "OneKeyConversions.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <map>
#include <vector>

namespace {
/// A category of private data: the texts that tell its records apart, in list order, and the
/// erase of its first record, or of the whole category for those erased as a whole.
struct Category
{
    QString name;
    std::function<QStringList()> keys;
    std::function<bool()> erase;
    bool whole = false;
};

template<class Record, class Key> std::function<QStringList()> KeysOf(QVector<Record> CGlobalData::*list, Key key)
{
    return [=] {
        QStringList keys;
        for (const Record& record : CGlobalData::GetInstance()->*list)
            keys << key(record);
        return keys;
    };
}

template<class Record, class Key>
Category ByItem(const char* name, QVector<Record> CGlobalData::*list,
                bool (CController::*erase)(int, const QList<quint32>&), Key key)
{
    return { name, KeysOf(list, key), [=] {
                const auto handle = static_cast<quint32>((CGlobalData::GetInstance()->*list).first().m_nHandle);
                return (CController::GetInstance()->*erase)(1, { handle });
            } };
}

template<class Record>
Category Whole(const char* name, QVector<Record> CGlobalData::*list, QString Record::*text,
               bool (CController::*erase)())
{
    const auto key = [=](const Record& r) { return r.*text + (r.m_bDeleted ? "|deleted" : ""); };
    return { name, KeysOf(list, key), [=] { return (CController::GetInstance()->*erase)(); }, true };
}

// In the order the private-data feature posts them.
std::vector<Category> Categories()
{
    using G = CGlobalData;
    using C = CController;
    std::vector<Category> all {
        ByItem("messages", &G::m_obLSMSSession, &C::PostEraseSMSDataTask,
               [](const SMSSessionInfo& r) { return r.m_strNumbers + '|' + r.m_strLastTime; }),
        ByItem("messageAttachments", &G::m_obLSMSAttachment, &C::PostEraseSMSAttachmentTask,
               [](const SMSAttachmentInfo& r) { return r.m_strPath; }),
        ByItem("callLog", &G::m_obLCallLogSession, &C::PostEraseCallLogDataTask,
               [](const CallLogSessionInfo& r) { return r.m_strNumber + '|' + r.m_strTime; }),
        ByItem("notes", &G::m_obLNote, &C::PostEraseNoteDataTask,
               [](const NoteInfo& r) { return r.m_strTitle + '|' + r.m_strCreated; }),
        ByItem("noteAttachments", &G::m_obLNoteAttachment, &C::PostEraseNoteAttachmentTask,
               [](const NoteAttachmentInfo& r) { return r.m_strPath; }),
        ByItem("safariHistory", &G::m_obLSafariHistory, &C::PostEraseSafariHistoryDataTask,
               [](const SafariHistoryInfo& r) { return r.m_strUrl + '|' + r.m_strTime; }),
        ByItem("safariCookies", &G::m_obLSafariCookie, &C::PostEraseSafariCookieDataTask,
               [](const SafariCookieInfo& r) { return r.m_strDomain + '|' + r.m_strName; }),
        ByItem("safariCache", &G::m_obLSafariCache, &C::PostEraseSafariCacheDataTask,
               [](const SafariCacheInfo& r) { return r.m_strUrl; }),
        ByItem("photosAndVideos", &G::m_obLPhotoAndVideo, &C::PostErasePhotoAndVideoDataTask,
               [](const PhotoVideoInfo& r) { return r.m_strPath; }),
        ByItem("whatsApp", &G::m_obLWhatsApp, &C::PostEraseWhatsAppDataTask,
               [](const WhatsAppInfo& r) { return r.m_strText + '|' + r.m_strTime; }),
        ByItem("whatsAppAttachments", &G::m_obLWhatsAppAttachment, &C::PostEraseWhatsAppAttachmentDataTask,
               [](const WhatsAppAttachmentInfo& r) { return r.m_strPath; }),
        { "weChat", KeysOf(&G::m_obLWeChat, [](const WeChatSMSInfo& r) { return r.m_strContent + '|' + r.m_strTime; }),
          [] {
              const CGlobalData& s = *CGlobalData::GetInstance();
              const WeChatSMSInfo& message = s.m_obLWeChat.first();
              const WeChatAccountInfo& account = s.m_obLWeChatAccount.at(message.m_nAccountIndex);
              return CController::GetInstance()->PostEraseWeChatDataTask(
                  1, { { { account.m_pAccount, account.m_nIndex }, { static_cast<quint32>(message.m_nHandle) } } });
          } },
        ByItem("viber", &G::m_obLViber, &C::PostEraseViberDataTask,
               [](const ViberInfo& r) { return r.m_strText + '|' + r.m_strTime; }),
        ByItem("kik", &G::m_obLKik, &C::PostEraseKikDataTask,
               [](const KikInfo& r) { return r.m_strText + '|' + r.m_strTime; }),
        ByItem("kikAttachments", &G::m_obLKikAttachment, &C::PostEraseKikAttachmentDataTask,
               [](const KikAttachmentInfo& r) { return r.m_strPath; }),
        Whole("contacts", &G::m_obLContact, &ContactInfo::m_strName, &C::PostEraseContactDataTask),
        Whole("calendar", &G::m_obLCalendar, &CalendarInfo::m_strTitle, &C::PostEraseCalendarDataTask),
        Whole("bookmarks", &G::m_obLBookMark, &BookMarkInfo::m_strUrl, &C::PostEraseBooMarkDataTask),
        Whole("voiceMemos", &G::m_obLVoiceMemo, &VoiceMemoInfo::m_strPath, &C::PostEraseVoiceMemoDataTask),
    };
    return all;
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
    QVERIFY(BackUpDevice());
    QVERIFY(LoadPrivateData());

    // Every category holds what the backup holds, existing and deleted.
    const ImageSummary backup = m_fixture.backupSummary(m_folder);
    const std::vector<Category> categories = Categories();
    std::map<QString, QStringList> before;
    for (const Category& category : categories) {
        before[category.name] = category.keys();
        const int expected = category.name == "photosAndVideos"
            ? backup.count("photos").total() + backup.count("videos").total()
            : backup.count(category.name).total();
        QVERIFY2(expected > 0, qPrintable(category.name));
        QCOMPARE(before[category.name].size(), expected);
    }
    QCOMPARE(CGlobalData::GetInstance()->m_obLWeChatAccount.size(), 2);

    SignalRecorder weChatEnd(callback, &CTaskCallback::signalEraseWeChatData);
    SignalRecorder lastEnd(callback, &CTaskCallback::signalEraseVoiceMemoData);
    for (const Category& category : categories)
        QVERIFY2(category.erase(), qPrintable(category.name));
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

    // A fresh backup holds everything but the first record of the categories erased item by
    // item and the deleted records of those erased as a whole.
    QVERIFY(BackUpDevice());
    QVERIFY(LoadPrivateData());
    for (const Category& category : categories) {
        QStringList expected = before[category.name];
        if (category.whole)
            expected = expected.filter(QRegularExpression("^(?!.*\\|deleted$)"));
        else
            expected.removeFirst();
        QStringList now = category.keys();
        expected.sort();
        now.sort();
        QVERIFY2(expected.size() < before[category.name].size(), qPrintable(category.name));
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
    // Posts one clean and waits for its end.
    const auto clean = [&](int type) {
        replies.clear();
        return controller->PostOneKeyClearTask(type) == 1 && QTest::qWaitFor([&] {
                   return !replies.isEmpty() && replies.last().type == type
                       && (replies.last().status == CCtrlOneKeyClearCallback::kCleanFinished || (type & 16));
               });
    };

    // Junk: one progress reply per file, then the end; the files are gone.
    QVERIFY(clean(64));
    QCOMPARE(replies.size(), found[64] + 1);
    QVERIFY(replies.first().size > 0);
    QCOMPARE(m_fixture.summary(m_folder).count("junk64").existing, 0);

    // Temporary files report only their end.
    QVERIFY(clean(2));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(m_fixture.summary(m_folder).count("tempFiles").existing, 0);

    // Large files: export the first, then export and delete it.
    const QString largeName = store->m_obLLargeFiles.first().m_strName;
    store->m_obLLargeFiles[0].m_bChecked = 1;
    QVERIFY(clean(4104));
    QCOMPARE(replies.size(), 2);
    QCOMPARE(replies.first().size, store->m_obLLargeFiles.first().m_nSize);
    QVERIFY(QDir(store->m_strDeviceKey + "/Large").entryList(QDir::Files).contains(largeName));
    QVERIFY(clean(8200));
    QCOMPARE(store->m_obLLargeFiles.size(), found[8] - 1);
    QCOMPARE(m_fixture.summary(m_folder).count("largeFiles").existing, found[8] - 1);

    // Compression: each photo reports its original copied, then compressed, and leaves the
    // candidates.
    QVERIFY(clean(2048));
    QCOMPARE(replies.size(), 2 * found[2048] + 1);
    QCOMPARE(replies.first().status, int(OV_NOTIFY_ORIGINAL_BACKED_UP));
    QCOMPARE(replies.at(1).status, int(OV_NOTIFY_ITEM_DONE));
    QVERIFY(store->m_obLCompressPhotos.isEmpty());
    QCOMPARE(QDir(store->m_strDeviceKey + "/Compress").entryList(QDir::Files).size(), found[2048]);

    // Photos: delete the first of the browse list.
    store->m_obLPhotos[0].m_bChecked = 1;
    QVERIFY(clean(9216));
    QCOMPARE(replies.size(), 2);
    QVERIFY(replies.first().size > 0);
    QCOMPARE(store->m_obLPhotos.size(), found[1024] - 1);

    // Apps: the chosen one is uninstalled and reported with its record.
    const QString bundleId = store->m_obLApps.last().m_strBundleId;
    store->m_obLApps.last().m_bChecked = 1;
    QVERIFY(clean(16));
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

    QVERIFY(BackUpDevice());
    SignalRecorder stages(callback, &CTaskCallback::signalEraseAllTask);
    for (const int mode : { 1, 2, 4, 8 })
        QVERIFY(controller->PostEraseAllTask(mode));
    QVERIFY(QTest::qWaitFor([&] { return stages.count() == 4; }, 30000));
    const int stage[] = { OV_NOTIFY_ERASEALL_STAGE1, OV_NOTIFY_ERASEALL_STAGE2, OV_NOTIFY_ERASEALL_STAGE4,
                          OV_NOTIFY_ERASEALL_STAGE8 };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(stages.at(i), (QVariantList { 1 << i, stage[i] }));
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
