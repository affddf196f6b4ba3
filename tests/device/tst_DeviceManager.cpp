#include "CController.h"
#include "CGlobalData.h"
#include "DeviceManager.h"
#include "EngineTestSupport.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace {
using HandlerCalls = QList<QPair<IBaseDevice*, void*>>;

void RecordCall(IBaseDevice* device, void* user)
{
    static_cast<HandlerCalls*>(user)->append({ device, user });
}

void OtherHandler(IBaseDevice*, void*)
{
    QFAIL("a second registration must not replace the first");
}

QString Address(const void* pointer)
{
    return QString("%1").arg(quintptr(pointer) & 0xffffffffu, 8, 16, QChar('0'));
}

// The list keeps and compares device pointers and never calls them, so distinct addresses
// stand for devices here.
struct Tokens
{
    alignas(16) unsigned char bytes[8][16] {};
    IBaseDevice* base(int i) { return reinterpret_cast<IBaseDevice*>(bytes[i]); }
    IPrivacyCleanDevice* clean(int i) { return reinterpret_cast<IPrivacyCleanDevice*>(bytes[i] + 8); }
    DevicePairType pair(int i) { return { base(i), clean(i) }; }
};
} // namespace

class tst_DeviceManager : public QObject
{
    Q_OBJECT

private slots:
    void theFirstDeviceStillConnectedIsAtIndex0EvenAcrossThreads();
    void arrivalAndRemovalReports();
    void nothingIsPostedWithoutADevice();
};

void tst_DeviceManager::theFirstDeviceStillConnectedIsAtIndex0EvenAcrossThreads()
{
    DeviceManager manager;
    Tokens devices;
    QCOMPARE(manager.DevicePair(0), DevicePairType(nullptr, nullptr));
    manager.AddDevice(devices.base(0), devices.clean(0));
    manager.AddDevice(devices.base(1), devices.clean(1));
    QCOMPARE(manager.DevicePair(0), devices.pair(0));
    QCOMPARE(manager.DevicePair(1), devices.pair(1));
    QCOMPARE(manager.DevicePair(2), DevicePairType(nullptr, nullptr));
    QCOMPARE(manager.DevicePair(-1), DevicePairType(nullptr, nullptr));
    manager.RemoveDevice(devices.base(2)); // a stranger
    QCOMPARE(manager.DeviceCount(), 2);
    manager.RemoveDevice(devices.base(0));
    QCOMPARE(manager.DevicePair(0), devices.pair(1));
    QCOMPARE(manager.DeviceCount(), 1);

    // Arrivals and removals come on the library's thread while others read index 0.
    std::atomic<bool> done { false };
    std::atomic<int> rounds { 0 };
    std::thread library([&] {
        while (!done) {
            const int device = 2 + rounds % 3;
            manager.AddDevice(devices.base(device), devices.clean(device));
            manager.RemoveDevice(devices.base(device));
            ++rounds;
        }
    });
    // Ends the writer however the checks below end.
    const std::unique_ptr<void, std::function<void(void*)>> stop(&done, [&](void*) {
        done = true;
        library.join();
    });
    QVERIFY(QTest::qWaitFor([&] { return rounds > 0; }, 5000));
    for (int read = 0; read < 20000; ++read) {
        const DevicePairType pair = manager.DevicePair(1);
        // A pair is read whole: never one device's base with another's factory.
        if (pair.first) {
            const int owner = int(reinterpret_cast<unsigned char*>(pair.first) - devices.bytes[0]) / 16;
            QCOMPARE(pair, devices.pair(owner));
        }
        QCOMPARE(manager.DevicePair(0), devices.pair(1));
    }
}

void tst_DeviceManager::arrivalAndRemovalReports()
{
    QFile::remove("dravo.log");
    DeviceManager manager;
    HandlerCalls arrivals, removals;
    manager.SetConnectHandler(RecordCall, &arrivals);
    manager.SetDisconnectHandler(RecordCall, &removals);
    // The first registration wins.
    manager.SetConnectHandler(OtherHandler, nullptr);
    manager.SetDisconnectHandler(OtherHandler, nullptr);
    Tokens devices;
    IBaseDevice* const unknown = devices.base(0);
    IBaseDevice* const neverSeen = devices.base(1);

    StderrCapture debugChannel;
    // The library knows no such device: the pair keeps a null factory, which reads as none.
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(1, unknown, &manager), 0);
    QCOMPARE(manager.DevicePair(0), DevicePairType(unknown, nullptr));
    QCOMPARE(arrivals, (QList<QPair<IBaseDevice*, void*>> { { unknown, &arrivals } }));

    // A removal of a device that is not in the list is still reported.
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(2, neverSeen, &manager), 0);
    QCOMPARE(manager.DeviceCount(), 1);
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(0, unknown, &manager), 0);
    QCOMPARE(manager.DeviceCount(), 0);
    QCOMPARE(removals, (QList<QPair<IBaseDevice*, void*>> { { neverSeen, &removals }, { unknown, &removals } }));
    // Without its manager the report changes nothing.
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(1, unknown, nullptr), 0);
    QCOMPARE(manager.DeviceCount(), 0);

    const QString line
        = "*******CCtrlDevConnNotifyCallback::AppleDevCallback connectType:1 IBaseDevice:" + Address(unknown);
    QVERIFY(debugChannel.Finish().contains(line));
    QCOMPARE(FileLogLines().filter(line).size(), 2);
    QCOMPARE(FileLogLines().filter("connectType:2 IBaseDevice:" + Address(neverSeen)).size(), 1);
}

void tst_DeviceManager::nothingIsPostedWithoutADevice()
{
    CController* controller = CController::GetInstance();
    QCOMPARE(controller->GetDeviceManager()->DeviceCount(), 0);
    QVERIFY(!controller->PostConnectDevTask());
    QVERIFY(!controller->PostBackupDevDataTask());
    QVERIFY(!controller->PostLoadSMSDataTask());
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
    Tokens devices;
    controller->GetDeviceManager()->AddDevice(devices.base(0), nullptr);
    QVERIFY(!controller->PostLoadSMSDataTask());
    controller->GetDeviceManager()->RemoveDevice(devices.base(0));
    CController::Release();
}

QTEST_GUILESS_MAIN(tst_DeviceManager)
#include "tst_DeviceManager.moc"
