#pragma once

#include "DeviceImageFixture.h"

#include <QString>

/// A simulated phone connected to the program the way the main window connects one: the
/// image is made through DeviceImageFixture, the library reports its arrival through the
/// real CController, and connect() returns once the device answered the connection as ready.
///
/// Construct it before anything else registers with the library (the fixture points the
/// library at its own folder then). The destructor releases the controller, so that no
/// library thread outlives the image folder.
class SimulatedPhone
{
public:
    SimulatedPhone();
    ~SimulatedPhone();
    SimulatedPhone(const SimulatedPhone&) = delete;
    SimulatedPhone& operator=(const SimulatedPhone&) = delete;

    /// Creates and plugs the image `name` with `content`, registers the program's arrival
    /// and removal handlers once, and connects; false (error() says why) on any failure.
    bool connect(DeviceContent content = DeviceImageFixture::smallContent(), const QString& name = "iPhone");
    /// Posts the connection task again (after a restart, say) and waits for "ready".
    bool reconnect(int timeoutMs = 10000);

    DeviceImageFixture& devices() { return m_devices; }
    /// The image folder of the last connected device.
    QString folder() const { return m_folder; }
    QString error() const { return m_error; }

private:
    bool fail(const QString& why);

    DeviceImageFixture m_devices;
    QString m_folder;
    QString m_error;
    bool m_registered = false;
};
