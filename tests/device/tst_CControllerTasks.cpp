// What stopping, the end reports and the information blocks promise the pages, checked
// through CController against a simulated device.
#include "CController.h"
#include "CCtrlThread.h"
#include "CEraseCallLogDataTask.h"
#include "CGlobalData.h"
#include "CProcessTask.h"
#include "CTask.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"
#include "ovdriver.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QSemaphore>
#include <QTest>

#include <functional>
#include <memory>
#include <thread>
#include <utility>

namespace {
/// A step of the control thread made of a function.
class Step : public CProcessTask
{
public:
    explicit Step(std::function<void()> run)
        : m_run(std::move(run))
    { }
    void Run() override { m_run(); }

private:
    std::function<void()> m_run;
};

void Post(std::function<void()> step)
{
    CController::GetInstance()->GetCtrlThread()->Post(new CTask(new Step(std::move(step))));
}

/// Closes the control thread until Open() or the end of the scope.
struct Gate
{
    Gate()
    {
        Post([this] {
            started.release();
            open.acquire();
        });
    }
    ~Gate() { Open(); }
    bool WaitClosed() { return started.tryAcquire(1, 10000); }
    void Open() { open.release(1 - std::exchange(opened, 1)); }

    QSemaphore started;
    QSemaphore open;
    int opened = 0;
};
} // namespace

class tst_CControllerTasks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stopDropsWhatWasQueuedBeforeItEvenAfterANewPost();
    void aCancelledEraseStillReportsItsEnd();
    void theWeChatEndCountsOnlyQueuedAccounts();
    void informationBlocksReadWhileTheControlThreadRewritesThem();
    void loadersNameFromTheLatestBackupsContactsAndPutNewestPhotosFirst();
    void releaseEndsTheRunningJobAndEveryThread();

private:
    bool Backup();
    int BackupCount(const QString& category) const
    {
        return m_fixture.backupSummary(m_folder).count(category).existing;
    }

    SimulatedPhone m_phone;
    DeviceImageFixture& m_fixture = m_phone.devices();
    QString m_folder;
};

bool tst_CControllerTasks::Backup()
{
    SignalRecorder backup(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    if (!CController::GetInstance()->PostBackupDevDataTask())
        return false;
    return QTest::qWaitFor(
               [&] { return !backup.isEmpty() && backup.last().at(0).toInt() != OV_NOTIFY_BACKUP_PROGRESS; }, 30000)
        && backup.last().at(0).toInt() == OV_NOTIFY_BACKUP_END;
}

void tst_CControllerTasks::initTestCase()
{
    QVERIFY2(m_phone.connect(), qPrintable(m_phone.error()));
    m_folder = m_phone.folder();
    QVERIFY(Backup());
}

void tst_CControllerTasks::stopDropsWhatWasQueuedBeforeItEvenAfterANewPost()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder messagesLoaded(callback, &CTaskCallback::signalLoadSMSData);
    SignalRecorder messagesErased(callback, &CTaskCallback::signalEraseSMSData);
    SignalRecorder callLogLoaded(callback, &CTaskCallback::signalLoadCallLogData);
    const int messages = BackupCount("messages");
    QVERIFY(messages > 0);

    Gate gate;
    QVERIFY(gate.WaitClosed());
    QVERIFY(controller->PostLoadSMSDataTask());
    QVERIFY(controller->PostEraseSMSDataTask(0, {})); // every message
    controller->StopTasks();
    // What the user asks for after stopping is new work and runs.
    QVERIFY(controller->PostLoadCallLogDataTask());
    gate.Open();

    QTRY_COMPARE_WITH_TIMEOUT(callLogLoaded.count(), 1, 10000);
    QCOMPARE(messagesLoaded.count(), 0);
    QCOMPARE(messagesErased.count(), 0);
    QCOMPARE(BackupCount("messages"), messages);
}

void tst_CControllerTasks::aCancelledEraseStillReportsItsEnd()
{
    SignalRecorder erased(CTaskCallback::GetInstance(), &CTaskCallback::signalEraseCallLogData);
    std::shared_ptr<CTask> erase
        = std::make_shared<CEraseCallLogDataTask>(0, QList<quint32> {}, CTaskCallback::Emit_signalEraseCallLogData);
    QVERIFY(!erase->IsEmpty());
    // The user's Stop arrives after the task started, before the library reports.
    Post([erase] {
        CController::GetInstance()->StopTasks();
        erase->Execute();
    });
    QTRY_COMPARE_WITH_TIMEOUT(erased.count(), 1, 10000);
    // Reported once, however the library goes on after being told to stop.
    QTest::qWait(100);
    QCOMPARE(erased.count(), 1);
}

void tst_CControllerTasks::theWeChatEndCountsOnlyQueuedAccounts()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder loaded(callback, &CTaskCallback::signalLoadWeChatData);
    QVERIFY(controller->PostLoadWeChatDataTask());
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 10000);
    const QVector<WeChatAccountInfo> accounts = CGlobalData::GetInstance()->m_obLWeChatAccount;
    QCOMPARE(accounts.size(), 2);

    // The second account has gone (no interface): the library gives no erase for it.
    SignalRecorder erased(callback, &CTaskCallback::signalEraseWeChatData);
    QMap<WeChatAccountKey, QList<quint32>> chosen;
    chosen.insert({ accounts.at(0).m_pAccount, accounts.at(0).m_nIndex }, { 0 });
    chosen.insert({ nullptr, accounts.at(1).m_nIndex }, { 0 });
    QVERIFY(controller->PostEraseWeChatDataTask(0, chosen));
    QTRY_COMPARE_WITH_TIMEOUT(erased.count(), 1, 10000);
}

