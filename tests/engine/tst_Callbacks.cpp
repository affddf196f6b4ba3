#include "CController.h"
#include "CCtrlBackupDevDataCallback.h"
#include "CCtrlDevConnCallback.h"
#include "CCtrlEraseAllCallback.h"
#include "CCtrlEraseSMSDataCallback.h"
#include "CCtrlEraseWeChatDataCallback.h"
#include "CCtrlFillDataCallback.h"
#include "CCtrlLoadAppSizeCallback.h"
#include "CCtrlOneKeyClearCallback.h"
#include "CCtrlOneKeyScanCallback.h"
#include "CCtrlRestoreDevDataCallback.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CancelFlags.h"
#include "EngineTestSupport.h"
#include "OneKeyConversions.h"
#include "SimulatedPhone.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
#include <memory>

namespace {
OvOneKeyFileItem FileItem(const char* path, std::uint64_t size)
{
    OvOneKeyFileItem item {};
    std::strcpy(item.name, "a.jpg");
    std::strcpy(item.path, path);
    item.size = size;
    return item;
}

OvAppItem AppItem(const char* name, std::uint64_t dataSize)
{
    OvAppItem item {};
    std::strcpy(item.name, name);
    std::strcpy(item.bundleId, "com.example.app");
    item.staticSize = 1000;
    item.dataSize = dataSize;
    return item;
}

/// Signals of the one-key clean with their records, freed as their receiver would.
struct ClearReplies
{
    ClearReplies()
    {
        QObject::connect(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyClearRespond, &context,
                         [this](int type, int status, void* record) {
                             replies.append({ type, status, record != nullptr });
                             if (record && (type & 16))
                                 apps.append(*static_cast<AppResultInfo*>(record));
                             else if (record && !(type & 1024))
                                 files.append(*static_cast<OneKeyFileInfo*>(record));
                             DeleteOneKeyClearRecord(type, record);
                         });
    }
    struct Reply
    {
        int type, status;
        bool hasRecord;
    };
    QVector<Reply> replies;
    QVector<OneKeyFileInfo> files;
    QVector<AppResultInfo> apps;
    QObject context; // disconnects as the replies go
};
} // namespace

class tst_Callbacks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fillPercent_data();
    void fillPercent();
    void fillStopRequestWaitsForTheNextFill();
    void backupAndRestoreStopOrEndAndThenRefuse();
    void oneKeyScanFillsItsList();
    void oneKeyCleanReplies();
    void cancelledCallbacksStopTheJob();
    void connectOutcomes();

private:
    CController* m_controller = nullptr;
    // Declared last: it releases the controller when the test ends.
    SimulatedPhone m_phone;
};

void tst_Callbacks::initTestCase()
{
    // The product type the connection turns into a model name.
    DeviceContent content = DeviceImageFixture::smallContent();
    content.productType = "iPhone14,2";
    QVERIFY2(m_phone.connect(content), qPrintable(m_phone.error()));
}

void tst_Callbacks::init()
{
    m_controller = CController::GetInstance();
    for (int kind = 0; kind < 3; ++kind)
        m_controller->TestAndClearStopRequest(kind);
    callbackCancel = false;
    QFile::remove("dravo.log");
}

void tst_Callbacks::fillPercent_data()
{
    QTest::addColumn<quint64>("written");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("99.5 rounds up") << quint64(199) << quint64(200) << 100;
    QTest::newRow("a third") << quint64(1) << quint64(3) << 33;
    QTest::newRow("beyond 32 bits") << quint64(3) << (quint64(1) << 33) * 2 << 0;
    QTest::newRow("64-bit amounts") << (quint64(3) << 32) << (quint64(4) << 32) << 75;
    QTest::newRow("unknown total") << quint64(5) << quint64(0) << 0;
}

