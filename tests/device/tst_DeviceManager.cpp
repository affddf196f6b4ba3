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
struct HandlerCalls
{
    QList<QPair<IBaseDevice*, void*>> calls;
};

void RecordCall(IBaseDevice* device, void* user)
{
    static_cast<HandlerCalls*>(user)->calls.append({ device, user });
}

void OtherHandler(IBaseDevice*, void*)
{
    QFAIL("a second registration must not replace the first");
}

QString Address(const void* pointer)
{
    return QString("%1").arg(quintptr(pointer) & 0xffffffffu, 8, 16, QChar('0'));
}
} // namespace

class tst_DeviceManager : public QObject
{
    Q_OBJECT

private slots:
    void theFirstDeviceStillConnectedIsAtIndex0();
    void arrivalAndRemovalReports();
    void theFirstHandlerRegistrationWins();
    void theListIsSafeAcrossThreads();
};

void tst_DeviceManager::theFirstDeviceStillConnectedIsAtIndex0()
{
    DeviceManager manager;
    FakeDevice first, second;
    QCOMPARE(manager.DevicePair(0), DevicePairType(nullptr, nullptr));
    manager.AddDevice(&first.base, &first);
    manager.AddDevice(&second.base, &second);
    QCOMPARE(manager.DevicePair(0), DevicePairType(&first.base, &first));
    QCOMPARE(manager.DevicePair(1), DevicePairType(&second.base, &second));
    QCOMPARE(manager.DevicePair(2), DevicePairType(nullptr, nullptr));
    QCOMPARE(manager.DevicePair(-1), DevicePairType(nullptr, nullptr));
    FakeBaseDevice stranger;
    manager.RemoveDevice(&stranger);
    QCOMPARE(manager.DeviceCount(), 2);
    manager.RemoveDevice(&first.base);
    QCOMPARE(manager.DevicePair(0), DevicePairType(&second.base, &second));
    QCOMPARE(manager.DeviceCount(), 1);
}

void tst_DeviceManager::arrivalAndRemovalReports()
{
    QFile::remove("dravo.log");
    DeviceManager manager;
    HandlerCalls arrivals, removals;
    manager.SetConnectHandler(RecordCall, &arrivals);
    manager.SetDisconnectHandler(RecordCall, &removals);
    FakeBaseDevice unknown, neverSeen;

    StderrCapture debugChannel;
    // The library knows no such device: the pair keeps a null factory, which reads as none.
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(1, &unknown, &manager), 0);
    QCOMPARE(manager.DevicePair(0), DevicePairType(&unknown, nullptr));
    QCOMPARE(arrivals.calls, (QList<QPair<IBaseDevice*, void*>> { { &unknown, &arrivals } }));

    // A removal of a device that is not in the list is still reported.
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(2, &neverSeen, &manager), 0);
    QCOMPARE(manager.DeviceCount(), 1);
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(0, &unknown, &manager), 0);
    QCOMPARE(manager.DeviceCount(), 0);
    QCOMPARE(removals.calls,
             (QList<QPair<IBaseDevice*, void*>> { { &neverSeen, &removals }, { &unknown, &removals } }));
    // Without its manager the report changes nothing.
    QCOMPARE(manager.NotifyCallback()->AppleDevCallback(1, &unknown, nullptr), 0);
    QCOMPARE(manager.DeviceCount(), 0);

    const QString line
        = "*******CCtrlDevConnNotifyCallback::AppleDevCallback connectType:1 IBaseDevice:" + Address(&unknown);
    QVERIFY(debugChannel.Finish().contains(line));
    QCOMPARE(FileLogLines().filter(line).size(), 2);
    QCOMPARE(FileLogLines().filter("connectType:2 IBaseDevice:" + Address(&neverSeen)).size(), 1);
}

void tst_DeviceManager::theFirstHandlerRegistrationWins()
{
    DeviceManager manager;
    HandlerCalls arrivals;
    manager.SetConnectHandler(RecordCall, &arrivals);
    manager.SetConnectHandler(OtherHandler, nullptr);
    manager.SetDisconnectHandler(RecordCall, &arrivals);
    manager.SetDisconnectHandler(OtherHandler, nullptr);
    FakeDevice device;
    manager.CallConnectHandler(&device.base);
    manager.CallDisconnectHandler(&device.base);
    QCOMPARE(arrivals.calls.size(), 2);
}

void tst_DeviceManager::theListIsSafeAcrossThreads()
{
    // Arrivals and removals come on the library's thread while others read index 0.
    DeviceManager manager;
    FakeDevice devices[4];
    manager.AddDevice(&devices[0].base, &devices[0]);
    std::atomic<bool> done { false };
    std::atomic<int> rounds { 0 };
    std::thread library([&] {
        while (!done) {
            FakeDevice& device = devices[1 + rounds % 3];
            manager.AddDevice(&device.base, &device);
            manager.RemoveDevice(&device.base);
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
            const auto owner = std::find_if(std::begin(devices), std::end(devices),
                                            [&](FakeDevice& device) { return &device.base == pair.first; });
            QCOMPARE(pair.second, static_cast<IPrivacyCleanDevice*>(&*owner));
        }
        QCOMPARE(manager.DevicePair(0).second, static_cast<IPrivacyCleanDevice*>(&devices[0]));
    }
}

QTEST_GUILESS_MAIN(tst_DeviceManager)
#include "tst_DeviceManager.moc"