void tst_CControllerTasks::informationBlocksReadWhileTheControlThreadRewritesThem()
{
    // Each connect has the control thread ask the library for the device's blocks while
    // this thread reads them; a thread checker sees any block shared between the two.
    CController* controller = CController::GetInstance();
    const ImageSummary summary = m_fixture.summary(m_folder);
    const QString key = m_fixture.deviceKey(m_folder);
    SignalRecorder ready(CTaskCallback::GetInstance(), &CTaskCallback::signalConnToDev);
    const int connects = 20;
    for (int i = 0; i < connects; ++i)
        QVERIFY(controller->PostConnectDevTask());
    int reads = 0;
    QElapsedTimer clock;
    clock.start();
    while (ready.count() < connects && !clock.hasExpired(60000)) {
        CGlobalData* store = controller->LoadDeviceInfo();
        QCOMPARE(store->m_strDeviceName, summary.name);
        QCOMPARE(store->m_strDeviceKey, key);
        OvBasicInfo basic;
        QVERIFY(controller->GetBasicInfo(basic));
        QCOMPARE(QString::fromLocal8Bit(basic.productType), QString("iPhone14,2"));
        ++reads;
        QCoreApplication::processEvents();
    }
    QCOMPARE(ready.count(), connects);
    QVERIFY(reads > 0);
    QCOMPARE(CGlobalData::GetInstance()->m_strModelName, QString("iPhone 13 Pro"));
}

void tst_CControllerTasks::loadersNameFromTheLatestBackupsContactsAndPutNewestPhotosFirst()
{
    // The loaders name numbers from the contacts of the backup they read, read again once a
    // backup has run (not when it was posted: a load queued before it reads the old ones).
    const QString number = "+1 555-0100";
    QVERIFY(m_fixture.edit(m_folder, [&](DeviceImage& image) {
        const auto first = [&](const QString& category, const std::function<void(QJsonObject&)>& change) {
            QJsonArray records = image.privateArray(category);
            QJsonObject record = records.at(0).toObject();
            change(record);
            records[0] = record;
            image.setPrivateArray(category, records);
        };
        first("contacts", [&](QJsonObject& contact) {
            contact["firstName"] = "Ann";
            contact["lastName"] = "Lee";
            contact["phones"] = QJsonArray { QJsonObject { { "number", "5550100" },
                                                           { "label", "mobile" },
                                                           { "labelType", 1 },
                                                           { "state", 0 },
                                                           { "propertyType", 3 } } };
        });
        first("messages", [&](QJsonObject& conversation) { conversation["participants"] = number; });
        first("callLog", [&](QJsonObject& call) { call["number"] = number; });
    }));
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder messages(callback, &CTaskCallback::signalLoadSMSData);
    SignalRecorder calls(callback, &CTaskCallback::signalLoadCallLogData);
    SignalRecorder contacts(callback, &CTaskCallback::signalLoadAddressBookData);
    SignalRecorder backup(callback, &CTaskCallback::signalBackupDevData);
    Gate gate;
    QVERIFY(gate.WaitClosed());
    QVERIFY(controller->PostLoadSMSDataTask());
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(controller->PostLoadCallLogDataTask());
    gate.Open();
    QTRY_COMPARE_WITH_TIMEOUT(calls.count(), 1, 30000);
    QCOMPARE(backup.last().at(0).toInt(), int(OV_NOTIFY_BACKUP_END));
    QCOMPARE(contacts.count(), 1); // the contacts page hears of the new ones too
    QVERIFY(controller->PostLoadSMSDataTask());
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 2, 10000);

    const CGlobalData& store = *CGlobalData::GetInstance();
    QStringList named;
    for (const SMSSessionInfo& session : store.m_obLSMSSession) {
        if (session.m_strNumbers == number)
            named << "message:" + session.m_strNames;
    }
    for (const CallLogSessionInfo& call : store.m_obLCallLogSession) {
        if (call.m_strNumber == number)
            named << "call:" + call.m_strName;
    }
    QCOMPARE(named, (QStringList { "message:Ann Lee", "call:Ann Lee" }));

    // Photos and videos come newest first, however the backup lists them.
    SignalRecorder media(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadPhotoAndVideoData);
    QVERIFY(controller->PostLoadPhotoAndVideoDataTask());
    QTRY_COMPARE_WITH_TIMEOUT(media.count(), 1, 10000);
    const QVector<PhotoVideoInfo>& items = store.m_obLPhotoAndVideo;
    QVERIFY(items.size() > 2);
    for (int i = 1; i < items.size(); ++i)
        QVERIFY2(items.at(i - 1).m_nSortKey >= items.at(i).m_nSortKey, qPrintable(items.at(i).m_strPath));
}

void tst_CControllerTasks::releaseEndsTheRunningJobAndEveryThread()
{
    // Slow steps, so that the backup is surely still running when the program quits.
    qputenv("OVDRIVER_SIM_DELAY_MS", "1500");
    CController* controller = CController::GetInstance();
    QPointer<QThread> controlThread(controller->GetCtrlThread());
    SignalRecorder backup(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadSMSData);
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(controller->PostLoadSMSDataTask()); // queued behind the backup: never runs
    QTRY_VERIFY_WITH_TIMEOUT(!backup.isEmpty(), 10000);

    QElapsedTimer clock;
    clock.start();
    std::thread releaser([] { CController::Release(); });
    releaser.join();
    qunsetenv("OVDRIVER_SIM_DELAY_MS");
    QVERIFY2(clock.elapsed() < 5000, "the running job was waited for instead of stopped");
    QVERIFY(controlThread.isNull());
    QCoreApplication::processEvents();
    QCOMPARE(loaded.count(), 0);
}

QTEST_GUILESS_MAIN(tst_CControllerTasks)
#include "tst_CControllerTasks.moc"
