// The one-key categories: scans, junk and temporary-file cleans, photo compression, exports
// and deletes, and the apps. They act on the device itself and free space follows.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>

#if defined(__linux__)
#include <sys/stat.h>
#endif

namespace {

class Phone
{
public:
    Phone()
    {
        DeviceContent content = DeviceImageFixture::smallContent();
        content.plugged = true;
        folder = fixture.create("phone", content);
        session = std::make_unique<LibrarySession>();
        device = session->connect(fixture.uniqueId(folder));
    }

    IOneKeyCategory* category(int code) const { return OvOneKeyCategoryOf(device, code); }

    std::uint64_t freeBytes() const
    {
        OvDeviceInfo* info = nullptr;
        device->GetDeviceInfo(&info);
        return info->freeBytes;
    }

    DeviceImageFixture fixture;
    QString folder;
    std::unique_ptr<LibrarySession> session;
    IPrivacyCleanDevice* device = nullptr;
};

} // namespace

class tst_ovdriverOneKey : public QObject
{
    Q_OBJECT

private slots:
    void scansReportEveryItemThenEnd_data();
    void scansReportEveryItemThenEnd();
    void refusedArgumentsAndUnsupportedJobs();
};

void tst_ovdriverOneKey::scansReportEveryItemThenEnd_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("category");
    for (int code : DeviceImage::junkCodes())
        QTest::addRow("junk %d", code) << code << QString("junk%1").arg(code);
    QTest::newRow("temporary files") << 2 << "tempFiles";
    QTest::newRow("large files") << 8 << "largeFiles";
    QTest::newRow("compressible photos") << 2048 << "photos";
    QTest::newRow("photos and videos") << 1024 << "photos+videos";
}

void tst_ovdriverOneKey::scansReportEveryItemThenEnd()
{
    QFETCH(int, code);
    QFETCH(QString, category);
    Phone phone;
    QVERIFY(phone.device);
    const ImageSummary summary = phone.fixture.summary(phone.folder);
    int expected = 0;
    quint64 expectedBytes = 0;
    for (const QString& part : category.split('+')) {
        expected += summary.count(part).existing;
        expectedBytes += code == 2048 || code == 1024 ? 0 : summary.count(part).bytes;
    }
    QVERIFY(expected > 0);

    const bool media = code == 1024;
    NotificationRecorder recorder(media ? int(sizeof(OvOneKeyMediaItem)) : int(sizeof(OvOneKeyFileItem)));
    LibrarySession::run(phone.category(code)->CreateScan(&recorder));
    QCOMPARE(recorder.count(OV_NOTIFY_ITEM_FOUND), expected);
    QCOMPARE(recorder.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QCOMPARE(recorder.types().size(), expected + 1);
    if (media) {
        for (const OvOneKeyMediaItem& item : recorder.records<OvOneKeyMediaItem>(OV_NOTIFY_ITEM_FOUND)) {
            QVERIFY(item.size > 0 && item.width > 0 && item.id > 0);
            QVERIFY2(QImageReader(QString::fromUtf8(item.thumbnailPath)).canRead(), item.thumbnailPath);
        }
        return;
    }
    quint64 bytes = 0;
    for (const OvOneKeyFileItem& item : recorder.records<OvOneKeyFileItem>(OV_NOTIFY_ITEM_FOUND)) {
        QCOMPARE(item.code, code);
        QVERIFY(QString::fromUtf8(item.path).endsWith(QString::fromUtf8(item.name)));
        QVERIFY(item.size > 0);
        if (code == 2048)
            QCOMPARE(item.fileKind, 3);
        bytes += item.size;
    }
    if (code != 2048)
        QCOMPARE(bytes, expectedBytes);
}

void tst_ovdriverOneKey::refusedArgumentsAndUnsupportedJobs()
{
    Phone phone;
    QVERIFY(phone.device);
    IOneKeyCategory* junk = phone.category(32);
    QCOMPARE(junk->AddItem(nullptr), -1);
    OvOneKeyFileItem empty {};
    QCOMPARE(junk->AddItem(&empty), -1);
    QVERIFY(!junk->CreateScan(nullptr));
    NotificationRecorder export32;
    LibrarySession::run(junk->CreateExport(&export32));
    QCOMPARE(export32.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    NotificationRecorder cleanPhotos;
    LibrarySession::run(phone.category(1024)->CreateClean(&cleanPhotos));
    QCOMPARE(cleanPhotos.types(), QList<int> { OV_NOTIFY_JOB_FAILED });

    IOneKeyAppCategory* apps = nullptr;
    phone.device->GetOneKeyApps(&apps);
    NotificationRecorder noApp;
    LibrarySession::run(apps->CreateUninstall(&noApp, nullptr));
    QCOMPARE(noApp.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(noApp.all().first().p1), -2);

    // One-key work needs a connected device.
    QVERIFY(phone.fixture.unplug(phone.folder));
    QVERIFY(phone.session->waitForRemoval(phone.fixture.uniqueId(phone.folder)));
    NotificationRecorder gone;
    LibrarySession::run(junk->CreateScan(&gone));
    QCOMPARE(gone.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(gone.all().first().p1), -4);
}

QTEST_GUILESS_MAIN(tst_ovdriverOneKey)
#include "tst_ovdriverOneKey.moc"
