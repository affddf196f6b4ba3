#include "CController.h"
#include "CCtrlEraseWeChatDataCallback.h"
#include "CCtrlOneKeyClearCallback.h"
#include "CCtrlThread.h"
#include "CEraseCallLogDataTask.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "EngineTestSupport.h"
#include "OneKeyConversions.h"

#include <QFile>
#include <QPointer>
#include <QSemaphore>
#include <QTest>

#include <cstring>
#include <functional>
#include <thread>

namespace {
using PostFunction = std::function<bool(CController&)>;
const QList<quint32> kItems { 7, 0xfffffffe, 42 };

/// The journal's slot events of the fake device, without its runs, answers and releases.
QStringList SlotEvents(const FakeJournal& journal)
{
    QStringList events;
    for (const std::string& event : journal.Events()) {
        const QString text = QString::fromStdString(event);
        if (!text.startsWith("run:") && !text.startsWith("answer:") && !text.startsWith("release:")
            && !text.contains(":run:"))
            events << text;
    }
    return events;
}
} // namespace

Q_DECLARE_METATYPE(PostFunction)

class tst_EngineTasks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void nothingIsPostedWithoutADevice();
    void queriesAddressTheFirstDevice();
    void connectTaskReportsReadiness();
    void eraseRouting_data();
    void eraseRouting();
    void selectedErasesReachTheLibraryOnlyWhenTheyRun();
    void weChatErasePostsOneTaskPerAccountWithItems();
    void wholeDeviceJobs();
    void oneKeyScanOrderAndLists();
    void oneKeyCleanActsOnTheChosenRecords();
    void releaseEndsTheRunningJobAndEveryThread();
};

void tst_EngineTasks::init()
{
    QFile::remove("dravo.log");
    CController* controller = CController::GetInstance();
    for (int kind = 0; kind < 3; ++kind)
        controller->TestAndClearStopRequest(kind);
}

void tst_EngineTasks::nothingIsPostedWithoutADevice()
{
    CController* controller = CController::GetInstance();
    QCOMPARE(controller->GetDeviceManager()->DeviceCount(), 0);
    QVERIFY(!controller->PostConnectDevTask());
    QVERIFY(!controller->PostBackupDevDataTask());
    QVERIFY(!controller->PostLoadSMSDataTask());
    QVERIFY(!controller->PostEraseSMSDataTask(1, kItems));
    QVERIFY(!controller->PostEraseWeChatDataTask(1, {}));
    QCOMPARE(controller->PostOneKeyScanTask(31), 0);
    QCOMPARE(controller->PostOneKeyClearTask(16), 0);
    QVERIFY(!controller->IsFindMyIPhoneOn());
    QVERIFY(!controller->IsBackupEncrypted());
    QVERIFY(!controller->IsDeviceLocked());
    QCOMPARE(controller->CheckBackupPassword("secret"), 0);
    CGlobalData* store = controller->LoadDeviceInfo();
    QCOMPARE(store->m_strDeviceName, QString());
    QCOMPARE(store->m_nFreeSpace, ~quint64(0));

    // A device whose factory the library did not give counts as none.
    FakeBaseDevice base;
    controller->GetDeviceManager()->AddDevice(&base, nullptr);
    QVERIFY(!controller->PostLoadSMSDataTask());
    controller->GetDeviceManager()->RemoveDevice(&base);
}

