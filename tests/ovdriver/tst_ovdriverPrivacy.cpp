// Nothing of a device leaks onto this computer: names the device chooses stay inside the
// library's folders, backups are private to the user and go when they are no longer needed.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
    | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

bool writeFile(const QString& path, const QByteArray& bytes = "keep")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// The hidden files that mark a backup folder as the library's.
QStringList marksIn(const QString& backup)
{
    return QDir(backup).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
}

} // namespace

class tst_ovdriverPrivacy : public QObject
{
    Q_OBJECT

private slots:
    void hostileNamesStayInsideTheirFolders();
    void backupsArePrivateAndGoWhenAsked();
    void removeBackCompanionRemovesOnlyTheLibrarysBackups();
};

void tst_ovdriverPrivacy::hostileNamesStayInsideTheirFolders()
{
    DeviceImageFixture fixture;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.uniqueId = "../victim";
    content.plugged = true;
    const QString folder = fixture.create("phone", content);
    QVERIFY2(!folder.isEmpty(), qPrintable(fixture.lastError()));
    // Beside the backup root and beside the image: where "../" would lead.
    const QString victim = QDir(fixture.backupRoot()).absoluteFilePath("../victim/keep.txt");
    const QString thumbnailBait = QDir(folder).absoluteFilePath("../bait-thumb.jpg");
    const QString iconBait = QDir(folder).absoluteFilePath("../bait-icon.png");
    QVERIFY(writeFile(victim) && writeFile(thumbnailBait) && writeFile(iconBait));
    QString baitedApp;
    QVERIFY(fixture.edit(folder, [&](DeviceImage& image) {
        QJsonArray media = image.array("media");
        for (int i = 0; i < media.size(); ++i) {
            QJsonObject item = media.at(i).toObject();
            item.insert("thumbnail", "../bait-thumb.jpg");
            media.replace(i, item);
        }
        image.setArray("media", media);
        QJsonArray apps = image.array("apps");
        QJsonObject app = apps.at(0).toObject();
        app.insert("icon", "icons/../../bait-icon.png");
        baitedApp = app.value("bundleId").toString();
        apps.replace(0, app);
        image.setArray("apps", apps);
    }));

    LibrarySession session;
    IPrivacyCleanDevice* device = session.connect("../victim");
    QVERIFY(device);
    // The second backup replaces the first: both once removed whatever the id named.
    QVERIFY(backUp(device));
    QVERIFY(backUp(device));
    QCOMPARE(fileBytes(victim), QByteArray("keep"));
    const QStringList backups = QDir(fixture.backupRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(backups.size(), 1);
    QVERIFY(QFileInfo::exists(fixture.backupRoot() + '/' + backups.first() + "/device.json"));

    // Paths handed to the program stay inside the image.
    const auto inside = [prefix = QDir(folder).absolutePath() + '/'](const char* path) {
        return !*path || QDir::cleanPath(QString::fromUtf8(path)).startsWith(prefix);
    };
    NotificationRecorder photos(sizeof(OvOneKeyMediaItem));
    LibrarySession::run(OvOneKeyCategoryOf(device, 1024)->CreateScan(&photos));
    const QList<OvOneKeyMediaItem> found = photos.records<OvOneKeyMediaItem>(OV_NOTIFY_ITEM_FOUND);
    QVERIFY(!found.isEmpty());
    for (const OvOneKeyMediaItem& item : found)
        QVERIFY2(inside(item.thumbnailPath), item.thumbnailPath);
    IOneKeyAppCategory* apps = nullptr;
    QCOMPARE(device->GetOneKeyApps(&apps), 0);
    NotificationRecorder scan(sizeof(OvAppItem));
    LibrarySession::run(apps->CreateScan(&scan));
    QVERIFY(!scan.records<OvAppItem>(OV_NOTIFY_ITEM_FOUND).isEmpty());
    for (const OvAppItem& item : scan.records<OvAppItem>(OV_NOTIFY_ITEM_FOUND))
        QVERIFY2(inside(item.iconPath), item.iconPath);

    // Removing the app removes its icon, never a file outside the image.
    OvAppDescriptor app {};
    qstrncpy(app.bundleId, baitedApp.toUtf8().constData(), sizeof app.bundleId);
    NotificationRecorder uninstall;
    LibrarySession::run(apps->CreateUninstall(&uninstall, &app));
    QCOMPARE(uninstall.types(), QList<int> { OV_NOTIFY_ONEKEY_END });
    QVERIFY(QFileInfo::exists(iconBait));
    // Exporting and deleting photos removes their thumbnails, never the bait.
    IOneKeyCategory* category = OvOneKeyCategoryOf(device, 1024);
    for (const OvOneKeyMediaItem& item : found)
        QCOMPARE(category->AddItem(&item), 0);
    NotificationRecorder process;
    LibrarySession::run(category->CreateProcess(&process));
    QCOMPARE(process.types().count(OV_NOTIFY_ITEM_DONE), found.size());
    QVERIFY(QFileInfo::exists(thumbnailBait));
}

void tst_ovdriverPrivacy::backupsArePrivateAndGoWhenAsked()
{
    const QString password = QString::fromUtf8("s3cret-\xD0\x9F\xD1\x80\xD0\xB8");
    DeviceContent content = DeviceImageFixture::smallContent();
    content.backupPassword = password;
    PluggedPhone phone(content);
    IPrivacyCleanDevice* device = phone.device;
    QVERIFY(device);
    QVERIFY(device->CheckBackupPassword(password.toUtf8().constData()) != 0);
    QVERIFY(backUp(device));

    const QString backup = phone.fixture.backupFolder(phone.folder);
    QVERIFY(QFileInfo(backup).isDir());
    QCOMPARE(QFile::permissions(backup) & kOthers, QFileDevice::Permissions());
    int files = 0;
    QDirIterator it(backup, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QVERIFY2((QFile::permissions(path) & kOthers) == 0, qPrintable(path));
        if (it.fileInfo().isFile()) {
            ++files;
            QVERIFY2(!fileBytes(path).contains(password.toUtf8()), qPrintable(path + " holds the password"));
        }
    }
    QVERIFY(files > 3);
    // An erase rewrites the copy; what it writes is as private.
    IWholeEraseCategory* contacts = nullptr;
    QCOMPARE(phone.data->GetContacts(&contacts), 0);
    LibrarySession::run(contacts->CreateLoad());
    NotificationRecorder erase;
    LibrarySession::run(contacts->CreateEraseAll(&erase));
    QCOMPARE(erase.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QCOMPARE(QFile::permissions(backup + "/device.json") & kOthers, QFileDevice::Permissions());

    // The program asks for the copy to go once an erase is done with it.
    QCOMPARE(device->RemoveBackup(), 0);
    QVERIFY(!QFileInfo::exists(backup));
    QCOMPARE(device->RemoveBackup(), 0);

    // A folder in its place that the library did not make is not the library's to remove.
    QVERIFY(backUp(device));
    const QStringList marks = marksIn(backup);
    QCOMPARE(marks.size(), 1);
    QVERIFY(QFile::remove(backup + '/' + marks.first()));
    QCOMPARE(device->RemoveBackup(), -1);
    QVERIFY(QFileInfo::exists(backup + "/device.json"));
}

void tst_ovdriverPrivacy::removeBackCompanionRemovesOnlyTheLibrarysBackups()
{
    PluggedPhone phone;
    QVERIFY(phone.device && phone.backup());
    const QString backup = phone.fixture.backupFolder(phone.folder);
    const QStringList marks = marksIn(backup);
    QCOMPARE(marks.size(), 1);
    const QString marker = marks.first();

    // What a crash in the middle of a backup leaves, something of the user's in the root, and
    // a marked folder outside the root.
    const QString root = phone.fixture.backupRoot();
    QVERIFY(writeFile(root + "/other.partial/" + marker) && writeFile(root + "/other.partial/device.json"));
    QVERIFY(writeFile(root + "/mine/notes.txt"));
    QVERIFY(writeFile(root + "/../outside/" + marker) && writeFile(root + "/../outside/device.json"));

    QProcess tool;
    tool.start(OVREMOVEBACK, QStringList());
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(backup));
    QVERIFY(!QFileInfo::exists(root + "/other.partial"));
    QVERIFY(QFileInfo::exists(root + "/mine/notes.txt"));
    QVERIFY(QFileInfo::exists(root + "/../outside/device.json"));
}

QTEST_GUILESS_MAIN(tst_ovdriverPrivacy)
#include "tst_ovdriverPrivacy.moc"
