// With no device folder given, the library makes a demo device in the per-user data folder
// and plugs it, so that the program shows a device on a machine without any.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"

#include <QTemporaryDir>
#include <QTest>

class tst_ovdriverDemo : public QObject
{
    Q_OBJECT

private slots:
    void demoDeviceIsCreatedOnceAndPlugged();
};

void tst_ovdriverDemo::demoDeviceIsCreatedOnceAndPlugged()
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qunsetenv("OVDRIVER_SIM_ROOT");
    qputenv("OVDRIVER_BACKUP_DIR", (home.path() + "/backups").toLocal8Bit());

    QString uniqueId;
    {
        LibrarySession session;
        QVERIFY(DeviceImageFixture::waitFor([&] { return !session.events().isEmpty(); }, 60000));
        uniqueId = session.events().first().uniqueId;
        IPrivacyCleanDevice* device = session.connect(uniqueId);
        QVERIFY(device);
        OvDeviceInfo* info = nullptr;
        QCOMPARE(device->GetDeviceInfo(&info), 0);
        QCOMPARE(QString::fromLocal8Bit(info->deviceName), QString("Demo iPhone"));
        const QString folder = QString::fromLocal8Bit(info->deviceKey);
        QVERIFY2(folder.startsWith(home.path() + '/'), qPrintable(folder));

        DeviceImage image(folder);
        QString error;
        QVERIFY2(image.load(&error), qPrintable(error));
        const ImageSummary summary = ImageSummary::of(image);
        QVERIFY(summary.count("photos").existing >= 300);
        for (const QString& category : ImageSummary::categoryNames())
            QVERIFY2(summary.count(category).existing > 0, qPrintable(category));
        for (const QString& category : DeviceImage::privateCategories())
            QVERIFY2(summary.count(category).deleted > 0, qPrintable(category));
        QVERIFY(summary.weChatAccounts > 1);
    }
    // The next start finds the demo device instead of making another.
    LibrarySession again;
    QVERIFY(again.waitForArrival(uniqueId, 5000));
    QTest::qWait(200);
    QCOMPARE(again.events().size(), 1);
}

QTEST_GUILESS_MAIN(tst_ovdriverDemo)
#include "tst_ovdriverDemo.moc"
