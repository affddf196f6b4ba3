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

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

    IOneKeyCategory* category(int code) const
    {
        IOneKeyCategory* category = nullptr;
        switch (code) {
        case 32:
            device->GetOneKeyUserStorage(&category);
            break;
        case 64:
            device->GetOneKeyPhotoCaches(&category);
            break;
        case 128:
            device->GetOneKeyDownloadTemp(&category);
            break;
        case 256:
            device->GetOneKeyCrashLogs(&category);
            break;
        case 512:
            device->GetOneKeyiTunesCaches(&category);
            break;
        case 2:
            device->GetOneKeyTempFiles(&category);
            break;
        case 8:
            device->GetOneKeyLargeFiles(&category);
            break;
        case 1024:
            device->GetOneKeyPhotos(&category);
            break;
        case 2048:
            device->GetOneKeyCompressPhotos(&category);
            break;
        }
        return category;
    }

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
    void junkCleanDeletesTheFilesOfItsCodeOnly();
    void temporaryFileCleanFreesItsFigure();
    void compressionKeepsTheOriginalAndShrinksThePhoto();
    void photoExportCopiesAndProcessAlsoDeletes();
    void largeFileExportKeepsTheFileWhole();
    void appScanAndUninstall();
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

void tst_ovdriverOneKey::junkCleanDeletesTheFilesOfItsCodeOnly()
{
    Phone phone;
    QVERIFY(phone.device);
    const ImageSummary before = phone.fixture.summary(phone.folder);
    const std::uint64_t freeBefore = phone.freeBytes();
    QStringList crashLogs;
    const QJsonArray junk = phone.fixture.image(phone.folder).array("junk");
    for (const QJsonValue& value : junk) {
        if (value.toObject().value("code").toInt() == 256)
            crashLogs << phone.fixture.image(phone.folder).localPath(value.toObject().value("path").toString());
    }
    QVERIFY(!crashLogs.isEmpty());

    NotificationRecorder recorder(sizeof(OvOneKeyFileItem));
    LibrarySession::run(phone.category(256)->CreateClean(&recorder));
    QCOMPARE(recorder.count(OV_NOTIFY_ITEM_DONE), crashLogs.size());
    QCOMPARE(recorder.types().last(), int(OV_NOTIFY_ONEKEY_END));
    quint64 reported = 0;
    for (const OvOneKeyFileItem& item : recorder.records<OvOneKeyFileItem>(OV_NOTIFY_ITEM_DONE))
        reported += item.size;
    QCOMPARE(reported, before.count("junk256").bytes);
    for (const QString& file : crashLogs)
        QVERIFY2(!QFile::exists(file), qPrintable(file));

    const ImageSummary after = phone.fixture.summary(phone.folder);
    QCOMPARE(after.count("junk256").total(), 0);
    for (int code : { 32, 64, 128, 512 }) {
        const QString key = QString("junk%1").arg(code);
        QCOMPARE(after.count(key), before.count(key));
    }
    QCOMPARE(phone.freeBytes() - freeBefore, std::uint64_t(reported));

    // A clean the program stops after the first file leaves the rest in place.
    NotificationRecorder stopped;
    stopped.answer = [](const NotificationRecorder::Notification&) { return -1; };
    LibrarySession::run(phone.category(64)->CreateClean(&stopped));
    QCOMPARE(stopped.types(), QList<int> { OV_NOTIFY_ITEM_DONE });
    QCOMPARE(phone.fixture.summary(phone.folder).count("junk64").existing, before.count("junk64").existing - 1);
}

void tst_ovdriverOneKey::temporaryFileCleanFreesItsFigure()
{
    Phone phone;
    QVERIFY(phone.device);
    const quint64 temporary = phone.fixture.summary(phone.folder).count("tempFiles").bytes;
    QVERIFY(temporary > 0);
    const std::uint64_t freeBefore = phone.freeBytes();
    NotificationRecorder recorder;
    LibrarySession::run(phone.category(2)->CreateClean(&recorder));
    QCOMPARE(recorder.types().last(), int(OV_NOTIFY_ONEKEY_END));
    // The program measures this clean by the free space alone.
    QCOMPARE(phone.freeBytes() - freeBefore, std::uint64_t(temporary));

    NotificationRecorder rescan;
    LibrarySession::run(phone.category(2)->CreateScan(&rescan));
    QCOMPARE(rescan.types(), QList<int> { OV_NOTIFY_ONEKEY_END });
}

