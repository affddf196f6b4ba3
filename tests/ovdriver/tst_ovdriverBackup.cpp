// Backup, loading, erasing, restoring, erase-all and fill: what a job reports, in which
// order, and what the device holds afterwards.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"
#include "SpawnedProcess.h"

#include <ovdriver.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <thread>

namespace {

/// Folders a backup left beside the copy (partial or previous copies).
QStringList besideTheCopy(const QString& backupFolder)
{
    const QFileInfo copy(backupFolder);
    return QDir(copy.absolutePath()).entryList({ copy.fileName() + ".*" }, QDir::AllEntries | QDir::NoDotAndDotDot);
}

/// The junk files of `code` the image lists.
QStringList junkFiles(const DeviceImage& image, int code)
{
    QStringList files;
    for (const QJsonValue& value : image.array("junk")) {
        if (value.toObject().value("code").toInt() == code)
            files << image.localPath(value.toObject().value("path").toString());
    }
    return files;
}

class DelayScope
{
public:
    explicit DelayScope(const QByteArray& ms)
        : m_saved(qgetenv("OVDRIVER_SIM_DELAY_MS"))
    {
        qputenv("OVDRIVER_SIM_DELAY_MS", ms);
    }
    ~DelayScope() { qputenv("OVDRIVER_SIM_DELAY_MS", m_saved); }

private:
    QByteArray m_saved;
};

QList<int> without(QList<int> types, int dropped)
{
    types.removeAll(dropped);
    return types;
}

class Phone
{
public:
    explicit Phone(const DeviceContent& content = DeviceImageFixture::smallContent())
    {
        DeviceContent plugged = content;
        plugged.plugged = true;
        folder = fixture.create("phone", plugged);
        start();
    }
    /// A device made and plugged with ovsim, as a person would.
    explicit Phone(const QStringList& ovsimCreateOptions)
    {
        folder = fixture.root() + "/phone";
        if (QProcess::execute(OVSIM, QStringList { "create", folder } + ovsimCreateOptions) == 0
            && QProcess::execute(OVSIM, { "plug", folder }) == 0)
            start();
    }

    void start()
    {
        session = std::make_unique<LibrarySession>();
        device = session->connect(fixture.uniqueId(folder));
        if (device)
            device->GetPrivateDataInterface(&data);
    }

    QList<int> backup(NotificationRecorder& recorder)
    {
        IBackupInterface* backup = nullptr;
        device->GetBackupInterface(&backup);
        LibrarySession::run(backup->CreateBackup(&recorder));
        return recorder.types();
    }
    bool backup()
    {
        NotificationRecorder recorder;
        return backup(recorder).endsWith(OV_NOTIFY_BACKUP_END);
    }
    QList<int> restore(int type, NotificationRecorder& recorder)
    {
        IRestoreInterface* restore = nullptr;
        device->GetRestoreInterface(&restore);
        LibrarySession::run(restore->CreateRestore(type, &recorder));
        return recorder.types();
    }
    /// Restores and waits for the restart: a removal, then the arrival, then connects again.
    bool restoreAndRestart(int type)
    {
        NotificationRecorder recorder;
        if (!restore(type, recorder).endsWith(OV_NOTIFY_RESTORE_END))
            return false;
        const QString id = fixture.uniqueId(folder);
        return session->waitForRemoval(id) && session->waitForArrival(id) && session->connect(id) == device;
    }

    DeviceImageFixture fixture;
    QString folder;
    std::unique_ptr<LibrarySession> session;
    IPrivacyCleanDevice* device = nullptr;
    IPrivateDataInterface* data = nullptr;
};

std::uint64_t freeBytes(IPrivacyCleanDevice* device)
{
    OvDeviceInfo* info = nullptr;
    device->GetDeviceInfo(&info);
    return info ? info->freeBytes : 0;
}

} // namespace

class tst_ovdriverBackup : public QObject
{
    Q_OBJECT

private slots:
    void backupReportsProgressThenEndAndCopiesTheContent();
    void wholeCategoryErasesRemoveOnlyDeletedItems();
    void erasesRefuseWhatTheyCannotDo();
    void fragmentsOfEveryChosenAppGoWithTheRestore();
    void handlesOfAnEarlierLoadNameNothing();
    void recordsWithoutAUniqueIdAreRefusedWhenRead();
    void stoppedBackupReports1003AndKeepsThePreviousCopy();
    void backupFailures_data();
    void backupFailures();
    void restoreFailures_data();
    void restoreFailures();
    void stoppedRestoreLeavesTheDeviceAsItWas();
    void eraseAllThenRestoreType0EmptiesTheDevice();
    void fillOccupiesTheFreeSpaceWhileItRuns();
    void fillFailureAndStop();
    void deviceLeavingDuringAJob_data();
    void deviceLeavingDuringAJob();
    void unplugDuringARunningBackupEndsIt();
    void killedInTheMiddleOfACleanTheDeviceStillConnects();
    void ovsimChangesDuringAJobSurviveIt();
};

