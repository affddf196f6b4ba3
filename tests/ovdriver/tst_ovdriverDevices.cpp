// Arrival and removal, registering, connecting and its failures, driven through the contract
// header only. What a connected device tells (its blocks, trust, lock, encryption) is checked
// by the engine and window flows against the same simulator.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

namespace {

// A program that stops listening while it is told about a device.
class Unregistering final : public CDeviceConnectCallBack
{
public:
    int AppleDevCallback(int, IBaseDevice*, void*) override
    {
        ++reports;
        manager->UnregisterCallback();
        return 0;
    }
    IDeviceManager* manager = nullptr;
    std::atomic<int> reports { 0 };
};

} // namespace

class tst_ovdriverDevices : public QObject
{
    Q_OBJECT

private slots:
    void arrivalAndRemovalFollowTheMarkerAndNullsAreRefused();
    void registrationReportsWhatIsPluggedUntilUnregistered();
    void connectFailures_data();
    void connectFailures();
};

void tst_ovdriverDevices::arrivalAndRemovalFollowTheMarkerAndNullsAreRefused()
{
    DeviceImageFixture fixture;
    const QString folder = fixture.create("phone");
    QVERIFY2(!folder.isEmpty(), qPrintable(fixture.lastError()));
    const QString id = fixture.uniqueId(folder);
    LibrarySession session;
    QTest::qWait(250);
    QVERIFY2(session.events().isEmpty(), "a device without the marker must not arrive");

    const qint64 pluggedAt = session.elapsedMs();
    QVERIFY(fixture.plug(folder));
    IBaseDevice* base = session.waitForArrival(id, 2000);
    QVERIFY(base);
    QVERIFY2(session.events().last().atMs - pluggedAt < 500, "arrival must follow the marker within 500 ms");
    QCOMPARE(QString::fromUtf8(base->UniqueId()), id);

    const qint64 unpluggedAt = session.elapsedMs();
    QVERIFY(fixture.unplug(folder));
    QVERIFY(session.waitForRemoval(id, 2000));
    QVERIFY(session.events().last().atMs - unpluggedAt < 500);
    QCOMPARE(session.events().last().device, base);

    // The program keeps its pointers; a device that comes back is the same object.
    QVERIFY(fixture.plug(folder));
    QCOMPARE(session.waitForArrival(id, 2000), base);
    QCOMPARE(session.events().size(), 3);

    // Null and unknown pointers are refused, not followed.
    QCOMPARE(CreateDeviceManager(nullptr), -1);
    IDeviceManager* manager = nullptr;
    QCOMPARE(CreateDeviceManager(&manager), 0);
    QCOMPARE(manager->RegisterCallback(nullptr, nullptr), -1);
    IPrivacyCleanDevice* device = reinterpret_cast<IPrivacyCleanDevice*>(0x1);
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, nullptr), -1);
    QVERIFY(!device);
    int notADevice = 0;
    device = reinterpret_cast<IPrivacyCleanDevice*>(0x1);
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, reinterpret_cast<IBaseDevice*>(&notADevice)), -1);
    QVERIFY(!device);
    QCOMPARE(GetiOSPrivacyCleanDevice(nullptr, base), -1);
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, base), 0);
    QVERIFY(!device->Connect(nullptr));
    QCOMPARE(device->GetDeviceInfo(nullptr), -1);
    QCOMPARE(device->GetBackupInterface(nullptr), -1);
    QCOMPARE(device->CheckBackupPassword(nullptr), 0);
    IPrivateDataInterface* privateData = nullptr;
    QCOMPARE(device->GetPrivateDataInterface(&privateData), 0);
    IMessagesCategory* messages = nullptr;
    QCOMPARE(privateData->GetMessages(&messages), 0);
    QVERIFY(!messages->GetItem(-1));
    QVERIFY(!messages->GetConversation(0)); // nothing loaded yet
}