void tst_ovdriverOneKey::compressionKeepsTheOriginalAndShrinksThePhoto()
{
    Phone phone;
    QVERIFY(phone.device);
    IOneKeyCategory* compress = phone.category(2048);
    NotificationRecorder scan(sizeof(OvOneKeyFileItem));
    LibrarySession::run(compress->CreateScan(&scan));
    const QList<OvOneKeyFileItem> photos = scan.records<OvOneKeyFileItem>(OV_NOTIFY_ITEM_FOUND);
    QVERIFY(photos.size() >= 2);
    const DeviceImage image = phone.fixture.image(phone.folder);
    QMap<QString, QByteArray> originals;
    for (const OvOneKeyFileItem& photo : photos) {
        originals.insert(QString::fromUtf8(photo.name), contentOf(image.localPath(QString::fromUtf8(photo.path))));
        QCOMPARE(compress->AddItem(&photo), 0);
    }
    const std::uint64_t freeBefore = phone.freeBytes();

    NotificationRecorder process(sizeof(OvOneKeyFileItem));
    LibrarySession::run(compress->CreateProcess(&process));
    QList<int> expected;
    for (int i = 0; i < photos.size(); ++i)
        expected << OV_NOTIFY_ORIGINAL_BACKED_UP << OV_NOTIFY_ITEM_DONE;
    expected << OV_NOTIFY_ONEKEY_END;
    QCOMPARE(process.types(), expected);
    // The program counts 75 % of the size each 14 carries: the size of the original.
    const QList<OvOneKeyFileItem> done = process.records<OvOneKeyFileItem>(OV_NOTIFY_ITEM_DONE);
    for (int i = 0; i < done.size(); ++i)
        QCOMPARE(done[i].size, photos[i].size);

    const QString compressFolder = phone.fixture.deviceKey(phone.folder) + "/Compress/";
    for (const OvOneKeyFileItem& photo : photos) {
        const QString name = QString::fromUtf8(photo.name);
        QCOMPARE(contentOf(compressFolder + name), originals.value(name));
        const QString onDevice = image.localPath(QString::fromUtf8(photo.path));
        QVERIFY(QFileInfo(onDevice).size() < originals.value(name).size());
        QImageReader reader(onDevice);
        QVERIFY(reader.canRead());
        QVERIFY(!reader.read().isNull());
    }
    QVERIFY(phone.freeBytes() > freeBefore);

    // Compressed photos are not offered again; the program's list is empty now.
    NotificationRecorder rescan;
    LibrarySession::run(compress->CreateScan(&rescan));
    QCOMPARE(rescan.types(), QList<int> { OV_NOTIFY_ONEKEY_END });
    // A job takes the items added before it; the next starts empty.
    NotificationRecorder again;
    LibrarySession::run(compress->CreateProcess(&again));
    QCOMPARE(again.types(), QList<int> { OV_NOTIFY_ONEKEY_END });
}

void tst_ovdriverOneKey::photoExportCopiesAndProcessAlsoDeletes()
{
    Phone phone;
    QVERIFY(phone.device);
    IOneKeyCategory* photos = phone.category(1024);
    NotificationRecorder scan(sizeof(OvOneKeyMediaItem));
    LibrarySession::run(photos->CreateScan(&scan));
    const QList<OvOneKeyMediaItem> items = scan.records<OvOneKeyMediaItem>(OV_NOTIFY_ITEM_FOUND);
    QVERIFY(items.size() >= 3);
    const DeviceImage image = phone.fixture.image(phone.folder);
    const QString exportFolder = phone.fixture.deviceKey(phone.folder) + "/Export/";
    const ImageSummary before = phone.fixture.summary(phone.folder);

    QCOMPARE(photos->AddItem(&items[0]), 0);
    QCOMPARE(photos->AddItem(&items[1]), 0);
    NotificationRecorder exported(sizeof(OvOneKeyMediaItem));
    LibrarySession::run(photos->CreateExport(&exported));
    QCOMPARE(exported.types(), (QList<int> { OV_NOTIFY_ITEM_DONE, OV_NOTIFY_ITEM_DONE, OV_NOTIFY_ONEKEY_END }));
    QCOMPARE(exported.records<OvOneKeyMediaItem>(OV_NOTIFY_ITEM_DONE).first().size, items[0].size);
    for (int i = 0; i < 2; ++i) {
        const QString onDevice = image.localPath(QString::fromUtf8(items[i].path));
        QCOMPARE(contentOf(exportFolder + QString::fromUtf8(items[i].name)), contentOf(onDevice));
    }
    QCOMPARE(phone.fixture.summary(phone.folder).counts(), before.counts());

    const std::uint64_t freeBefore = phone.freeBytes();
    const QString deletedOnDevice = image.localPath(QString::fromUtf8(items[2].path));
    const QByteArray deletedContent = contentOf(deletedOnDevice);
    QCOMPARE(photos->AddItem(&items[2]), 0);
    NotificationRecorder processed;
    LibrarySession::run(photos->CreateProcess(&processed));
    QCOMPARE(processed.types(), (QList<int> { OV_NOTIFY_ITEM_DONE, OV_NOTIFY_ONEKEY_END }));
    QVERIFY(!QFile::exists(deletedOnDevice));
    QCOMPARE(contentOf(exportFolder + QString::fromUtf8(items[2].name)), deletedContent);
    const QString kind = items[2].mediaKind == 1 ? "videos" : "photos";
    QCOMPARE(phone.fixture.summary(phone.folder).count(kind).existing, before.count(kind).existing - 1);
    QCOMPARE(phone.freeBytes() - freeBefore, std::uint64_t(items[2].size));
}