void tst_EngineTasks::queriesAddressTheFirstDevice()
{
    FakeDeviceSession first, second;
    std::strcpy(first.device.deviceInfo.deviceName, "First");
    std::strcpy(first.device.deviceInfo.productType, "iPad13,1");
    std::strcpy(first.device.deviceInfo.deviceKey, "/devices/first");
    std::strcpy(first.device.deviceInfo.activationState, "Unactivated");
    first.device.deviceInfo.freeBytes = 5ull << 32;
    first.device.deviceInfo.totalBytes = 9ull << 32;
    first.device.backupEncrypted = true;
    first.device.backupPassword = "p\xC3\xA4ss";
    std::strcpy(second.device.deviceInfo.deviceName, "Second");
    second.device.findMyIPhone = second.device.locked = true;

    CController* controller = CController::GetInstance();
    CGlobalData* store = controller->LoadDeviceInfo();
    QCOMPARE(store->m_strDeviceName, QString("First"));
    QCOMPARE(store->m_strProductType, QString("iPad13,1"));
    QCOMPARE(store->m_strDeviceKey, QString("/devices/first"));
    QCOMPARE(store->m_strActivationState, QString("Unactivated"));
    QCOMPARE(store->m_nFreeSpace, 5ull << 32);
    QCOMPARE(store->m_nTotalSpace, 9ull << 32);
    QVERIFY(controller->IsBackupEncrypted());
    QVERIFY(!controller->IsFindMyIPhoneOn());
    QVERIFY(!controller->IsDeviceLocked());
    QCOMPARE(controller->CheckBackupPassword(QString::fromUtf8("p\xC3\xA4ss")), 1);
    QCOMPARE(controller->CheckBackupPassword("pass"), 0);

    // When the first leaves, the second is at index 0.
    controller->GetDeviceManager()->RemoveDevice(&first.device.base);
    QCOMPARE(controller->LoadDeviceInfo()->m_strDeviceName, QString("Second"));
    QVERIFY(controller->IsFindMyIPhoneOn());
    QVERIFY(controller->IsDeviceLocked());
}

void tst_EngineTasks::connectTaskReportsReadiness()
{
    FakeDeviceSession session;
    std::strcpy(session.device.basicInfo.productType, "iPod9,1");
    SignalRecorder spy(CTaskCallback::GetInstance(), &CTaskCallback::signalConnToDev);
    StderrCapture debugChannel;
    QVERIFY(CController::GetInstance()->PostConnectDevTask());
    QTRY_COMPARE(spy.count(), 1);
    const QString address = QString("%1").arg(quintptr(&session.device.base) & 0xffffffffu, 8, 16, QChar('0'));
    QVERIFY(debugChannel.Finish().contains("CController::PostConnectDevTask() IBaseDevice:" + address));
    QCOMPARE(spy.at(0).at(0).toInt(), 3);
    QCOMPARE(CGlobalData::GetInstance()->m_strModelName, QString("iPod touch (7th generation)"));
    QCOMPARE(FileLogLines().filter("connect to ios device start. IBaseDevice:" + address).size(), 1);
    // The operation was given back to the library after its run.
    QVERIFY(DrainControlThread());
    QCOMPARE(session.device.journal.Count("release:connect"), 1);
}