void tst_Callbacks::fillPercent()
{
    QFETCH(quint64, written);
    QFETCH(quint64, total);
    QFETCH(int, percent);
    QSignalSpy spy(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
    CCtrlFillDataCallback callback(CTaskCallback::Emit_signalFillDataSignal);
    QCOMPARE(callback.OnStateChange(OV_NOTIFY_ITEM_DONE, static_cast<std::uint32_t>(written),
                                    static_cast<std::uint32_t>(written >> 32), static_cast<std::uint32_t>(total),
                                    static_cast<std::uint32_t>(total >> 32), nullptr),
             0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), (QVariantList { OV_NOTIFY_ITEM_DONE, percent }));
    const bool endLogged
        = FileLogLines().filter(QString("fill data end. Notify_Type:14 param1:%1.").arg(written)).size() == 1;
    QCOMPARE(endLogged, percent == 100);
    // It stays alive after 100: the library's end notification still arrives.
    QCOMPARE(callback.OnStateChange(OV_NOTIFY_READY, 0, 0, 0, 0, nullptr), 0);
}

void tst_Callbacks::fillStopRequestWaitsForTheNextFill()
{
    QSignalSpy spy(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
    m_controller->StopDeviceJob(2);
    {
        // A fill callback made later still finds the request and consumes it.
        CCtrlFillDataCallback next(CTaskCallback::Emit_signalFillDataSignal);
        QCOMPARE(next.OnStateChange(OV_NOTIFY_ITEM_DONE, 1, 0, 2, 0, nullptr), -1);
        QCOMPARE(next.OnStateChange(OV_NOTIFY_ITEM_DONE, 1, 0, 2, 0, nullptr), -1);
        CCtrlFillDataCallback after(CTaskCallback::Emit_signalFillDataSignal);
        QCOMPARE(after.OnStateChange(OV_NOTIFY_ITEM_DONE, 1, 0, 2, 0, nullptr), 0);
    }
    QCOMPARE(spy.count(), 1);

    // Posting a fill clears a request made before it: the fill runs to its end.
    SignalRecorder posted(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
    m_controller->StopDeviceJob(2);
    QVERIFY(m_controller->PostFillDataTask());
    QTRY_VERIFY_WITH_TIMEOUT(!posted.isEmpty() && posted.last().at(0).toInt() == OV_NOTIFY_READY, 30000);
    QCOMPARE(posted.last(), (QVariantList { OV_NOTIFY_READY, 100 }));
    QVERIFY(posted.count() > 1);
    QVERIFY(FileLogLines().filter("fill data start.").size() == 1);
}

void tst_Callbacks::backupAndRestoreStopOrEndAndThenRefuse()
{
    QSignalSpy backups(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    m_controller->StopDeviceJob(0);
    CCtrlBackupDevDataCallback backup(CTaskCallback::Emit_signalBackupDevData);
    QCOMPARE(backup.OnStateChange(OV_NOTIFY_BACKUP_PROGRESS, 10, 0, 0, 0, nullptr), -1);
    QCOMPARE(backups.count(), 0);
    QCOMPARE(FileLogLines().filter(QRegularExpression("back up data stop\\. Notify_Type:66 param1:10\\.$")).size(), 1);
    // The stop request was used up.
    QCOMPARE(backup.OnStateChange(OV_NOTIFY_BACKUP_PROGRESS, 40, 0, 0, 0, nullptr), 0);
    QCOMPARE(backup.OnStateChange(OV_NOTIFY_BACKUP_FAILED, static_cast<std::uint32_t>(-19), 0, 0, 0, nullptr), 0);
    QCOMPARE(backups.count(), 2);
    QCOMPARE(backups.at(1), (QVariantList { OV_NOTIFY_BACKUP_FAILED, -19 }));
    QCOMPARE(FileLogLines().filter(QRegularExpression("back up data end\\. Notify_Type:24 param1:-19\\.$")).size(), 1);
    // Its job is over: a stray notification is refused and reported to nobody.
    QCOMPARE(backup.OnStateChange(OV_NOTIFY_BACKUP_PROGRESS, 50, 0, 0, 0, nullptr), -1);
    QCOMPARE(backups.count(), 2);

    QSignalSpy restores(CTaskCallback::GetInstance(), &CTaskCallback::signalRestoreDevData);
    m_controller->StopDeviceJob(1);
    CCtrlRestoreDevDataCallback stopped(CTaskCallback::Emit_signalRestoreDevData);
    QCOMPARE(stopped.OnStateChange(OV_NOTIFY_RESTORE_PROGRESS, 5, 0, 0, 0, nullptr), -1);
    QCOMPARE(restores.count(), 0);
    CCtrlRestoreDevDataCallback restore(CTaskCallback::Emit_signalRestoreDevData);
    QCOMPARE(restore.OnStateChange(OV_NOTIFY_RESTORE_PROGRESS, 30, 0, 0, 0, nullptr), 0);
    QCOMPARE(restore.OnStateChange(OV_NOTIFY_RESTORE_END, 0, 0, 0, 0, nullptr), 0);
    QCOMPARE(restores.count(), 2);
    QCOMPARE(FileLogLines().filter(QRegularExpression("restore data end\\. Notify_Type:22 param1:0\\.$")).size(), 1);
    QCOMPARE(restore.OnStateChange(OV_NOTIFY_RESTORE_PROGRESS, 30, 0, 0, 0, nullptr), -1);
}

void tst_Callbacks::oneKeyScanFillsItsList()
{
    QSignalSpy spy(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyScanRespond);
    CGlobalData* store = CGlobalData::GetInstance();
    OvOneKeyFileItem first = FileItem("/DCIM/1.jpg", 4000000), second = FileItem("/DCIM/2.jpg", 10);
    OvOneKeyMediaItem photo {};
    photo.id = -5;
    std::strcpy(photo.path, "/DCIM/3.heic");
    photo.time = 0;
    OvAppItem app = AppItem("Notes", 5000000000ull);
    CCtrlOneKeyScanCallback files(CTaskCallback::Emit_signalOneKeyScanRespond, 2048);
    CCtrlOneKeyScanCallback photos(CTaskCallback::Emit_signalOneKeyScanRespond, 1024);
    CCtrlOneKeyScanCallback apps(CTaskCallback::Emit_signalOneKeyScanRespond, 16);
    store->m_obLCompressPhotos.clear();
    store->m_obLPhotos.clear();
    store->m_obLApps.clear();
    files.OnStateChange(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &first);
    files.OnStateChange(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, nullptr); // skipped
    files.OnStateChange(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &second);
    photos.OnStateChange(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &photo);
    apps.OnStateChange(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &app);
    QCOMPARE(spy.count(), 0);
    files.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr);
    photos.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr);
    apps.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr);
    QCOMPARE(spy.at(0), (QVariantList { 2048, 2 }));
    QCOMPARE(spy.at(1), (QVariantList { 1024, 1 }));
    QCOMPARE(spy.at(2), (QVariantList { 16, 1 }));
    QCOMPARE(store->m_obLCompressPhotos.at(0).m_strPath, QString("/DCIM/1.jpg"));
    QCOMPARE(store->m_obLCompressPhotos.at(0).m_nSize, quint64(4000000));
    QCOMPARE(store->m_obLCompressPhotos.at(0).m_strExtension, QString("jpg"));
    QVERIFY(store->m_obLCompressPhotos.at(0).m_nId != store->m_obLCompressPhotos.at(1).m_nId);
    QCOMPARE(store->m_obLPhotos.at(0).m_nId, qint64(-5));
    QCOMPARE(store->m_obLPhotos.at(0).m_nTime, qint64(978307200));
    QCOMPARE(store->m_obLApps.at(0).m_nDataSize, quint64(5000000000));
    QCOMPARE(store->m_obLApps.at(0).m_nAppSize, quint64(5000001000));
    // After its end the scan takes nothing more.
    QCOMPARE(files.OnStateChange(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &first), -1);
    QCOMPARE(store->m_obLCompressPhotos.size(), 2);
}

