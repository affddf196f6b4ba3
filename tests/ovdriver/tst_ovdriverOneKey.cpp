// The one-key categories through the contract: what they refuse, and copies that never
// replace each other. Scans and cleans against the device's figures are checked by the
// engine flow and the one-key model against the same simulator.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class tst_ovdriverOneKey : public QObject
{
    Q_OBJECT

private slots:
    void refusedArgumentsAndUnsupportedJobs();
    void sameNamedPhotosAreAllKeptAndNoCopyIsReplaced();
};

void tst_ovdriverOneKey::refusedArgumentsAndUnsupportedJobs()
{
    PluggedPhone phone;
    QVERIFY(phone.device);
    IOneKeyCategory* junk = OvOneKeyCategoryOf(phone.device, 32);
    QCOMPARE(junk->AddItem(nullptr), -1);
    OvOneKeyFileItem empty {};
    QCOMPARE(junk->AddItem(&empty), -1);
    QVERIFY(!junk->CreateScan(nullptr));
    NotificationRecorder export32;
    LibrarySession::run(junk->CreateExport(&export32));
    QCOMPARE(export32.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    NotificationRecorder cleanPhotos;
    LibrarySession::run(OvOneKeyCategoryOf(phone.device, 1024)->CreateClean(&cleanPhotos));
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

template<class Item> static int addItem(IOneKeyCategory* category, const QString& devicePath)
{
    Item item {};
    qstrncpy(item.path, devicePath.toUtf8().constData(), sizeof item.path);
    return category->AddItem(&item);
}

void tst_ovdriverOneKey::sameNamedPhotosAreAllKeptAndNoCopyIsReplaced()
{
    PluggedPhone phone;
    QVERIFY(phone.device);
    // Two existing photos with one name in two DCIM folders, as on any phone past IMG_9999.
    QString first;
    QString twin;
    QVERIFY(phone.fixture.edit(phone.folder, [&](DeviceImage& image) {
        QJsonArray media = image.array("media");
        for (int i = 0; i < media.size(); ++i) {
            QJsonObject photo = media.at(i).toObject();
            if (photo.value("kind").toString() != "photo" || photo.value("deleted").toBool())
                continue;
            if (first.isEmpty()) {
                first = photo.value("path").toString();
                continue;
            }
            twin = "/var/mobile/Media/DCIM/101APPLE/" + QFileInfo(first).fileName();
            QDir().mkpath(QFileInfo(image.localPath(twin)).absolutePath());
            QFile::rename(image.localPath(photo.value("path").toString()), image.localPath(twin));
            photo.insert("path", twin);
            media.replace(i, photo);
            break;
        }
        image.setArray("media", media);
    }));
    QVERIFY(!twin.isEmpty());
    const DeviceImage image = phone.fixture.image(phone.folder);
    const QString key = phone.fixture.deviceKey(phone.folder);
    const QString name = QFileInfo(first).completeBaseName();
    const QString suffix = "." + QFileInfo(first).suffix();
    const QByteArray originals[] = { fileBytes(image.localPath(first)), fileBytes(image.localPath(twin)) };
    QVERIFY(!originals[0].isEmpty() && originals[0] != originals[1]);

    // Compression keeps both originals.
    IOneKeyCategory* compress = OvOneKeyCategoryOf(phone.device, 2048);
    for (const QString& path : { first, twin })
        QCOMPARE(addItem<OvOneKeyFileItem>(compress, path), 0);
    NotificationRecorder compressed;
    LibrarySession::run(compress->CreateProcess(&compressed));
    QCOMPARE(compressed.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QCOMPARE(compressed.all().last().p1, 2u);
    QCOMPARE(fileBytes(key + "/Compress/" + name + suffix), originals[0]);
    QCOMPARE(fileBytes(key + "/Compress/" + name + " (2)" + suffix), originals[1]);

    // Exports: an export never replaces an earlier one, and a move deletes only what it copied.
    const QByteArray shrunk[] = { fileBytes(image.localPath(first)), fileBytes(image.localPath(twin)) };
    QVERIFY(shrunk[0] != originals[0]);
    IOneKeyCategory* photos = OvOneKeyCategoryOf(phone.device, 1024);
    QCOMPARE(addItem<OvOneKeyMediaItem>(photos, first), 0);
    NotificationRecorder exported;
    LibrarySession::run(photos->CreateExport(&exported));
    QCOMPARE(exported.all().last().p1, 1u);
    const int photosBefore = phone.fixture.summary(phone.folder).count("photos").existing;
    for (const QString& path : { first, twin })
        QCOMPARE(addItem<OvOneKeyMediaItem>(photos, path), 0);
    NotificationRecorder moved;
    LibrarySession::run(photos->CreateProcess(&moved));
    QCOMPARE(moved.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QCOMPARE(moved.all().last().p1, 2u);
    QCOMPARE(phone.fixture.summary(phone.folder).count("photos").existing, photosBefore - 2);
    QVERIFY(!QFile::exists(image.localPath(first)) && !QFile::exists(image.localPath(twin)));
    QCOMPARE(fileBytes(key + "/Export/" + name + suffix), shrunk[0]);
    QCOMPARE(fileBytes(key + "/Export/" + name + " (2)" + suffix), shrunk[0]);
    QCOMPARE(fileBytes(key + "/Export/" + name + " (3)" + suffix), shrunk[1]);
}

QTEST_GUILESS_MAIN(tst_ovdriverOneKey)
#include "tst_ovdriverOneKey.moc"
