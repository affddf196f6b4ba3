#include "CController.h"
#include "CCtrlEraseWeChatDataCallback.h"
#include "CCtrlThread.h"
#include "CEraseCallLogDataTask.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "EngineTestSupport.h"

#include <QFile>
#include <QPointer>
#include <QSemaphore>
#include <QTest>

#include <cstring>
#include <functional>
#include <thread>

namespace {
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

class tst_EngineTasks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void nothingIsPostedWithoutADevice();
    void queriesAddressTheFirstDevice();
    void modesOtherThanOneEraseTheWholeCategoryOrNothing();
    void selectedErasesReachTheLibraryOnlyWhenTheyRun();
    void weChatErasePostsOneTaskPerAccountWithItems();
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

void tst_EngineTasks::modesOtherThanOneEraseTheWholeCategoryOrNothing()
{
    // The flows erase chosen records (mode 1); these modes reach whole categories.
    const struct
    {
        const char* what;
        std::function<bool(CController&)> post;
        const char* slot; // the first slot the fake device saw, or none
    } rows[] = {
        { "messages", [](CController& c) { return c.PostEraseSMSDataTask(0, kItems); }, "messages:7" },
        { "call log", [](CController& c) { return c.PostEraseCallLogDataTask(5, kItems); }, "calllog:6" },
        { "note attachments", [](CController& c) { return c.PostEraseNoteAttachmentTask(0, kItems); }, "notes:6" },
        { "cookies", [](CController& c) { return c.PostEraseSafariCookieDataTask(0, kItems); }, "cookies:7" },
        { "cache", [](CController& c) { return c.PostEraseSafariCacheDataTask(0, kItems); }, "cache:5" },
        { "photos, always the chosen", [](CController& c) { return c.PostErasePhotoAndVideoDataTask(0, kItems); },
          "photos:5" },
        { "WhatsApp", [](CController& c) { return c.PostEraseWhatsAppDataTask(0, kItems); }, "whatsapp:9" },
        { "WhatsApp mode 2", [](CController& c) { return c.PostEraseWhatsAppDataTask(2, kItems); }, nullptr },
        { "Viber", [](CController& c) { return c.PostEraseViberDataTask(0, kItems); }, "viber:7" },
        { "Kik mode 3", [](CController& c) { return c.PostEraseKikDataTask(3, kItems); }, nullptr },
    };
    for (const auto& row : rows) {
        FakeDeviceSession session;
        QVERIFY2(row.post(*CController::GetInstance()), row.what);
        QVERIFY(DrainControlThread());
        const QStringList events = SlotEvents(session.device.journal);
        QCOMPARE(events.value(0), QString(row.slot ? row.slot : ""));
    }
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