void tst_Callbacks::oneKeyCleanReplies()
{
    CGlobalData* store = CGlobalData::GetInstance();
    OvOneKeyFileItem compressed = FileItem("/DCIM/1.jpg", 4000000);
    store->m_obLCompressPhotos = { ToOneKeyFileInfo(FileItem("/DCIM/0.jpg", 1), 0), ToOneKeyFileInfo(compressed, 1) };
    ClearReplies replies;
    {
        CCtrlOneKeyClearCallback compression(CTaskCallback::Emit_signalOneKeyClearRespond, 2048);
        compression.OnStateChange(OV_NOTIFY_ORIGINAL_BACKED_UP, 0, 0, 0, 0, &compressed);
        compression.OnStateChange(OV_NOTIFY_ITEM_DONE, 0, 0, 0, 0, &compressed);
        // The library reuses its item: the record handed on must not change with it.
        std::strcpy(compressed.path, "/elsewhere");
        compression.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr);
    }
    QCOMPARE(replies.replies.size(), 3);
    QCOMPARE(replies.replies.at(0).status, int(OV_NOTIFY_ORIGINAL_BACKED_UP));
    QCOMPARE(replies.replies.at(1).status, int(OV_NOTIFY_ITEM_DONE));
    QCOMPARE(replies.files.at(1).m_strPath, QString("/DCIM/1.jpg"));
    QCOMPARE(replies.files.at(1).m_nSize, quint64(4000000));
    QCOMPARE(replies.replies.at(2).status, CCtrlOneKeyClearCallback::kCleanFinished);
    QVERIFY(!replies.replies.at(2).hasRecord);
    // The compressed photo is no candidate any more; the other stays.
    QCOMPARE(store->m_obLCompressPhotos.size(), 1);
    QCOMPARE(store->m_obLCompressPhotos.at(0).m_strPath, QString("/DCIM/0.jpg"));

    // An uninstall ends with the removed app, or an empty one when the library gives none.
    OvAppItem removed = AppItem("Maps", 20);
    CCtrlOneKeyClearCallback uninstall(CTaskCallback::Emit_signalOneKeyClearRespond, 16);
    uninstall.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, &removed);
    CCtrlOneKeyClearCallback failed(CTaskCallback::Emit_signalOneKeyClearRespond, 16);
    failed.OnStateChange(OV_NOTIFY_JOB_FAILED, 5, 0, 0, 0, nullptr);
    QCOMPARE(replies.apps.size(), 2);
    QCOMPARE(replies.apps.at(0).m_strName, QString("Maps"));
    QCOMPARE(replies.apps.at(0).m_nAppSize, quint64(1020));
    QCOMPARE(replies.apps.at(1).m_strName, QString());
    QCOMPARE(replies.replies.last().status, int(OV_NOTIFY_JOB_FAILED));
}

