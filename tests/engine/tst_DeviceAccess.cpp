// Links the engine alone: it must build and run without the controller above it.
#include "CCtrlCallback.h"
#include "CCtrlDevConnCallback.h"
#include "IDeviceAccess.h"
#include "TaskSupport.h"

#include <QTest>

namespace {

class FakeAccess : public IDeviceAccess
{
public:
    DevicePairType FirstDevicePair() const override { return {}; }
    bool TestAndClearStopRequest(int) override { return false; }
    void RemoveDevice(IBaseDevice*) override { }
};

class StopProbe : public CCtrlCallback
{
public:
    using CCtrlCallback::IsStopRequested;
    int OnStateChange(int, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, void*) override { return 0; }
};

QList<QPair<int, void*>> g_results;
void Record(int state, void* device)
{
    g_results << qMakePair(state, device);
}

} // namespace

class tst_DeviceAccess : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void withoutAnOwnerTheEngineSeesNoDeviceAndNoStop();
    void onlyTheRegisteredOwnerCanUnregister();
};

void tst_DeviceAccess::cleanup()
{
    IDeviceAccess::registerInstance(nullptr);
    g_results.clear();
}

void tst_DeviceAccess::withoutAnOwnerTheEngineSeesNoDeviceAndNoStop()
{
    QVERIFY(!IDeviceAccess::instance());
    QCOMPARE(FirstDevicePair(), DevicePairType());
    QVERIFY(!FirstDevice());
    QVERIFY(!StopProbe::IsStopRequested(CCtrlCallback::Fill));

    // A failed connect with nobody to tell still reports its end.
    CCtrlDevConnCallback failed(&Record);
    QCOMPARE(failed.OnStateChange(OV_NOTIFY_CONNECT_FAILED, 0, 0, 0, 0, nullptr), 0);
    QCOMPARE(g_results, (QList<QPair<int, void*>> { { 4, nullptr } }));
}

void tst_DeviceAccess::onlyTheRegisteredOwnerCanUnregister()
{
    FakeAccess current;
    FakeAccess previous;
    IDeviceAccess::registerInstance(&current);
    // An owner that is being freed after another took over must not take the other away.
    IDeviceAccess::unregisterInstance(&previous);
    QCOMPARE(IDeviceAccess::instance(), &current);
    IDeviceAccess::unregisterInstance(&current);
    QVERIFY(!IDeviceAccess::instance());
}

QTEST_MAIN(tst_DeviceAccess)
#include "tst_DeviceAccess.moc"
