#include "SimulatedPhone.h"

#include "CController.h"
#include "CTaskCallback.h"
#include "SignalRecorder.h"

#include <QTest>

#include <cstdint>

namespace {

void DeviceArrived(IBaseDevice*, void*)
{
    CTaskCallback::Emit_singalDevConnToPC();
}

void DeviceLeft(IBaseDevice* device, void*)
{
    CTaskCallback::Emit_singalDevDisconnFromPC(
        static_cast<unsigned long long>(static_cast<long long>(reinterpret_cast<std::intptr_t>(device))));
}

// The value of signalConnToDev for a device that answered the connection.
constexpr int kReady = 3;

} // namespace

SimulatedPhone::SimulatedPhone() = default;

SimulatedPhone::~SimulatedPhone()
{
    CController::Release();
}

bool SimulatedPhone::fail(const QString& why)
{
    m_error = why;
    return false;
}

bool SimulatedPhone::connect(DeviceContent content, const QString& name)
{
    if (!m_devices.isValid())
        return fail("no temporary folder for the device images");
    content.plugged = true;
    m_folder = m_devices.create(name, content);
    if (m_folder.isEmpty())
        return fail(m_devices.lastError());

    SignalRecorder arrived(CTaskCallback::GetInstance(), &CTaskCallback::singalDevConnToPC);
    if (!m_registered) {
        CController* controller = CController::GetInstance();
        controller->SetConnectHandler(DeviceArrived, nullptr);
        controller->SetDisconnectHandler(DeviceLeft, nullptr);
        controller->StartDeviceNotifications();
        m_registered = true;
    }
    if (!QTest::qWaitFor([&] { return !arrived.isEmpty(); }, 5000))
        return fail("the library did not report the plugged device within 5 s");
    return reconnect();
}

bool SimulatedPhone::reconnect(int timeoutMs)
{
    SignalRecorder ready(CTaskCallback::GetInstance(), &CTaskCallback::signalConnToDev);
    if (!CController::GetInstance()->PostConnectDevTask())
        return fail("no device to connect to");
    if (!QTest::qWaitFor([&] { return !ready.isEmpty(); }, timeoutMs))
        return fail(QString("the device did not answer the connection within %1 ms").arg(timeoutMs));
    const int state = ready.first().first().toInt();
    if (state != kReady)
        return fail(QString("the device answered the connection with %1, not ready (%2)").arg(state).arg(kReady));
    return true;
}