void tst_Callbacks::cancelledCallbacksStopTheJob()
{
    QSignalSpy scans(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyScanRespond);
    QSignalSpy eraseAll(CTaskCallback::GetInstance(), &CTaskCallback::signalEraseAllTask);
    QSignalSpy erases(CTaskCallback::GetInstance(), &CTaskCallback::signalEraseSMSData);
    CCtrlOneKeyScanCallback scan(CTaskCallback::Emit_signalOneKeyScanRespond, 8);
    CCtrlOneKeyClearCallback clean(CTaskCallback::Emit_signalOneKeyClearRespond, 32);
    CCtrlEraseAllCallback stage(CTaskCallback::Emit_signalEraseAllTask, 4);
    CCtrlEraseSMSDataCallback erase(CTaskCallback::Emit_signalEraseSMSData);
    CCtrlLoadAppSizeCallback sizes({ "WhatsApp" }, CTaskCallback::Emit_signalLoadAppSize);
    QCOMPARE(stage.OnStateChange(OV_NOTIFY_ERASEALL_STAGE4, 0, 0, 0, 0, nullptr), 0);
    QCOMPARE(stage.OnStateChange(OV_NOTIFY_ERASEALL_STAGE4, 0, 0, 0, 0, nullptr), 0); // never ends by itself
    QCOMPARE(eraseAll.count(), 2);
    QCOMPARE(eraseAll.at(0), (QVariantList { 4, int(OV_NOTIFY_ERASEALL_STAGE4) }));

    m_controller->StopTasks();
    QCOMPARE(scan.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr), -1);
    QCOMPARE(clean.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr), -1);
    QCOMPARE(stage.OnStateChange(OV_NOTIFY_ERASEALL_STAGE4, 0, 0, 0, 0, nullptr), -1);
    QCOMPARE(erase.OnStateChange(OV_NOTIFY_ERASE_DONE, 0, 0, 0, 0, nullptr), -1);
    QCOMPARE(sizes.OnStateChange(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, nullptr), -1);
    QCOMPARE(scans.count(), 0);
    QCOMPARE(eraseAll.count(), 2);
    // The page waiting for the erase hears of its end, once.
    QCOMPARE(erases.count(), 1);
    QCOMPARE(erase.OnStateChange(OV_NOTIFY_ERASE_DONE, 0, 0, 0, 0, nullptr), -1);
    QCOMPARE(erases.count(), 1);
    // Making a new callback is no new request: only the control thread lowers the flag.
    CCtrlEraseSMSDataCallback next(CTaskCallback::Emit_signalEraseSMSData);
    QVERIFY(callbackCancel);
}

