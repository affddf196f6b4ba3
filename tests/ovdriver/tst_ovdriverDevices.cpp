// Arrival and removal, connecting, the information blocks and the device queries, driven
// through the contract header only.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cstring>

class tst_ovdriverDevices : public QObject
{
    Q_OBJECT

private slots:
    void arrivalAndRemovalFollowTheMarker();
    void pluggedDevicesArriveAtRegistrationAndUnregisterEndsReports();
    void unregisteringFromInsideAReportStopsAtOnce();
    void contractRefusesNullAndUnknownPointers();
    void connectFillsTheInformationBlocks();
    void connectFailures_data();
    void connectFailures();
    void untrustedDeviceConnectsOnceTrusted();
    void queriesFollowTheImage();
};

void tst_ovdriverDevices::arrivalAndRemovalFollowTheMarker()
{
    DeviceImageFixture fixture;
    const QString folder = fixture.create("phone");
    QVERIFY2(!folder.isEmpty(), qPrintable(fixture.lastError()));
    const QString id = fixture.uniqueId(folder);
    LibrarySession session;

    QTest::qWait(250);
    QVERIFY2(session.events().isEmpty(), "a device without the marker must not arrive");

    qint64 pluggedAt = session.elapsedMs();
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
    pluggedAt = session.elapsedMs();
    QVERIFY(fixture.plug(folder));
    QCOMPARE(session.waitForArrival(id, 2000), base);
    QCOMPARE(session.events().size(), 3);
}

void tst_ovdriverDevices::pluggedDevicesArriveAtRegistrationAndUnregisterEndsReports()
{
    DeviceImageFixture fixture;
    const QString second = fixture.create("b-second");
    const QString first = fixture.create("a-first");
    QVERIFY(fixture.plug(first) && fixture.plug(second));
    {
        LibrarySession session;
        QVERIFY(session.waitForArrival(fixture.uniqueId(second)));
        QVERIFY(session.waitForArrival(fixture.uniqueId(first)));
        QCOMPARE(session.events().size(), 2);
        QCOMPARE(session.events().first().uniqueId, fixture.uniqueId(first));

        QCOMPARE(session.manager()->UnregisterCallback(), 0);
        const int before = session.events().size();
        QVERIFY(fixture.unplug(first));
        QTest::qWait(300);
        QCOMPARE(session.events().size(), before);
    }
    // A new registration reports what is plugged in now.
    LibrarySession again;
    QVERIFY(again.waitForArrival(fixture.uniqueId(second)));
    QTest::qWait(250);
    QCOMPARE(again.events().size(), 1);
}

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

void tst_ovdriverDevices::unregisteringFromInsideAReportStopsAtOnce()
{
    DeviceImageFixture fixture;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.plugged = true;
    const QString first = fixture.create("first", content);
    const QString second = fixture.create("second", content);
    QVERIFY(fixture.uniqueId(first) != fixture.uniqueId(second));
    Unregistering callback;
    QCOMPARE(CreateDeviceManager(&callback.manager), 0);
    QCOMPARE(callback.manager->RegisterCallback(&callback, nullptr), 0);
    QVERIFY(DeviceImageFixture::waitFor([&] { return callback.reports > 0; }));
    QVERIFY(fixture.unplug(first));
    QTest::qWait(300);
    QCOMPARE(callback.reports.load(), 1);

    // Listening again works, and tells about what is plugged in now.
    LibrarySession session;
    QVERIFY(session.waitForArrival(fixture.uniqueId(second)));
    QTest::qWait(200);
    QCOMPARE(session.events().size(), 1);
}

void tst_ovdriverDevices::contractRefusesNullAndUnknownPointers()
{
    DeviceImageFixture fixture;
    QCOMPARE(CreateDeviceManager(nullptr), -1);
    IDeviceManager* manager = nullptr;
    QCOMPARE(CreateDeviceManager(&manager), 0);
    QVERIFY(manager);
    QCOMPARE(manager->RegisterCallback(nullptr, nullptr), -1);

    IPrivacyCleanDevice* device = reinterpret_cast<IPrivacyCleanDevice*>(0x1);
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, nullptr), -1);
    QVERIFY(!device);
    int notADevice = 0;
    device = reinterpret_cast<IPrivacyCleanDevice*>(0x1);
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, reinterpret_cast<IBaseDevice*>(&notADevice)), -1);
    QVERIFY(!device);

    const QString folder = fixture.create("phone");
    QVERIFY(fixture.plug(folder));
    LibrarySession session;
    IBaseDevice* base = session.waitForArrival(fixture.uniqueId(folder));
    QVERIFY(base);
    QCOMPARE(GetiOSPrivacyCleanDevice(nullptr, base), -1);
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, base), 0);
    QVERIFY(device);

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
    QVERIFY(!messages->CreateEraseAll(nullptr));
}