void tst_EngineTasks::eraseRouting_data()
{
    QTest::addColumn<PostFunction>("post");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QStringList>("events");

    const auto row = [](const char* name, PostFunction post, const char* signal, QStringList events) {
        QTest::newRow(name) << post << QByteArray(signal) << events;
    };
    const QString handles = ":7,4294967294,42";
    const auto selected = [&](const QString& slot) { return QStringList { slot, slot + handles }; };
    row(
        "messages selected", [](CController& c) { return c.PostEraseSMSDataTask(1, kItems); },
        SIGNAL(signalEraseSMSData()), selected("messages:8"));
    row("messages whole", [](CController& c) { return c.PostEraseSMSDataTask(0, kItems); },
        SIGNAL(signalEraseSMSData()), { "messages:7" });
    row(
        "message attachments", [](CController& c) { return c.PostEraseSMSAttachmentTask(1, kItems); },
        SIGNAL(signalEraseSMSAttachmentData()), selected("messages:10"));
    row(
        "call log selected", [](CController& c) { return c.PostEraseCallLogDataTask(1, kItems); },
        SIGNAL(signalEraseCallLogData()), selected("calllog:7"));
    row("call log, other mode erases all", [](CController& c) { return c.PostEraseCallLogDataTask(5, kItems); },
        SIGNAL(signalEraseCallLogData()), { "calllog:6" });
    row(
        "notes", [](CController& c) { return c.PostEraseNoteDataTask(1, kItems); }, SIGNAL(signalEraseNoteData()),
        selected("notes:7"));
    row(
        "note attachments", [](CController& c) { return c.PostEraseNoteAttachmentTask(1, kItems); },
        SIGNAL(signalEraseNoteAttachmentData()), selected("notes:9"));
    row("note attachments whole", [](CController& c) { return c.PostEraseNoteAttachmentTask(0, kItems); },
        SIGNAL(signalEraseNoteAttachmentData()), { "notes:6" });
    row(
        "Safari history", [](CController& c) { return c.PostEraseSafariHistoryDataTask(1, kItems); },
        SIGNAL(signalEraseSafariHistoryData()), selected("history:7"));
    row(
        "Safari cookies", [](CController& c) { return c.PostEraseSafariCookieDataTask(1, kItems); },
        SIGNAL(signalEraseSafariCookieData()), selected("cookies:9"));
    row("Safari cookies whole", [](CController& c) { return c.PostEraseSafariCookieDataTask(0, kItems); },
        SIGNAL(signalEraseSafariCookieData()), { "cookies:7" });
    row(
        "Safari cache", [](CController& c) { return c.PostEraseSafariCacheDataTask(1, kItems); },
        SIGNAL(signalEraseSafariCacheData()), selected("cache:6"));
    row("Safari cache whole", [](CController& c) { return c.PostEraseSafariCacheDataTask(0, kItems); },
        SIGNAL(signalEraseSafariCacheData()), { "cache:5" });
    row(
        "photos, whatever the mode", [](CController& c) { return c.PostErasePhotoAndVideoDataTask(0, kItems); },
        SIGNAL(signalErasePhotoAndVideoData()), selected("photos:5"));
    row("WhatsApp whole", [](CController& c) { return c.PostEraseWhatsAppDataTask(0, kItems); },
        SIGNAL(signalEraseWhatsAppData()), { "whatsapp:9" });
    row(
        "WhatsApp selected", [](CController& c) { return c.PostEraseWhatsAppDataTask(1, kItems); },
        SIGNAL(signalEraseWhatsAppData()), selected("whatsapp:10"));
    row("WhatsApp other mode", [](CController& c) { return c.PostEraseWhatsAppDataTask(2, kItems); },
        SIGNAL(signalEraseWhatsAppData()), {});
    row(
        "WhatsApp attachments", [](CController& c) { return c.PostEraseWhatsAppAttachmentDataTask(1, kItems); },
        SIGNAL(signalEraseWhatsAppAttachmentData()), selected("whatsapp:12"));
    row(
        "Viber", [](CController& c) { return c.PostEraseViberDataTask(1, kItems); }, SIGNAL(signalEraseViberData()),
        selected("viber:8"));
    row("Viber whole", [](CController& c) { return c.PostEraseViberDataTask(0, kItems); },
        SIGNAL(signalEraseViberData()), { "viber:7" });
    row(
        "Kik", [](CController& c) { return c.PostEraseKikDataTask(1, kItems); }, SIGNAL(signalEraseKikData()),
        selected("kik:8"));
    row("Kik other mode", [](CController& c) { return c.PostEraseKikDataTask(3, kItems); },
        SIGNAL(signalEraseKikData()), {});
    row(
        "Kik attachments", [](CController& c) { return c.PostEraseKikAttachmentDataTask(1, kItems); },
        SIGNAL(signalEraseKikAttachmentData()), selected("kik:10"));
    row("contacts", [](CController& c) { return c.PostEraseContactDataTask(); }, SIGNAL(signalEraseContactData()),
        { "contacts:6" });
    row("calendar", [](CController& c) { return c.PostEraseCalendarDataTask(); }, SIGNAL(signalEraseCalendarData()),
        { "calendar:6" });
    row("bookmarks", [](CController& c) { return c.PostEraseBooMarkDataTask(); }, SIGNAL(signalEraseBookMarkData()),
        { "bookmarks:6" });
    row("voice memos", [](CController& c) { return c.PostEraseVoiceMemoDataTask(); },
        SIGNAL(signalEraseVoiceMemoData()), { "voicememos:6" });
}