void tst_Callbacks::connectOutcomes()
{
    QSignalSpy spy(CTaskCallback::GetInstance(), &CTaskCallback::signalConnToDev);
    IBaseDevice* const device = m_controller->GetDeviceManager()->DevicePair(0).first;
    QVERIFY(device);
    CGlobalData::GetInstance()->m_strModelName.clear();
    StderrCapture debugChannel;
    {
        CCtrlDevConnCallback ready(CTaskCallback::Emit_signalConnToDev);
        QCOMPARE(ready.OnStateChange(OV_NOTIFY_READY, 0, 0, 0, 0, nullptr), 0);
        // One notification ends it.
        QCOMPARE(ready.OnStateChange(OV_NOTIFY_NOT_TRUSTED, 0, 0, 0, 0, nullptr), -1);
        CCtrlDevConnCallback untrusted(CTaskCallback::Emit_signalConnToDev);
        untrusted.OnStateChange(OV_NOTIFY_NOT_TRUSTED, 0, 0, 0, 0, nullptr);
    }
    QCOMPARE(CGlobalData::GetInstance()->m_strModelName, QString("iPhone 13 Pro"));
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0), (QVariantList { 3, QVariant::fromValue<void*>(device) }));
    QCOMPARE(spy.at(1), (QVariantList { 2, QVariant::fromValue<void*>(device) }));
    QCOMPARE(m_controller->GetDeviceManager()->DeviceCount(), 1);

    CCtrlDevConnCallback failed(CTaskCallback::Emit_signalConnToDev);
    failed.OnStateChange(OV_NOTIFY_CONNECT_FAILED, 0, 0, 0, 0, nullptr);
    QCOMPARE(spy.at(2), (QVariantList { 4, QVariant::fromValue<void*>(nullptr) }));
    QCOMPARE(m_controller->GetDeviceManager()->DeviceCount(), 0);

    const QString address = QString("%1").arg(quintptr(device) & 0xffffffffu, 8, 16, QChar('0'));
    QCOMPARE(FileLogLines().filter("connect to ios device end. Notify_Type:12 IBaseDevice:" + address).size(), 1);
    QCOMPARE(FileLogLines().filter("connect to ios device end. Notify_Type:11 IBaseDevice:" + address).size(), 1);
    QVERIFY(
        debugChannel.Finish().contains("CCtrlDevConnCallback::OnStateChange() Notify_Type:16 IBaseDevice:" + address));
}

QTEST_GUILESS_MAIN(tst_Callbacks)
#include "tst_Callbacks.moc"