void tst_ovdriverBackup::backupReportsProgressThenEndAndCopiesTheContent()
{
    Phone phone;
    QVERIFY(phone.device);
    NotificationRecorder recorder;
    const QList<int> types = phone.backup(recorder);
    QCOMPARE(types.last(), int(OV_NOTIFY_BACKUP_END));
    QCOMPARE(types.count(OV_NOTIFY_BACKUP_END), 1);
    QCOMPARE(without(types, OV_NOTIFY_BACKUP_PROGRESS), QList<int> { OV_NOTIFY_BACKUP_END });
    int previous = 0;
    for (const auto& n : recorder.all()) {
        if (n.type != OV_NOTIFY_BACKUP_PROGRESS)
            continue;
        QVERIFY(int(n.p1) > previous && n.p1 <= 100);
        previous = int(n.p1);
    }
    QCOMPARE(previous, 100);

    // The copy holds everything, and the photos and videos byte for byte.
    const DeviceImage device = phone.fixture.image(phone.folder);
    const DeviceImage copy = phone.fixture.backup(phone.folder);
    QCOMPARE(phone.fixture.backupSummary(phone.folder).counts(), phone.fixture.summary(phone.folder).counts());
    const QJsonArray media = device.array("media");
    QVERIFY(!media.isEmpty());
    for (const QJsonValue& value : media) {
        const QString path = value.toObject().value("path").toString();
        QFile original(device.localPath(path));
        QFile copied(copy.localPath(path));
        QVERIFY(original.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
        QVERIFY(original.readAll() == copied.readAll());
    }
}

void tst_ovdriverBackup::wholeCategoryErasesRemoveOnlyDeletedItems()
{
    Phone phone;
    QVERIFY(phone.device);
    const ImageSummary before = phone.fixture.summary(phone.folder);
    const QJsonArray appsBefore = phone.fixture.image(phone.folder).array("apps");
    QVERIFY(phone.backup());

    IMessagesCategory* messages = nullptr;
    IWholeEraseCategory* contacts = nullptr;
    IWholeEraseCategory* calendar = nullptr;
    IWholeEraseCategory* bookmarks = nullptr;
    IWholeEraseCategory* voiceMemos = nullptr;
    ISimpleCategory* calls = nullptr;
    ISimpleCategory* history = nullptr;
    INotesCategory* notes = nullptr;
    IWhatsAppCategory* whatsApp = nullptr;
    IChatCategory* viber = nullptr;
    IChatCategory* kik = nullptr;
    ISafariCookieCategory* cookies = nullptr;
    ISafariCacheCategory* cache = nullptr;
    IWeChatCategory* weChat = nullptr;
    phone.data->GetMessages(&messages);
    phone.data->GetContacts(&contacts);
    phone.data->GetCalendar(&calendar);
    phone.data->GetBookmarks(&bookmarks);
    phone.data->GetVoiceMemos(&voiceMemos);
    phone.data->GetCallLog(&calls);
    phone.data->GetSafariHistory(&history);
    phone.data->GetNotes(&notes);
    phone.data->GetWhatsApp(&whatsApp);
    phone.data->GetViber(&viber);
    phone.data->GetKik(&kik);
    phone.data->GetSafariCookies(&cookies);
    phone.data->GetSafariCache(&cache);
    phone.data->GetWeChat(&weChat);
    LibrarySession::run(weChat->CreateLoad());
    QCOMPARE(weChat->GetAccountCount(), 2);

    QVERIFY(!messages->CreateEraseAll(nullptr)); // nothing to report to, so no operation
    NotificationRecorder recorders[15];
    const QList<IDeviceOperation*> operations {
        messages->CreateEraseAll(&recorders[0]),
        contacts->CreateEraseAll(&recorders[1]),
        calendar->CreateEraseAll(&recorders[2]),
        bookmarks->CreateEraseAll(&recorders[3]),
        voiceMemos->CreateEraseAll(&recorders[4]),
        calls->CreateEraseAll(&recorders[5]),
        history->CreateEraseAll(&recorders[6]),
        notes->CreateEraseAll(&recorders[7]),
        whatsApp->CreateEraseAll(&recorders[8]),
        viber->CreateEraseAll(&recorders[9]),
        kik->CreateEraseAll(&recorders[10]),
        cookies->CreateEraseAll(&recorders[11]),
        cache->CreateEraseAll(&recorders[12]),
        weChat->GetAccount(0)->CreateEraseAll(&recorders[13]),
        weChat->GetAccount(1)->CreateEraseAll(&recorders[14]),
    };
    for (IDeviceOperation* operation : operations)
        QCOMPARE(LibrarySession::run(operation), int(OV_NOTIFY_ERASE_DONE));
    for (int i = 0; i < operations.size(); ++i)
        QCOMPARE(recorders[i].types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QCOMPARE(int(recorders[5].all().first().p1), before.count("callLog").deleted);

    QVERIFY(phone.restoreAndRestart(1));
    const ImageSummary after = phone.fixture.summary(phone.folder);
    for (const QString& category : ImageSummary::categoryNames()) {
        const ImageSummary::Count was = before.count(category);
        const ImageSummary::Count now = after.count(category);
        QVERIFY2(now.existing == was.existing, qPrintable(category));
        // Photos and videos have no whole-category erase; everything else lost its deleted items.
        const bool erasable = DeviceImage::privateCategories().contains(category) || category.startsWith("message");
        QVERIFY2(now.deleted == (erasable ? 0 : was.deleted), qPrintable(category));
    }

    // The chat apps' fragments were their deleted data: their data sizes shrink by them.
    const QSet<QString> chatApps { "WhatsApp", "Viber", "Kik", QString::fromUtf8("微信") };
    const QJsonArray appsAfter = phone.fixture.image(phone.folder).array("apps");
    QCOMPARE(appsAfter.size(), appsBefore.size());
    for (int i = 0; i < appsAfter.size(); ++i) {
        const QJsonObject was = appsBefore.at(i).toObject();
        const QJsonObject now = appsAfter.at(i).toObject();
        const bool chat = chatApps.contains(was.value("name").toString());
        const double expected = was.value("dataSize").toDouble() - (chat ? was.value("fragmentBytes").toDouble() : 0);
        QVERIFY2(now.value("dataSize").toDouble() == expected, qPrintable(was.value("name").toString()));
        QVERIFY(!chat || was.value("fragmentBytes").toDouble() > 0);
    }
}

void tst_ovdriverBackup::erasesRefuseWhatTheyCannotDo()
{
    Phone phone;
    QVERIFY(phone.device);
    ISimpleCategory* calls = nullptr;
    phone.data->GetCallLog(&calls);

    // Without a backup there is nothing to load or erase.
    LibrarySession::run(calls->CreateLoad());
    QCOMPARE(calls->GetCount(), 0);
    QVERIFY(!calls->GetItem(0));
    NotificationRecorder noBackup;
    LibrarySession::run(calls->CreateEraseAll(&noBackup));
    QCOMPARE(noBackup.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(noBackup.all().first().p1), -3);
    IEraseAllInterface* eraseAll = nullptr;
    phone.device->GetEraseAllInterface(&eraseAll);
    NotificationRecorder stage;
    LibrarySession::run(eraseAll->CreateStage1(&stage));
    QCOMPARE(stage.types(), QList<int> { OV_NOTIFY_JOB_FAILED });

    QVERIFY(phone.backup());
    LibrarySession::run(calls->CreateLoad());
    QVERIFY(calls->GetCount() > 0);
    QVERIFY(!calls->GetItem(calls->GetCount()));
    QVERIFY(!calls->GetItem(-1));
    NotificationRecorder nullList;
    LibrarySession::run(calls->CreateEraseSelected({ nullptr, 3 }, &nullList));
    QCOMPARE(nullList.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(nullList.all().first().p1), -2);

    // Handles that name no item of the last load erase nothing, and say so.
    std::uint32_t strangers[] = { 0x1234u, OvItemHandle(&strangers) };
    NotificationRecorder unknown;
    LibrarySession::run(calls->CreateEraseSelected({ strangers, 2 }, &unknown));
    QCOMPARE(unknown.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QCOMPARE(unknown.all().first().p1, 0u);
    QCOMPARE(phone.fixture.backupSummary(phone.folder).count("callLog"),
             phone.fixture.summary(phone.folder).count("callLog"));
}

void tst_ovdriverBackup::fragmentsOfEveryChosenAppGoWithTheRestore()
{
    Phone phone;
    QVERIFY(phone.device);
    // WhatsApp holds fragments but no deleted records: its erase changes figures only.
    QVERIFY(phone.fixture.edit(phone.folder, [](DeviceImage& image) {
        for (const char* key : { "whatsApp", "whatsAppAttachments" })
            image.removePrivateRecords(key, [](const QJsonObject& r) { return r.value("deleted").toBool(); });
    }));
    QVERIFY(phone.backup());
    const QJsonArray appsBefore = phone.fixture.image(phone.folder).array("apps");
    auto appNamed = [](const QJsonArray& apps, const QString& name) {
        for (const QJsonValue& app : apps) {
            if (app.toObject().value("name").toString() == name)
                return app.toObject();
        }
        return QJsonObject();
    };
    IWhatsAppCategory* whatsApp = nullptr;
    phone.data->GetWhatsApp(&whatsApp);
    NotificationRecorder whatsAppErase;
    LibrarySession::run(whatsApp->CreateEraseAll(&whatsAppErase));
    QCOMPARE(whatsAppErase.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QCOMPARE(whatsAppErase.all().first().p1, 0u);
    QCOMPARE(appNamed(phone.fixture.backup(phone.folder).array("apps"), "WhatsApp").value("fragmentBytes").toDouble(),
             0.0);

    // Every app with fragments but Spotify is chosen; WhatsApp's are gone already.
    std::vector<OvAppDescriptor> chosen;
    QSet<QString> cleared { "WhatsApp" };
    for (const QJsonValue& value : appsBefore) {
        const QJsonObject app = value.toObject();
        const QString name = app.value("name").toString();
        if (app.value("fragmentBytes").toDouble() <= 0 || name == "Spotify" || name == "WhatsApp")
            continue;
        OvAppDescriptor descriptor {};
        const QByteArray bundleId = app.value("bundleId").toString().toUtf8();
        std::memcpy(descriptor.bundleId, bundleId.constData(), std::size_t(bundleId.size()));
        chosen.push_back(descriptor);
        cleared << name;
    }
    QVERIFY2(chosen.size() >= 12, "the apps of the fragments feature hold fragments");
    QVERIFY(appNamed(appsBefore, "Spotify").value("fragmentBytes").toDouble() > 0);
    IOneKeyAppCategory* apps = nullptr;
    phone.device->GetOneKeyApps(&apps);
    NotificationRecorder fragments;
    LibrarySession::run(apps->CreateEraseFragments(&fragments, chosen.data(), std::uint32_t(chosen.size())));
    QCOMPARE(fragments.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QCOMPARE(fragments.all().first().p1, std::uint32_t(chosen.size()));

    const quint64 usedBefore = phone.fixture.summary(phone.folder).usedBytes;
    QVERIFY(phone.restoreAndRestart(1));
    double freed = 0;
    const QJsonArray appsAfter = phone.fixture.image(phone.folder).array("apps");
    QCOMPARE(appsAfter.size(), appsBefore.size());
    for (const QJsonValue& value : appsBefore) {
        const QJsonObject was = value.toObject();
        const QJsonObject now = appNamed(appsAfter, was.value("name").toString());
        const bool gone = cleared.contains(was.value("name").toString());
        const double fragmentBytes = was.value("fragmentBytes").toDouble();
        QVERIFY2(now.value("fragmentBytes").toDouble() == (gone ? 0 : fragmentBytes),
                 qPrintable(was.value("name").toString()));
        QVERIFY(now.value("dataSize").toDouble() == was.value("dataSize").toDouble() - (gone ? fragmentBytes : 0));
        freed += gone ? fragmentBytes : 0;
    }
    QCOMPARE(phone.fixture.summary(phone.folder).usedBytes, usedBefore - quint64(freed));
}

void tst_ovdriverBackup::handlesOfAnEarlierLoadNameNothing()
{
    Phone phone;
    QVERIFY(phone.device && phone.backup());
    ISimpleCategory* calls = nullptr;
    phone.data->GetCallLog(&calls);
    LibrarySession::run(calls->CreateLoad());
    const int loaded = calls->GetCount();
    QVERIFY(loaded >= 3);
    std::uint32_t kept = OvItemHandle(calls->GetItem(0));
    NotificationRecorder first;
    LibrarySession::run(calls->CreateEraseSelected({ &kept, 1 }, &first));
    QCOMPARE(first.all().first().p1, 1u);

    // Each reload would put the next call where the erased one was; the kept handle must
    // erase nothing, however often the list is rebuilt.
    for (int reload = 1; reload <= 3; ++reload) {
        LibrarySession::run(calls->CreateLoad());
        QCOMPARE(calls->GetCount(), loaded - 1);
        NotificationRecorder stale;
        LibrarySession::run(calls->CreateEraseSelected({ &kept, 1 }, &stale));
        QCOMPARE(stale.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
        QCOMPARE(stale.all().first().p1, 0u);
        QCOMPARE(phone.fixture.backupSummary(phone.folder).count("callLog").total(), loaded - 1);
    }
    // The handles of the current load still erase exactly their records.
    std::uint32_t current = OvItemHandle(calls->GetItem(0));
    const qint64 currentId
        = DeviceImage::idOf(phone.fixture.backup(phone.folder).privateArray("callLog").at(0).toObject());
    NotificationRecorder fresh;
    LibrarySession::run(calls->CreateEraseSelected({ &current, 1 }, &fresh));
    QCOMPARE(fresh.all().first().p1, 1u);
    const QJsonArray left = phone.fixture.backup(phone.folder).privateArray("callLog");
    QCOMPARE(left.size(), loaded - 2);
    for (const QJsonValue& call : left)
        QVERIFY(DeviceImage::idOf(call.toObject()) != currentId);
}

void tst_ovdriverBackup::recordsWithoutAUniqueIdAreRefusedWhenRead()
{
    Phone phone;
    QVERIFY(phone.device);
    int total = 0;
    QVERIFY(phone.fixture.edit(phone.folder, [&total](DeviceImage& image) {
        QJsonArray calls = image.privateArray("callLog");
        total = calls.size();
        QJsonObject twin = calls.at(1).toObject();
        twin.insert("id", calls.at(0).toObject().value("id"));
        QJsonObject anonymous = calls.at(2).toObject();
        anonymous.remove("id");
        calls.replace(1, twin);
        calls.replace(2, anonymous);
        image.setPrivateArray("callLog", calls);
    }));
    QVERIFY(total >= 4);
    QVERIFY(phone.backup());
    ISimpleCategory* calls = nullptr;
    phone.data->GetCallLog(&calls);
    LibrarySession::run(calls->CreateLoad());
    QCOMPARE(calls->GetCount(), total - 3);

    // Erasing every listed call leaves the three refused ones on the device.
    std::vector<std::uint32_t> handles;
    for (int i = 0; i < calls->GetCount(); ++i)
        handles.push_back(OvItemHandle(calls->GetItem(i)));
    NotificationRecorder erase;
    LibrarySession::run(calls->CreateEraseSelected({ handles.data(), std::uint32_t(handles.size()) }, &erase));
    QCOMPARE(erase.all().first().p1, std::uint32_t(total - 3));
    QVERIFY(phone.restoreAndRestart(1));
    QFile json(phone.folder + "/device.json");
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonArray onDevice
        = QJsonDocument::fromJson(json.readAll()).object().value("privateData").toObject().value("callLog").toArray();
    QCOMPARE(onDevice.size(), 3);

    QFile log(qEnvironmentVariable("DRAVO_APP_DIR") + "/log/ovdriver.log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString refusal = QString("%1: %2/device.json: 3 records of \"callLog\" refused")
                                .arg(phone.fixture.uniqueId(phone.folder), phone.folder);
    QVERIFY2(QString::fromUtf8(log.readAll()).contains(refusal), qPrintable(refusal));
}

void tst_ovdriverBackup::stoppedBackupReports1003AndKeepsThePreviousCopy()
{
    Phone phone;
    QVERIFY(phone.device);
    QVERIFY(phone.backup());
    const QString backupFolder = phone.fixture.backupFolder(phone.folder);
    const QByteArray previous = [&] {
        QFile file(backupFolder + "/device.json");
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    QVERIFY(!previous.isEmpty());

    NotificationRecorder recorder;
    recorder.answer = [](const NotificationRecorder::Notification& n) {
        return n.type == OV_NOTIFY_BACKUP_PROGRESS && n.p1 >= 20 ? -1 : 0;
    };
    const QList<int> types = phone.backup(recorder);
    QCOMPARE(types.last(), int(OV_NOTIFY_BACKUP_FAILED));
    QCOMPARE(recorder.all().last().p1, std::uint32_t(OV_ERROR_STOPPED));
    QCOMPARE(types.count(OV_NOTIFY_BACKUP_FAILED), 1);
    QVERIFY(!types.contains(OV_NOTIFY_BACKUP_END));
    // Nothing followed the progress that asked to stop, but the end.
    QCOMPARE(recorder.all().at(types.size() - 2).type, int(OV_NOTIFY_BACKUP_PROGRESS));
    QVERIFY(recorder.all().at(types.size() - 2).p1 >= 20);

    QFile file(backupFolder + "/device.json");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), previous);
    QCOMPARE(besideTheCopy(backupFolder), QStringList());
}

void tst_ovdriverBackup::backupFailures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("code");
    QTest::newRow("device not set up") << "-38" << -38;
    QTest::newRow("computer full") << "-36" << -36;
    QTest::newRow("locked or untrusted") << "-19" << -19;
    QTest::newRow("device full") << "-10" << -10;
    QTest::newRow("any other") << "-77" << -77;
    QTest::newRow("locked device") << "locked" << -19;
    QTest::newRow("unactivated device") << "unactivated" << -38;
    QTest::newRow("encrypted, no password given") << "encrypted" << -9;
}

void tst_ovdriverBackup::backupFailures()
{
    QFETCH(QString, fault);
    QFETCH(int, code);
    DeviceContent content = DeviceImageFixture::smallContent();
    content.locked = fault == "locked";
    content.activationState = fault == "unactivated" ? "Unactivated" : "Activated";
    content.backupPassword = fault == "encrypted" ? "pw" : "";
    Phone phone(content);
    QVERIFY(phone.device);
    if (fault.startsWith('-'))
        QVERIFY(phone.fixture.setFault(phone.folder, "backup", fault.toInt()));

    NotificationRecorder recorder;
    const QList<int> types = phone.backup(recorder);
    QCOMPARE(without(types, OV_NOTIFY_BACKUP_PROGRESS), QList<int> { OV_NOTIFY_BACKUP_FAILED });
    QCOMPARE(int(recorder.all().last().p1), code);
    QVERIFY(!phone.fixture.hasBackup(phone.folder));
    QCOMPARE(besideTheCopy(phone.fixture.backupFolder(phone.folder)), QStringList());
}

void tst_ovdriverBackup::restoreFailures_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("device storage") << -36;
    QTest::newRow("any other") << -5;
}

void tst_ovdriverBackup::restoreFailures()
{
    QFETCH(int, code);
    Phone phone;
    QVERIFY(phone.device && phone.backup());
    IPhotoVideoCategory* photos = nullptr;
    phone.data->GetPhotosAndVideos(&photos);
    LibrarySession::run(photos->CreateLoad());
    std::uint32_t handle = OvItemHandle(photos->GetItem(0));
    QCOMPARE(LibrarySession::run(photos->CreateEraseSelected({ &handle, 1 }, nullptr)), -1);
    NotificationRecorder erase;
    LibrarySession::run(photos->CreateEraseSelected({ &handle, 1 }, &erase));
    QCOMPARE(erase.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QVERIFY(phone.fixture.setFault(phone.folder, "restore", code));
    const ImageSummary before = phone.fixture.summary(phone.folder);

    NotificationRecorder recorder;
    QCOMPARE(without(phone.restore(1, recorder), OV_NOTIFY_RESTORE_PROGRESS), QList<int> { OV_NOTIFY_RESTORE_FAILED });
    QCOMPARE(int(recorder.all().last().p1), code);
    QCOMPARE(phone.fixture.summary(phone.folder).counts(), before.counts());
    QTest::qWait(200);
    QCOMPARE(phone.session->events().last().type, 1); // no restart
}

void tst_ovdriverBackup::stoppedRestoreLeavesTheDeviceAsItWas()
{
    Phone phone;
    QVERIFY(phone.device && phone.backup());
    IEraseAllInterface* eraseAll = nullptr;
    phone.device->GetEraseAllInterface(&eraseAll);
    NotificationRecorder stage;
    LibrarySession::run(eraseAll->CreateStage2(&stage));
    QCOMPARE(stage.types(), QList<int> { OV_NOTIFY_ERASEALL_STAGE2 });
    const ImageSummary before = phone.fixture.summary(phone.folder);

    NotificationRecorder recorder;
    recorder.answer = [](const NotificationRecorder::Notification& n) { return n.p1 >= 30 ? -1 : 0; };
    const QList<int> types = phone.restore(0, recorder);
    QCOMPARE(types.last(), int(OV_NOTIFY_RESTORE_PROGRESS));
    QCOMPARE(recorder.all().last().p1, 30u);
    QCOMPARE(phone.fixture.summary(phone.folder).counts(), before.counts());
}

void tst_ovdriverBackup::eraseAllThenRestoreType0EmptiesTheDevice()
{
    Phone phone;
    QVERIFY(phone.device && phone.backup());
    IEraseAllInterface* eraseAll = nullptr;
    QCOMPARE(phone.device->GetEraseAllInterface(&eraseAll), 0);
    const QList<QPair<IDeviceOperation* (IEraseAllInterface::*)(CCallBack*), int>> stages {
        { &IEraseAllInterface::CreateStage1, OV_NOTIFY_ERASEALL_STAGE1 },
        { &IEraseAllInterface::CreateStage2, OV_NOTIFY_ERASEALL_STAGE2 },
        { &IEraseAllInterface::CreateStage4, OV_NOTIFY_ERASEALL_STAGE4 },
        { &IEraseAllInterface::CreateStage8, OV_NOTIFY_ERASEALL_STAGE8 },
    };
    // A fault of the image fails every stage and leaves the copy as it was.
    const QMap<QString, ImageSummary::Count> copyCounts = phone.fixture.backupSummary(phone.folder).counts();
    QCOMPARE(QProcess::execute(OVSIM, { "fault", phone.folder, "eraseall", "-7" }), 0);
    for (const auto& stage : stages) {
        NotificationRecorder recorder;
        LibrarySession::run((eraseAll->*stage.first)(&recorder));
        QCOMPARE(recorder.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
        QCOMPARE(int(recorder.all().first().p1), -7);
    }
    QCOMPARE(phone.fixture.backupSummary(phone.folder).counts(), copyCounts);
    QCOMPARE(QProcess::execute(OVSIM, { "fault", phone.folder, "eraseall", "none" }), 0);
    for (const auto& stage : stages) {
        NotificationRecorder recorder;
        LibrarySession::run((eraseAll->*stage.first)(&recorder));
        QCOMPARE(recorder.types(), QList<int> { stage.second });
    }
    QVERIFY(phone.fixture.summary(phone.folder).count("photos").existing > 0); // only the copy is empty yet
    QVERIFY(phone.restoreAndRestart(0));

    const ImageSummary after = phone.fixture.summary(phone.folder);
    for (const QString& category : ImageSummary::categoryNames())
        QVERIFY2(after.count(category).total() == 0, qPrintable(category));
    const DeviceImage image = phone.fixture.image(phone.folder);
    QCOMPARE(after.usedBytes, image.number("systemBytes"));
    QCOMPARE(freeBytes(phone.device), std::uint64_t(after.totalBytes - image.number("systemBytes")));
    QDirIterator files(phone.folder + "/fs", QDir::Files, QDirIterator::Subdirectories);
    QVERIFY2(!files.hasNext(), "every content file of the device must be gone");
}

void tst_ovdriverBackup::fillOccupiesTheFreeSpaceWhileItRuns()
{
    Phone phone;
    QVERIFY(phone.device);
    const std::uint64_t free = freeBytes(phone.device);
    QVERIFY(free > (std::uint64_t(1) << 32)); // so that the high words matter
    const ImageSummary before = phone.fixture.summary(phone.folder);
    QCOMPARE(free, std::uint64_t(before.totalBytes - before.usedBytes));
    IFillInterface* fill = nullptr;
    phone.device->GetFillInterface(&fill);
    const QString filler = phone.folder + "/filler.bin";
    for (int pass = 1; pass <= 2; ++pass) {
        NotificationRecorder recorder;
        // While it runs, the device's free space is what the fill has not written yet.
        QList<std::uint64_t> freeWhileWriting;
        recorder.answer = [&](const NotificationRecorder::Notification& n) {
            if (n.type == OV_NOTIFY_ITEM_DONE) {
                freeWhileWriting << freeBytes(phone.device);
                QFileInfo file(filler);
                if (!file.exists() || std::uint64_t(file.size()) != OvJoinWords(n.p1, n.p2))
                    freeWhileWriting << std::uint64_t(-1);
            }
            return 0;
        };
        LibrarySession::run(fill->CreateFill(&recorder));
        const auto all = recorder.all();
        QVERIFY(all.size() >= 3);
        QCOMPARE(all.last().type, int(OV_NOTIFY_READY));
        QCOMPARE(freeWhileWriting.size(), all.size() - 1);
        std::uint64_t previous = 0;
        for (int i = 0; i < all.size(); ++i) {
            const std::uint64_t written = OvJoinWords(all[i].p1, all[i].p2);
            QCOMPARE(OvJoinWords(all[i].p3, all[i].p4), free);
            QVERIFY(written >= previous && written <= free);
            previous = written;
            if (i + 1 < all.size()) {
                QCOMPARE(all[i].type, int(OV_NOTIFY_ITEM_DONE));
                QCOMPARE(freeWhileWriting[i], free - written);
            }
        }
        QCOMPARE(OvJoinWords(all.at(all.size() - 2).p1, all.at(all.size() - 2).p2), free);
        QCOMPARE(freeWhileWriting.last(), std::uint64_t(0));
        QCOMPARE(OvJoinWords(all.last().p1, all.last().p2), free);
        // Given back at the end.
        QVERIFY(!QFile::exists(filler));
        QCOMPARE(freeBytes(phone.device), free);
        QCOMPARE(phone.fixture.summary(phone.folder).usedBytes, before.usedBytes);

        QFile log(qEnvironmentVariable("DRAVO_APP_DIR") + "/log/ovdriver.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString line = QString("%1 fill: pass %2 finished").arg(phone.fixture.uniqueId(phone.folder)).arg(pass);
        QVERIFY2(QString::fromUtf8(log.readAll()).contains(line), qPrintable(line));
    }
}

void tst_ovdriverBackup::fillFailureAndStop()
{
    Phone phone;
    QVERIFY(phone.device);
    IFillInterface* fill = nullptr;
    phone.device->GetFillInterface(&fill);

    NotificationRecorder stopped;
    stopped.answer
        = [&stopped](const NotificationRecorder::Notification&) { return stopped.all().size() >= 3 ? -1 : 0; };
    LibrarySession::run(fill->CreateFill(&stopped));
    QCOMPARE(stopped.types(), (QList<int> { OV_NOTIFY_ITEM_DONE, OV_NOTIFY_ITEM_DONE, OV_NOTIFY_ITEM_DONE }));

    QVERIFY(phone.fixture.setFault(phone.folder, "fill", -12));
    NotificationRecorder failed;
    LibrarySession::run(fill->CreateFill(&failed));
    QCOMPARE(without(failed.types(), OV_NOTIFY_ITEM_DONE), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(failed.all().last().p1), -12);
}

void tst_ovdriverBackup::deviceLeavingDuringAJob_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<int>("failure");
    QTest::newRow("backup") << "backup" << int(OV_NOTIFY_BACKUP_FAILED);
    QTest::newRow("restore") << "restore" << int(OV_NOTIFY_RESTORE_FAILED);
    QTest::newRow("fill") << "fill" << int(OV_NOTIFY_JOB_FAILED);
    QTest::newRow("junk clean") << "clean" << int(OV_NOTIFY_JOB_FAILED);
}

void tst_ovdriverBackup::deviceLeavingDuringAJob()
{
    QFETCH(QString, job);
    QFETCH(int, failure);
    Phone phone;
    QVERIFY(phone.device);
    if (job == "restore")
        QVERIFY(phone.backup());
    QVERIFY(phone.fixture.setFault(phone.folder, "leave", job));

    NotificationRecorder recorder;
    if (job == "backup") {
        phone.backup(recorder);
    } else if (job == "restore") {
        phone.restore(1, recorder);
    } else if (job == "fill") {
        IFillInterface* fill = nullptr;
        phone.device->GetFillInterface(&fill);
        LibrarySession::run(fill->CreateFill(&recorder));
    } else {
        IOneKeyCategory* junk = nullptr;
        phone.device->GetOneKeyCrashLogs(&junk);
        LibrarySession::run(junk->CreateClean(&recorder));
    }
    QCOMPARE(recorder.all().last().type, failure);
    QCOMPARE(int(recorder.all().last().p1), -4);
    QVERIFY(!phone.fixture.isPlugged(phone.folder));
    QVERIFY(phone.session->waitForRemoval(phone.fixture.uniqueId(phone.folder)));
    QVERIFY(!phone.device->IsConnected());
    if (job == "backup")
        QVERIFY(!phone.fixture.hasBackup(phone.folder));

    // Plugged in again, it connects and works.
    QVERIFY(phone.fixture.setFault(phone.folder, "leave", QString()));
    QVERIFY(phone.fixture.plug(phone.folder));
    QCOMPARE(phone.session->connect(phone.fixture.uniqueId(phone.folder)), phone.device);
    QVERIFY(phone.backup());
}

void tst_ovdriverBackup::unplugDuringARunningBackupEndsIt()
{
    const QByteArray delay = qgetenv("OVDRIVER_SIM_DELAY_MS");
    qputenv("OVDRIVER_SIM_DELAY_MS", "20");
    Phone phone;
    QVERIFY(phone.device);
    IBackupInterface* backup = nullptr;
    phone.device->GetBackupInterface(&backup);
    IDeviceOperation* operation = backup->CreateBackup(nullptr);
    QVERIFY(!operation);
    NotificationRecorder recorder;
    operation = backup->CreateBackup(&recorder);
    std::atomic<bool> done { false };
    std::thread control([&] {
        operation->Run();
        done = true;
    });
    QVERIFY(DeviceImageFixture::waitFor([&] { return recorder.count(OV_NOTIFY_BACKUP_PROGRESS) > 0; }));
    QVERIFY(phone.fixture.unplug(phone.folder));
    const bool ended = DeviceImageFixture::waitFor([&] { return done.load(); }, 3000);
    control.join();
    operation->Release();
    qputenv("OVDRIVER_SIM_DELAY_MS", delay);
    QVERIFY2(ended, "the backup must end soon after the device left");
    QCOMPARE(recorder.all().last().type, int(OV_NOTIFY_BACKUP_FAILED));
    QCOMPARE(int(recorder.all().last().p1), -4);
    QVERIFY(phone.session->waitForRemoval(phone.fixture.uniqueId(phone.folder)));
}

void tst_ovdriverBackup::killedInTheMiddleOfACleanTheDeviceStillConnects()
{
    DeviceContent content = DeviceImageFixture::smallContent();
    content.junkFilesPerCode = 40;
    Phone phone(content);
    QVERIFY(phone.device && phone.backup());
    const QStringList files = junkFiles(phone.fixture.image(phone.folder), 256);
    QCOMPARE(files.size(), 40);
    auto present = [&files] {
        return std::count_if(files.begin(), files.end(), [](const QString& f) { return QFile::exists(f); });
    };
    const QString id = phone.fixture.uniqueId(phone.folder);
    {
        DelayScope slow("40");
        SpawnedProcess child;
        QVERIFY(child.start(JOBCHILD, { id, "clean", "256" }));
        QVERIFY(DeviceImageFixture::waitFor([&] { return present() < files.size() || !child.isRunning(); }, 20000));
        child.killHard();
        QVERIFY(child.waitForEnd(5000));
        QCOMPARE(child.terminatingSignal(), SIGKILL);
    }
    QVERIFY(present() > 0);

    // The image lists only files it has, so the device connects and a new clean finishes
    // what the killed one began, its count agreeing with what the device held.
    QCOMPARE(phone.session->connect(id), phone.device);
    QString error;
    QVERIFY2(phone.fixture.image(phone.folder).checkContent(&error), qPrintable(error));
    const int listed = phone.fixture.summary(phone.folder).count("junk256").existing;
    QVERIFY(listed <= present());
    NotificationRecorder clean;
    LibrarySession::run(OvOneKeyCategoryOf(phone.device, 256)->CreateClean(&clean));
    QCOMPARE(clean.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QCOMPARE(int(clean.all().last().p1), listed);
    QCOMPARE(phone.fixture.summary(phone.folder).count("junk256").existing, 0);
    QVERIFY(phone.backup());
    QCOMPARE(besideTheCopy(phone.fixture.backupFolder(phone.folder)), QStringList());
}

void tst_ovdriverBackup::ovsimChangesDuringAJobSurviveIt()
{
    DeviceContent content = DeviceImageFixture::smallContent();
    content.junkFilesPerCode = 40;
    Phone phone(content);
    QVERIFY(phone.device);
    const int junkBefore = phone.fixture.summary(phone.folder).count("junk128").existing;
    DelayScope slow("50");
    NotificationRecorder clean;
    IDeviceOperation* operation = OvOneKeyCategoryOf(phone.device, 128)->CreateClean(&clean);
    std::thread job([operation] { LibrarySession::run(operation); });
    QVERIFY(DeviceImageFixture::waitFor([&] { return clean.count(OV_NOTIFY_ITEM_DONE) > 0; }));
    const int fault = QProcess::execute(OVSIM, { "fault", phone.folder, "backup", "-36" });
    job.join();
    QCOMPARE(fault, 0);
    QCOMPARE(clean.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QCOMPARE(int(clean.all().last().p1), junkBefore);
    const DeviceImage image = phone.fixture.image(phone.folder);
    QCOMPARE(image.faultCode("backup"), -36);
    QCOMPARE(phone.fixture.summary(phone.folder).count("junk128").existing, 0);
}

QTEST_GUILESS_MAIN(tst_ovdriverBackup)
#include "tst_ovdriverBackup.moc"