void tst_EngineTasks::eraseRouting()
{
    QFETCH(PostFunction, post);
    QFETCH(QByteArray, signal);
    QFETCH(QStringList, events);
    FakeDeviceSession session;
    SignalRecorder spy(CTaskCallback::GetInstance(), signal.constData());
    QVERIFY(post(*CController::GetInstance()));
    QVERIFY(DrainControlThread());
    QCOMPARE(SlotEvents(session.device.journal), events);
    QCOMPARE(spy.count(), events.isEmpty() ? 0 : 1);
    if (events.size() == 2) {
        // The handles were still there when the job ran.
        QCOMPARE(
            session.device.journal.Count((events.at(0) + ":run" + events.at(1).mid(events.at(0).size())).toStdString()),
            1);
    }
    if (!events.isEmpty())
        QCOMPARE(session.device.journal.Count("release:erase"), 1);
}

void tst_EngineTasks::selectedErasesReachTheLibraryOnlyWhenTheyRun()
{
    // The library looks handles up in the lists a load may be rebuilding on the control
    // thread: building the task on the window thread must not ask it yet.
    FakeDeviceSession session;
    CEraseCallLogDataTask task(1, kItems, [] {});
    QVERIFY(!task.IsEmpty());
    QCOMPARE(SlotEvents(session.device.journal), QStringList());
    std::thread control([&task] { task.Execute(); });
    control.join();
    QCOMPARE(SlotEvents(session.device.journal), (QStringList { "calllog:7", "calllog:7:7,4294967294,42" }));
}

void tst_EngineTasks::weChatErasePostsOneTaskPerAccountWithItems()
{
    FakeDeviceSession session;
    auto& accounts = session.device.privateData->weChat->accounts;
    for (const char* name : { "alice", "bob", "carol" })
        accounts.emplace_back(new FakeWeChatAccount(session.device, name));
    SignalRecorder spy(CTaskCallback::GetInstance(), &CTaskCallback::signalEraseWeChatData);
    QMap<WeChatAccountKey, QList<quint32>> chosen;
    chosen.insert({ accounts[0].get(), 0 }, { 1, 2 });
    chosen.insert({ accounts[1].get(), 1 }, {});
    chosen.insert({ accounts[2].get(), 2 }, { 3 });
    QVERIFY(CController::GetInstance()->PostEraseWeChatDataTask(1, chosen));
    QVERIFY(DrainControlThread());
    // Two accounts had items: the second end brought the countdown to 0.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(CCtrlEraseWeChatDataCallback::Countdown(), 0);
    const QStringList events = SlotEvents(session.device.journal);
    QVERIFY(events.contains("wechat:alice:7:1,2"));
    QVERIFY(events.contains("wechat:carol:7:3"));
    QVERIFY(events.filter("wechat:bob").isEmpty());

    // Nothing chosen: nothing posted.
    QVERIFY(!CController::GetInstance()->PostEraseWeChatDataTask(1, { { { accounts[0].get(), 0 }, {} } }));
}