void tst_ovdriverDevices::registrationReportsWhatIsPluggedUntilUnregistered()
{
    DeviceImageFixture fixture;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.plugged = true;
    const QString second = fixture.create("b-second", content);
    const QString first = fixture.create("a-first", content);
    QVERIFY(fixture.uniqueId(first) != fixture.uniqueId(second));
    {
        LibrarySession session;
        QVERIFY(session.waitForArrival(fixture.uniqueId(second)));
        QVERIFY(session.waitForArrival(fixture.uniqueId(first)));
        QCOMPARE(session.events().size(), 2);
        QCOMPARE(session.events().first().uniqueId, fixture.uniqueId(first));
    }

    // Unregistering from inside a report stops the reports at once: neither the second
    // plugged device nor a removal is told.
    Unregistering callback;
    QCOMPARE(CreateDeviceManager(&callback.manager), 0);
    QCOMPARE(callback.manager->RegisterCallback(&callback, nullptr), 0);
    QVERIFY(DeviceImageFixture::waitFor([&] { return callback.reports > 0; }));
    QVERIFY(fixture.unplug(first));
    QTest::qWait(300);
    QCOMPARE(callback.reports.load(), 1);

    // Listening again works, and tells about what is plugged in now.
    LibrarySession again;
    QVERIFY(again.waitForArrival(fixture.uniqueId(second)));
    QTest::qWait(250);
    QCOMPARE(again.events().size(), 1);
}

void tst_ovdriverDevices::connectFailures_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("logged");
    QTest::newRow("malformed device.json") << "malformed" << -6 << "malformed";
    QTest::newRow("device.json without a name") << "no name" << -6 << "\"name\"";
    QTest::newRow("missing content file") << "missing file" << -6 << "missing content file";
    QTest::newRow("unreadable image") << "unreadable" << -6 << "unreadable image";
    QTest::newRow("connect fault of the image") << "fault" << 7 << "fault code 7";
}

void tst_ovdriverDevices::connectFailures()
{
    QFETCH(QString, problem);
    QFETCH(int, code);
    QFETCH(QString, logged);
    // A log of its own, so that no other row's lines are read.
    QTemporaryDir appDir;
    const QByteArray previousAppDir = qgetenv("DRAVO_APP_DIR");
    qputenv("DRAVO_APP_DIR", appDir.path().toLocal8Bit());

    DeviceImageFixture fixture;
    QString folder;
    if (problem == "malformed") {
        folder = fixture.createRaw("broken", "{ \"name\": \"Half a device\", ");
    } else if (problem == "no name") {
        folder = fixture.createRaw("broken", R"({"uniqueId": "x", "productType": "iPhone9,1", "totalBytes": 100})");
    } else {
        folder = fixture.create("broken");
        const DeviceImage image = fixture.image(folder);
        QFile photo(image.localPath(image.array("media").first().toObject().value("path").toString()));
        if (problem == "missing file")
            QVERIFY(photo.remove());
        else if (problem == "unreadable")
            QVERIFY(photo.open(QIODevice::WriteOnly) && photo.write("this is no picture at all") > 0);
        else
            QVERIFY(fixture.setFault(folder, "connect", 7));
    }
    QVERIFY(fixture.plug(folder));

    LibrarySession session;
    QVERIFY(DeviceImageFixture::waitFor([&] { return !session.events().isEmpty(); }));
    IPrivacyCleanDevice* device = nullptr;
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, session.events().first().device), 0);
    NotificationRecorder connect;
    LibrarySession::run(device->Connect(&connect));
    QCOMPARE(connect.types(), QList<int> { OV_NOTIFY_CONNECT_FAILED });
    QCOMPARE(int(connect.all().first().p1), code);
    QVERIFY(!device->IsConnected());
    // Whatever is wrong, the information block is still a block to read.
    OvDeviceInfo* info = nullptr;
    device->GetDeviceInfo(&info);
    QVERIFY(info);

    const QString log = QString::fromUtf8(fileBytes(appDir.path() + "/log/ovdriver.log"));
    QVERIFY2(log.contains(logged), qPrintable(log));
    qputenv("DRAVO_APP_DIR", previousAppDir);
}

QTEST_GUILESS_MAIN(tst_ovdriverDevices)
#include "tst_ovdriverDevices.moc"
