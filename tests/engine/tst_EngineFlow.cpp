// Whole device flows through CController against the simulated device library: connect,
// backup, every loader, an erase in every category, restore and reconnect.
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EngineTestSupport.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

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
    return {
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
}
} // namespace

class tst_EngineFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void backupLoadEraseRestoreRemovesExactlyTheChosenRecords();

private:
    SimulatedPhone m_phone;
    DeviceImageFixture& m_fixture = m_phone.devices();
    QString m_folder;
};

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

void tst_EngineFlow::backupLoadEraseRestoreRemovesExactlyTheChosenRecords()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    // The connection described the device as the image does.
    CGlobalData* store = controller->LoadDeviceInfo();
    const ImageSummary image = m_fixture.summary(m_folder);
    QCOMPARE(store->m_strActivationState, QString("Activated"));
    QCOMPARE(store->m_nTotalSpace, image.totalBytes);
    QCOMPARE(store->m_nFreeSpace, image.freeBytes);
    QVERIFY(!controller->IsBackupEncrypted());
    QVERIFY(!controller->IsDeviceLocked());

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
    QVERIFY(QTest::qWaitFor([&] { return !restore.isEmpty() && restore.last().at(0).toInt() == OV_NOTIFY_RESTORE_END; },
                            30000));
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
}

QTEST_GUILESS_MAIN(tst_EngineFlow)
#include "tst_EngineFlow.moc"