void tst_EngineTasks::wholeDeviceJobs()
{
    FakeDeviceSession session;
    CController* controller = CController::GetInstance();
    SignalRecorder backup(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    SignalRecorder restore(CTaskCallback::GetInstance(), &CTaskCallback::signalRestoreDevData);
    SignalRecorder eraseAll(CTaskCallback::GetInstance(), &CTaskCallback::signalEraseAllTask);
    SignalRecorder sizes(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadAppSize);
    controller->StopDeviceJob(0);
    QVERIFY(controller->PostBackupDevDataTask()); // clears the earlier stop request
    QVERIFY(controller->PostRestoreDevDataTask(1));
    for (const int mode : { 1, 2, 4, 8, 3 })
        QVERIFY(controller->PostEraseAllTask(mode));
    CGlobalData::GetInstance()->m_mapAppDataSize.insert("stale", 1);
    QVERIFY(controller->PostLoadAppSizeTask({ "WhatsApp" }));
    QVERIFY(DrainControlThread());
    QCOMPARE(backup.count(), 2);
    QCOMPARE(backup.at(1), (QVariantList { int(OV_NOTIFY_BACKUP_END), 0 }));
    QCOMPARE(restore.count(), 2);
    QVERIFY(session.device.journal.Has("restore type 1"));
    QCOMPARE(eraseAll.count(), 4); // mode 3 makes no operation
    QCOMPARE(eraseAll.at(2), (QVariantList { 4, int(OV_NOTIFY_ERASEALL_STAGE4) }));
    QCOMPARE(sizes.count(), 1);
    QVERIFY(CGlobalData::GetInstance()->m_mapAppDataSize.isEmpty());
    const QStringList log = FileLogLines();
    QCOMPARE(log.filter("back up data start.").size(), 1);
    QCOMPARE(log.filter("restore data start. restore type:1").size(), 1);

    // Without the sub-interfaces the tasks are empty: nothing runs, nothing is reported.
    session.device.noSubInterfaces = true;
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(controller->PostEraseSMSDataTask(1, kItems));
    QVERIFY(DrainControlThread());
    QCOMPARE(backup.count(), 2);
}

void tst_EngineTasks::oneKeyScanOrderAndLists()
{
    FakeDeviceSession session;
    OvOneKeyFileItem junk {};
    std::strcpy(junk.path, "/junk/1");
    session.device.oneKey[64]->files.push_back(junk);
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_obLPhotoCaches = { OneKeyFileInfo(), OneKeyFileInfo(), OneKeyFileInfo() }; // an earlier scan's
    SignalRecorder spy(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyScanRespond);

    QCOMPARE(CController::GetInstance()->PostOneKeyScanTask(31), 10);
    QVERIFY(DrainControlThread());
    QStringList order;
    for (const QVariantList& reply : spy)
        order << reply.at(0).toString();
    QCOMPARE(order, QString("32 64 128 256 512 2 2048 1024 8 16").split(' '));
    QCOMPARE(spy.at(1), (QVariantList { 64, 1 }));
    QCOMPARE(store->m_obLPhotoCaches.size(), 1);
    QCOMPARE(store->m_obLPhotoCaches.at(0).m_strPath, QString("/junk/1"));
    QCOMPARE(CController::GetInstance()->PostOneKeyScanTask(4 | 16), 3);
}

void tst_EngineTasks::oneKeyCleanActsOnTheChosenRecords()
{
    FakeDeviceSession session;
    CController* controller = CController::GetInstance();
    CGlobalData* store = controller->LoadDeviceInfo();
    QVector<OneKeyFileInfo> large(3);
    for (int i = 0; i < 3; ++i) {
        large[i].m_strPath = QString("/large/%1").arg(i);
        large[i].m_bChecked = i != 1;
    }
    store->m_obLLargeFiles = large;
    QVector<AppResultInfo> apps(3);
    for (int i = 0; i < 3; ++i) {
        apps[i].m_strName = QString("App %1").arg(i);
        apps[i].m_strBundleId = QString("com.example.%1").arg(i);
        apps[i].m_bChecked = i != 0;
    }
    store->m_obLApps = apps;
    QVector<int> statuses;
    const auto connection = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyClearRespond, this,
                                    [&](int type, int status, void* record) {
                                        statuses << status;
                                        DeleteOneKeyClearRecord(type, record);
                                    });

    // Export takes the chosen files and leaves the list as it was.
    QCOMPARE(controller->PostOneKeyClearTask(4104), 1);
    QVERIFY(DrainControlThread());
    QCOMPARE(session.device.oneKey[8]->added, (std::vector<std::string> { "/large/0", "/large/2" }));
    QVERIFY(session.device.journal.Has("export:8"));
    QCOMPARE(store->m_obLLargeFiles.size(), 3);
    QCOMPARE(statuses, (QVector<int> { 14, 14, CCtrlOneKeyClearCallback::kCleanFinished }));

    // Export and delete takes them out of the list.
    session.device.oneKey[8]->added.clear();
    QCOMPARE(controller->PostOneKeyClearTask(8200), 1);
    QVERIFY(DrainControlThread());
    QVERIFY(session.device.journal.Has("process:8"));
    QCOMPARE(store->m_obLLargeFiles.size(), 1);
    QCOMPARE(store->m_obLLargeFiles.at(0).m_strPath, QString("/large/1"));

    // Nothing chosen: the task is empty and no reply comes.
    store->m_obLLargeFiles[0].m_bChecked = 0;
    statuses.clear();
    QCOMPARE(controller->PostOneKeyClearTask(8200), 1);
    QVERIFY(DrainControlThread());
    QVERIFY(statuses.isEmpty());

    // One uninstall per chosen app, each taken out of the list.
    QCOMPARE(controller->PostOneKeyClearTask(16), 2);
    QVERIFY(DrainControlThread());
    QCOMPARE(session.device.apps.uninstalled, (std::vector<std::string> { "com.example.1", "com.example.2" }));
    QCOMPARE(store->m_obLApps.size(), 1);
    QCOMPARE(store->m_obLApps.at(0).m_strName, QString("App 0"));
    QCOMPARE(statuses, (QVector<int> { OV_NOTIFY_ONEKEY_END, OV_NOTIFY_ONEKEY_END }));
    QCOMPARE(controller->PostOneKeyClearTask(16), 0);

    // A junk clean empties its list before it runs.
    store->m_obLCrashLogs = { OneKeyFileInfo() };
    QCOMPARE(controller->PostOneKeyClearTask(256), 1);
    QVERIFY(store->m_obLCrashLogs.isEmpty());
    QVERIFY(DrainControlThread());
    QVERIFY(session.device.journal.Has("clean:256"));
    disconnect(connection);
}