void tst_ovdriverDevices::connectFillsTheInformationBlocks()
{
    DeviceImageFixture fixture;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.name = QString::fromUtf8("Anna’s iPhone");
    content.productType = "iPhone15,3";
    content.totalBytes = 128ull << 30;
    const QString folder = fixture.create("phone", content);
    QVERIFY(fixture.plug(folder));
    LibrarySession session;
    IPrivacyCleanDevice* device = nullptr;
    QVERIFY(GetiOSPrivacyCleanDevice(&device, session.waitForArrival(fixture.uniqueId(folder))) == 0);
    QVERIFY(!device->IsConnected());

    NotificationRecorder connect;
    QCOMPARE(LibrarySession::run(device->Connect(&connect)), int(OV_NOTIFY_READY));
    QCOMPARE(connect.types(), QList<int> { OV_NOTIFY_READY });
    QVERIFY(device->IsConnected());

    // Read the block the way the program does: by byte offsets.
    OvDeviceInfo* info = nullptr;
    QCOMPARE(device->GetDeviceInfo(&info), 0);
    const char* bytes = reinterpret_cast<const char*>(info);
    QCOMPARE(QString::fromLocal8Bit(bytes + 0), content.name);
    QCOMPARE(QString::fromLocal8Bit(bytes + 260), QString("iPhone15,3"));
    QCOMPARE(QString::fromLocal8Bit(bytes + 1040), QDir(folder).absolutePath());
    QCOMPARE(QString::fromLocal8Bit(bytes + 3900), QString("Activated"));
    std::uint64_t freeBytes = 0;
    std::uint64_t totalBytes = 0;
    std::memcpy(&freeBytes, bytes + 6504, 8);
    std::memcpy(&totalBytes, bytes + 6512, 8);
    QCOMPARE(totalBytes, std::uint64_t(128ull << 30));
    QCOMPARE(freeBytes, std::uint64_t(fixture.summary(folder).freeBytes));
    QVERIFY(freeBytes > 0 && freeBytes < totalBytes);

    OvBasicInfo* basic = nullptr;
    QCOMPARE(device->GetBasicInfo(&basic), 0);
    QCOMPARE(QString::fromLocal8Bit(reinterpret_cast<const char*>(basic) + 260), QString("iPhone15,3"));

    // Removal disconnects; the next arrival needs a new connect.
    QVERIFY(fixture.unplug(folder));
    QVERIFY(session.waitForRemoval(fixture.uniqueId(folder)));
    QVERIFY(!device->IsConnected());
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
        const QJsonObject photo = image.array("media").first().toObject();
        const QString photoFile = image.localPath(photo.value("path").toString());
        if (problem == "missing file") {
            QVERIFY(QFile::remove(photoFile));
        } else if (problem == "unreadable") {
            QFile file(photoFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("this is no picture at all");
        } else {
            QVERIFY(fixture.setFault(folder, "connect", 7));
        }
    }
    QVERIFY(fixture.plug(folder));

    LibrarySession session;
    IBaseDevice* base = nullptr;
    QVERIFY(DeviceImageFixture::waitFor([&] { return !session.events().isEmpty(); }));
    base = session.events().first().device;
    IPrivacyCleanDevice* device = nullptr;
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, base), 0);
    NotificationRecorder connect;
    LibrarySession::run(device->Connect(&connect));
    QCOMPARE(connect.all().size(), 1);
    QCOMPARE(connect.all().first().type, int(OV_NOTIFY_CONNECT_FAILED));
    QCOMPARE(int(connect.all().first().p1), code);
    QVERIFY(!device->IsConnected());

    // Whatever is wrong, the information block is still a block to read.
    OvDeviceInfo* info = nullptr;
    device->GetDeviceInfo(&info);
    QVERIFY(info);

    QFile log(appDir.path() + "/log/ovdriver.log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY2(text.contains(logged), qPrintable(text));
    qputenv("DRAVO_APP_DIR", previousAppDir);
}

void tst_ovdriverDevices::untrustedDeviceConnectsOnceTrusted()
{
    DeviceImageFixture fixture;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.trusted = false;
    content.plugged = true;
    const QString folder = fixture.create("phone", content);
    LibrarySession session;
    IPrivacyCleanDevice* device = nullptr;
    QCOMPARE(GetiOSPrivacyCleanDevice(&device, session.waitForArrival(fixture.uniqueId(folder))), 0);

    for (int attempt = 0; attempt < 2; ++attempt) {
        NotificationRecorder connect;
        LibrarySession::run(device->Connect(&connect));
        QCOMPARE(connect.types(), QList<int> { OV_NOTIFY_NOT_TRUSTED });
        QVERIFY(!device->IsConnected());
    }
    IBackupInterface* backup = nullptr;
    device->GetBackupInterface(&backup);
    NotificationRecorder refused;
    LibrarySession::run(backup->CreateBackup(&refused));
    QCOMPARE(refused.types(), QList<int> { OV_NOTIFY_BACKUP_FAILED });

    QVERIFY(fixture.trust(folder));
    NotificationRecorder connect;
    LibrarySession::run(device->Connect(&connect));
    QCOMPARE(connect.types(), QList<int> { OV_NOTIFY_READY });
}

void tst_ovdriverDevices::queriesFollowTheImage()
{
    DeviceImageFixture fixture;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.locked = true;
    content.findMyIPhone = true;
    content.backupPassword = "s3cret";
    content.plugged = true;
    const QString folder = fixture.create("phone", content);
    LibrarySession session;
    IPrivacyCleanDevice* device = session.connect(fixture.uniqueId(folder));
    QVERIFY(device);

    QVERIFY(device->IsDeviceLocked());
    QVERIFY(device->IsFindMyIPhoneOn());
    QVERIFY(device->IsBackupEncrypted());

    QCOMPARE(device->CheckBackupPassword("wrong"), 0);
    QVERIFY(device->IsBackupEncrypted());
    QVERIFY(device->CheckBackupPassword("s3cret") != 0);
    QVERIFY(!device->IsBackupEncrypted());

    QVERIFY(fixture.unlock(folder));
    QVERIFY(!device->IsDeviceLocked());
    QVERIFY(fixture.edit(folder, [](DeviceImage& image) { image.set("findMyIPhone", false); }));
    QVERIFY(!device->IsFindMyIPhoneOn());
}

QTEST_GUILESS_MAIN(tst_ovdriverDevices)
#include "tst_ovdriverDevices.moc"