void tst_ovdriverOneKey::largeFileExportKeepsTheFileWhole()
{
    Phone phone;
    QVERIFY(phone.device);
    IOneKeyCategory* large = phone.category(8);
    NotificationRecorder scan(sizeof(OvOneKeyFileItem));
    LibrarySession::run(large->CreateScan(&scan));
    const QList<OvOneKeyFileItem> files = scan.records<OvOneKeyFileItem>(OV_NOTIFY_ITEM_FOUND);
    QVERIFY(!files.isEmpty());
    const OvOneKeyFileItem& file = files.first();
    QCOMPARE(file.fileKind, 1); // "Holiday 4K.mp4"
    QCOMPARE(large->AddItem(&file), 0);
    NotificationRecorder exported;
    LibrarySession::run(large->CreateExport(&exported));
    QCOMPARE(exported.types(), (QList<int> { OV_NOTIFY_ITEM_DONE, OV_NOTIFY_ONEKEY_END }));

    const QString copy = phone.fixture.deviceKey(phone.folder) + "/Large/" + QString::fromUtf8(file.name);
    const QString original = phone.fixture.image(phone.folder).localPath(QString::fromUtf8(file.path));
    QCOMPARE(std::uint64_t(QFileInfo(copy).size()), file.size);
    QFile a(copy);
    QFile b(original);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.read(8192), b.read(8192));
    QVERIFY(a.seek(a.size() - 4096) && b.seek(b.size() - 4096));
    QCOMPARE(a.read(4096), b.read(4096));
#if defined(__linux__)
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(copy).constData(), &info), 0);
    QVERIFY2(std::uint64_t(info.st_blocks) * 512 < file.size / 8, "the export of a sparse file must stay sparse");
#endif
}

void tst_ovdriverOneKey::appScanAndUninstall()
{
    Phone phone;
    QVERIFY(phone.device);
    IOneKeyAppCategory* apps = nullptr;
    QCOMPARE(phone.device->GetOneKeyApps(&apps), 0);
    NotificationRecorder scan(sizeof(OvAppItem));
    LibrarySession::run(apps->CreateScan(&scan));
    const QList<OvAppItem> found = scan.records<OvAppItem>(OV_NOTIFY_ITEM_FOUND);
    QCOMPARE(found.size(), phone.fixture.summary(phone.folder).count("apps").existing);
    QCOMPARE(scan.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QStringList names;
    for (const OvAppItem& app : found)
        names << QString::fromUtf8(app.name);
    for (const QString& fragmentApp : ImageBuilder::fragmentApps())
        QVERIFY2(names.contains(fragmentApp), qPrintable(fragmentApp));
    QVERIFY(names.contains(QString::fromUtf8("\u5fae\u4fe1")));
    const OvAppItem whatsApp = found.at(names.indexOf("WhatsApp"));
    QVERIFY(QImageReader(QString::fromUtf8(whatsApp.iconPath)).canRead());

    const std::uint64_t freeBefore = phone.freeBytes();
    OvAppDescriptor descriptor {};
    qstrcpy(descriptor.name, whatsApp.name);
    qstrcpy(descriptor.bundleId, whatsApp.bundleId);
    descriptor.size = whatsApp.staticSize + whatsApp.dataSize;
    NotificationRecorder uninstall(sizeof(OvAppItem));
    LibrarySession::run(apps->CreateUninstall(&uninstall, &descriptor));
    // One end carrying the removed app: the program counts the size from it.
    QCOMPARE(uninstall.types(), QList<int> { OV_NOTIFY_ONEKEY_END });
    const QList<OvAppItem> removed = uninstall.records<OvAppItem>(OV_NOTIFY_ONEKEY_END);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(QString::fromUtf8(removed.first().bundleId), QString("net.whatsapp.WhatsApp"));
    QCOMPARE(removed.first().staticSize + removed.first().dataSize, descriptor.size);
    QCOMPARE(phone.freeBytes() - freeBefore, descriptor.size);
    QCOMPARE(phone.fixture.summary(phone.folder).count("apps").existing, found.size() - 1);

    NotificationRecorder again;
    LibrarySession::run(apps->CreateUninstall(&again, &descriptor));
    QCOMPARE(again.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(again.all().first().p1), -5);
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