void tst_EngineTasks::releaseEndsTheRunningJobAndEveryThread()
{
    auto* session = new FakeDeviceSession;
    QSemaphore started, proceed;
    session->device.scripts["backup"]
        = { { OV_NOTIFY_BACKUP_PROGRESS, 10 }, { OV_NOTIFY_BACKUP_PROGRESS, 20 }, { OV_NOTIFY_BACKUP_END } };
    session->device.onRun = [&](const std::string& job) {
        if (job == "backup") {
            started.release();
            proceed.acquire();
        }
    };
    CController* controller = CController::GetInstance();
    QPointer<QThread> controlThread(controller->GetCtrlThread());
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(controller->PostLoadSMSDataTask()); // queued behind the backup: never runs
    QVERIFY(started.tryAcquire(1, 5000));

    std::thread releaser([] { CController::Release(); });
    QTest::qWait(20);
    proceed.release();
    releaser.join();
    // The job was asked to stop at its first notification; the queued load never started.
    QCOMPARE(session->device.journal.Count("answer:backup:-1"), 1);
    QCOMPARE(session->device.journal.Count("answer:backup:0"), 0);
    QCOMPARE(session->device.journal.Count("release:backup"), 1);
    QVERIFY(!session->device.journal.Has("contacts:load"));
    QVERIFY(controlThread.isNull());

    // A new controller starts from scratch.
    delete session;
    QCOMPARE(CController::GetInstance()->GetDeviceManager()->DeviceCount(), 0);
    FakeDeviceSession again;
    SignalRecorder connected(CTaskCallback::GetInstance(), &CTaskCallback::signalConnToDev);
    QVERIFY(CController::GetInstance()->PostConnectDevTask());
    QTRY_COMPARE(connected.count(), 1);
}

QTEST_GUILESS_MAIN(tst_EngineTasks)
#include "tst_EngineTasks.moc"
