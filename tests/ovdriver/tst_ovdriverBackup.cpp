// Backup, loading, erasing, restoring and fill through the contract: what a job reports, in
// which order, and what the device and its copy hold afterwards. Restore, erase-all and fill
// failures and stops are checked by the erase flows against the same simulator.
#include "DeviceImageFixture.h"
#include "LibrarySession.h"
#include "NotificationRecorder.h"
#include "SpawnedProcess.h"

#include <ovdriver.h>

#include <QDir>
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

bool libraryLogHas(const QString& line)
{
    return QString::fromUtf8(fileBytes(qEnvironmentVariable("DRAVO_APP_DIR") + "/log/ovdriver.log")).contains(line);
}

/// Slows every simulated step while it lives.
struct DelayScope
{
    explicit DelayScope(const QByteArray& ms) { qputenv("OVDRIVER_SIM_DELAY_MS", ms); }
    ~DelayScope() { qputenv("OVDRIVER_SIM_DELAY_MS", saved); }
    const QByteArray saved = qgetenv("OVDRIVER_SIM_DELAY_MS");
};

QList<int> without(const NotificationRecorder& recorder, int dropped)
{
    QList<int> types = recorder.types();
    types.removeAll(dropped);
    return types;
}

QJsonObject appNamed(const QJsonArray& apps, const QString& name)
{
    for (const QJsonValue& app : apps) {
        if (app.toObject().value("name").toString() == name)
            return app.toObject();
    }
    return QJsonObject();
}

class Phone : public PluggedPhone
{
public:
    using PluggedPhone::PluggedPhone;

    /// Restores and waits for the restart: a removal, then the arrival, then connects again.
    bool restoreAndRestart(int type)
    {
        IRestoreInterface* restore = nullptr;
        device->GetRestoreInterface(&restore);
        NotificationRecorder recorder;
        LibrarySession::run(restore->CreateRestore(type, &recorder));
        const QString id = fixture.uniqueId(folder);
        return recorder.types().endsWith(OV_NOTIFY_RESTORE_END) && session->waitForRemoval(id)
            && session->waitForArrival(id) && session->connect(id) == device;
    }
    ISimpleCategory* loadedCalls()
    {
        ISimpleCategory* calls = nullptr;
        data->GetCallLog(&calls);
        LibrarySession::run(calls->CreateLoad());
        return calls;
    }
    /// Erases the records of `handles` from the copy; returns how many the library erased.
    static int erase(ISimpleCategory* calls, std::vector<std::uint32_t> handles)
    {
        NotificationRecorder erase;
        LibrarySession::run(calls->CreateEraseSelected({ handles.data(), std::uint32_t(handles.size()) }, &erase));
        return erase.types() == QList<int> { OV_NOTIFY_ERASE_DONE } ? int(erase.all().first().p1) : -1;
    }
    std::uint64_t freeBytes() const
    {
        OvDeviceInfo* info = nullptr;
        device->GetDeviceInfo(&info);
        return info ? info->freeBytes : 0;
    }
};

template<class Category>
IDeviceOperation* eraseAll(IPrivateDataInterface* data, int (IPrivateDataInterface::*get)(Category**),
                           CCallBack* callback)
{
    Category* category = nullptr;
    (data->*get)(&category);
    return category->CreateEraseAll(callback);
}

} // namespace

class tst_ovdriverBackup : public QObject
{
    Q_OBJECT

private slots:
    void backupCopiesTheContentAndAStopKeepsThePreviousCopy();
    void backupFailures_data();
    void backupFailures();
    void wholeCategoryErasesRemoveOnlyDeletedItems();
    void handlesNameOnlyRecordsOfTheLastLoad();
    void recordsWithoutAUniqueIdAreRefusedWhenRead();
    void fragmentsOfEveryChosenAppGoWithTheRestore();
    void fillOccupiesTheFreeSpaceWhileItRuns();
    void deviceLeavingDuringAJobEndsIt();
    void killedOrChangedInTheMiddleOfACleanTheImageStaysWhole();
};

void tst_ovdriverBackup::backupCopiesTheContentAndAStopKeepsThePreviousCopy()
{
    Phone phone;
    QVERIFY(phone.device);
    NotificationRecorder recorder;
    phone.backup(&recorder);
    QCOMPARE(without(recorder, OV_NOTIFY_BACKUP_PROGRESS), QList<int> { OV_NOTIFY_BACKUP_END });
    std::uint32_t previous = 0;
    for (const auto& n : recorder.all().mid(0, recorder.all().size() - 1)) {
        QVERIFY(n.p1 > previous && n.p1 <= 100);
        previous = n.p1;
    }
    QCOMPARE(previous, 100u);

    // The copy holds everything, and the photos and videos byte for byte.
    const DeviceImage device = phone.fixture.image(phone.folder);
    const DeviceImage copy = phone.fixture.backup(phone.folder);
    QCOMPARE(phone.fixture.backupSummary(phone.folder).counts(), phone.fixture.summary(phone.folder).counts());
    const QJsonArray media = device.array("media");
    QVERIFY(!media.isEmpty());
    for (const QJsonValue& value : media) {
        const QString path = value.toObject().value("path").toString();
        QVERIFY(fileBytes(device.localPath(path)) == fileBytes(copy.localPath(path)));
    }

    // A stopped backup ends at once with 1003 and leaves the previous copy alone.
    const QString backupFolder = phone.fixture.backupFolder(phone.folder);
    const QByteArray before = fileBytes(backupFolder + "/device.json");
    QVERIFY(!before.isEmpty());
    NotificationRecorder stopped;
    stopped.answer = [](const NotificationRecorder::Notification& n) {
        return n.type == OV_NOTIFY_BACKUP_PROGRESS && n.p1 >= 20 ? -1 : 0;
    };
    phone.backup(&stopped);
    QCOMPARE(without(stopped, OV_NOTIFY_BACKUP_PROGRESS), QList<int> { OV_NOTIFY_BACKUP_FAILED });
    QCOMPARE(stopped.all().last().p1, std::uint32_t(OV_ERROR_STOPPED));
    const auto all = stopped.all();
    QCOMPARE(std::count_if(all.begin(), all.end(), [](const auto& n) { return n.p1 >= 20 && n.p1 <= 100; }), 1);
    QCOMPARE(fileBytes(backupFolder + "/device.json"), before);
    QCOMPARE(besideTheCopy(backupFolder), QStringList());
}

void tst_ovdriverBackup::backupFailures_data()
{
    // The fault codes themselves are reached through the analysis flow's error boxes.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("code");
    QTest::newRow("fault of the image") << "-77" << -77;
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
    phone.backup(&recorder);
    QCOMPARE(without(recorder, OV_NOTIFY_BACKUP_PROGRESS), QList<int> { OV_NOTIFY_BACKUP_FAILED });
    QCOMPARE(int(recorder.all().last().p1), code);
    QVERIFY(!phone.fixture.hasBackup(phone.folder));
    QCOMPARE(besideTheCopy(phone.fixture.backupFolder(phone.folder)), QStringList());
}

void tst_ovdriverBackup::wholeCategoryErasesRemoveOnlyDeletedItems()
{
    Phone phone;
    QVERIFY(phone.device);
    const ImageSummary before = phone.fixture.summary(phone.folder);
    const QJsonArray appsBefore = phone.fixture.image(phone.folder).array("apps");
    QVERIFY(phone.backup());
    IWeChatCategory* weChat = nullptr;
    phone.data->GetWeChat(&weChat);
    LibrarySession::run(weChat->CreateLoad());
    QCOMPARE(weChat->GetAccountCount(), 2);

    IPrivateDataInterface* d = phone.data;
    NotificationRecorder erased;
    const QList<IDeviceOperation*> operations {
        eraseAll(d, &IPrivateDataInterface::GetMessages, &erased),
        eraseAll(d, &IPrivateDataInterface::GetContacts, &erased),
        eraseAll(d, &IPrivateDataInterface::GetCalendar, &erased),
        eraseAll(d, &IPrivateDataInterface::GetBookmarks, &erased),
        eraseAll(d, &IPrivateDataInterface::GetVoiceMemos, &erased),
        eraseAll(d, &IPrivateDataInterface::GetCallLog, &erased),
        eraseAll(d, &IPrivateDataInterface::GetSafariHistory, &erased),
        eraseAll(d, &IPrivateDataInterface::GetNotes, &erased),
        eraseAll(d, &IPrivateDataInterface::GetWhatsApp, &erased),
        eraseAll(d, &IPrivateDataInterface::GetViber, &erased),
        eraseAll(d, &IPrivateDataInterface::GetKik, &erased),
        eraseAll(d, &IPrivateDataInterface::GetSafariCookies, &erased),
        eraseAll(d, &IPrivateDataInterface::GetSafariCache, &erased),
        weChat->GetAccount(0)->CreateEraseAll(&erased),
        weChat->GetAccount(1)->CreateEraseAll(&erased),
    };
    QVERIFY(!eraseAll(d, &IPrivateDataInterface::GetMessages, nullptr)); // nothing to report to
    for (IDeviceOperation* operation : operations)
        LibrarySession::run(operation);
    QCOMPARE(erased.types(), QVector<int>(operations.size(), OV_NOTIFY_ERASE_DONE).toList());
    QCOMPARE(int(erased.all().at(5).p1), before.count("callLog").deleted);

    QVERIFY(phone.restoreAndRestart(1));
    const ImageSummary after = phone.fixture.summary(phone.folder);
    for (const QString& category : ImageSummary::categoryNames()) {
        QVERIFY2(after.count(category).existing == before.count(category).existing, qPrintable(category));
        // Photos and videos have no whole-category erase; everything else lost its deleted items.
        const bool erasable = DeviceImage::privateCategories().contains(category) || category.startsWith("message");
        QVERIFY2(after.count(category).deleted == (erasable ? 0 : before.count(category).deleted),
                 qPrintable(category));
    }

    // The chat apps' fragments were their deleted data: their data sizes shrink by them.
    const QSet<QString> chatApps { "WhatsApp", "Viber", "Kik", QString::fromUtf8("微信") };
    const QJsonArray appsAfter = phone.fixture.image(phone.folder).array("apps");
    QCOMPARE(appsAfter.size(), appsBefore.size());
    for (int i = 0; i < appsAfter.size(); ++i) {
        const QJsonObject was = appsBefore.at(i).toObject();
        const bool chat = chatApps.contains(was.value("name").toString());
        QVERIFY(!chat || was.value("fragmentBytes").toDouble() > 0);
        const double expected = was.value("dataSize").toDouble() - (chat ? was.value("fragmentBytes").toDouble() : 0);
        QVERIFY2(appsAfter.at(i).toObject().value("dataSize").toDouble() == expected,
                 qPrintable(was.value("name").toString()));
    }
}

void tst_ovdriverBackup::handlesNameOnlyRecordsOfTheLastLoad()
{
    Phone phone;
    QVERIFY(phone.device);
    // Without a backup there is nothing to load or erase.
    ISimpleCategory* calls = phone.loadedCalls();
    QCOMPARE(calls->GetCount(), 0);
    QVERIFY(!calls->GetItem(0));
    NotificationRecorder noBackup;
    LibrarySession::run(calls->CreateEraseAll(&noBackup));
    QCOMPARE(noBackup.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(noBackup.all().first().p1), -3);

    QVERIFY(phone.backup());
    LibrarySession::run(calls->CreateLoad());
    const int loaded = calls->GetCount();
    QVERIFY(loaded >= 3);
    QVERIFY(!calls->GetItem(loaded) && !calls->GetItem(-1));
    std::uint32_t stranger = 0x1234u;
    QVERIFY(!calls->CreateEraseSelected({ &stranger, 1 }, nullptr));
    NotificationRecorder nullList;
    LibrarySession::run(calls->CreateEraseSelected({ nullptr, 3 }, &nullList));
    QCOMPARE(nullList.types(), QList<int> { OV_NOTIFY_JOB_FAILED });
    QCOMPARE(int(nullList.all().first().p1), -2);
    QCOMPARE(Phone::erase(calls, { stranger, OvItemHandle(&stranger) }), 0);

    const std::uint32_t kept = OvItemHandle(calls->GetItem(0));
    QCOMPARE(Phone::erase(calls, { kept }), 1);
    // Each reload would put the next call where the erased one was; the kept handle must
    // erase nothing, however often the list is rebuilt.
    for (int reload = 1; reload <= 3; ++reload) {
        LibrarySession::run(calls->CreateLoad());
        QCOMPARE(calls->GetCount(), loaded - 1);
        QCOMPARE(Phone::erase(calls, { kept }), 0);
        QCOMPARE(phone.fixture.backupSummary(phone.folder).count("callLog").total(), loaded - 1);
    }
    // The handles of the current load still erase exactly their records.
    const qint64 currentId
        = DeviceImage::idOf(phone.fixture.backup(phone.folder).privateArray("callLog").at(0).toObject());
    QCOMPARE(Phone::erase(calls, { OvItemHandle(calls->GetItem(0)) }), 1);
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
    ISimpleCategory* calls = phone.loadedCalls();
    QCOMPARE(calls->GetCount(), total - 3);

    // Erasing every listed call leaves the three refused ones on the device.
    std::vector<std::uint32_t> handles;
    for (int i = 0; i < calls->GetCount(); ++i)
        handles.push_back(OvItemHandle(calls->GetItem(i)));
    QCOMPARE(Phone::erase(calls, handles), total - 3);
    QVERIFY(phone.restoreAndRestart(1));
    const QJsonObject onDevice = QJsonDocument::fromJson(fileBytes(phone.folder + "/device.json")).object();
    QCOMPARE(onDevice.value("privateData").toObject().value("callLog").toArray().size(), 3);
    QVERIFY(libraryLogHas(QString("%1: %2/device.json: 3 records of \"callLog\" refused")
                              .arg(phone.fixture.uniqueId(phone.folder), phone.folder)));
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
    IWhatsAppCategory* whatsApp = nullptr;
    phone.data->GetWhatsApp(&whatsApp);
    NotificationRecorder whatsAppErase;
    LibrarySession::run(whatsApp->CreateEraseAll(&whatsAppErase));
    QCOMPARE(whatsAppErase.types(), QList<int> { OV_NOTIFY_ERASE_DONE });
    QCOMPARE(whatsAppErase.all().first().p1, 0u);
    const QJsonArray copiedApps = phone.fixture.backup(phone.folder).array("apps");
    QCOMPARE(appNamed(copiedApps, "WhatsApp").value("fragmentBytes").toDouble(), 0.0);

    // Every app with fragments but Spotify is chosen; WhatsApp's are gone already.
    std::vector<OvAppDescriptor> chosen;
    QSet<QString> cleared { "WhatsApp" };
    for (const QJsonValue& value : appsBefore) {
        const QJsonObject app = value.toObject();
        const QString name = app.value("name").toString();
        if (app.value("fragmentBytes").toDouble() <= 0 || name == "Spotify" || name == "WhatsApp")
            continue;
        OvAppDescriptor descriptor {};
        qstrncpy(descriptor.bundleId, app.value("bundleId").toString().toUtf8().constData(),
                 sizeof descriptor.bundleId);
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
        const QString name = value.toObject().value("name").toString();
        const QJsonObject now = appNamed(appsAfter, name);
        const double fragmentBytes = cleared.contains(name) ? value.toObject().value("fragmentBytes").toDouble() : 0;
        QVERIFY2(now.value("fragmentBytes").toDouble()
                     == value.toObject().value("fragmentBytes").toDouble() - fragmentBytes,
                 qPrintable(name));
        QVERIFY(now.value("dataSize").toDouble() == value.toObject().value("dataSize").toDouble() - fragmentBytes);
        freed += fragmentBytes;
    }
    QCOMPARE(phone.fixture.summary(phone.folder).usedBytes, usedBefore - quint64(freed));
}

void tst_ovdriverBackup::fillOccupiesTheFreeSpaceWhileItRuns()
{
    Phone phone;
    QVERIFY(phone.device);
    const std::uint64_t free = phone.freeBytes();
    QVERIFY(free > (std::uint64_t(1) << 32)); // so that the high words matter
    const ImageSummary before = phone.fixture.summary(phone.folder);
    QCOMPARE(free, std::uint64_t(before.totalBytes - before.usedBytes));
    IFillInterface* fill = nullptr;
    phone.device->GetFillInterface(&fill);
    const QString filler = phone.folder + "/filler.bin";
    for (int pass = 1; pass <= 2; ++pass) {
        // While it runs, the device's free space is what the fill has not written yet, and
        // the filler file is as large as what was written.
        NotificationRecorder recorder;
        QList<std::uint64_t> freeWhileWriting;
        recorder.answer = [&](const NotificationRecorder::Notification& n) {
            if (n.type == OV_NOTIFY_ITEM_DONE) {
                const QFileInfo file(filler);
                const bool sized = file.exists() && std::uint64_t(file.size()) == OvJoinWords(n.p1, n.p2);
                freeWhileWriting << (sized ? phone.freeBytes() : std::uint64_t(-1));
            }
            return 0;
        };
        LibrarySession::run(fill->CreateFill(&recorder));
        const auto all = recorder.all();
        QVERIFY(all.size() >= 3);
        QCOMPARE(without(recorder, OV_NOTIFY_ITEM_DONE), QList<int> { OV_NOTIFY_READY });
        QCOMPARE(all.last().type, int(OV_NOTIFY_READY));
        std::uint64_t previous = 0;
        for (int i = 0; i < all.size(); ++i) {
            const std::uint64_t written = OvJoinWords(all[i].p1, all[i].p2);
            QCOMPARE(OvJoinWords(all[i].p3, all[i].p4), free);
            QVERIFY(written >= previous && written <= free);
            previous = written;
            if (i + 1 < all.size())
                QCOMPARE(freeWhileWriting[i], free - written);
        }
        QCOMPARE(OvJoinWords(all.at(all.size() - 2).p1, all.at(all.size() - 2).p2), free);
        QCOMPARE(previous, free);
        // Given back at the end.
        QVERIFY(!QFile::exists(filler));
        QCOMPARE(phone.freeBytes(), free);
        QCOMPARE(phone.fixture.summary(phone.folder).usedBytes, before.usedBytes);
        QVERIFY(
            libraryLogHas(QString("%1 fill: pass %2 finished").arg(phone.fixture.uniqueId(phone.folder)).arg(pass)));
    }
}

void tst_ovdriverBackup::deviceLeavingDuringAJobEndsIt()
{
    // Leaving by the image's fault during a junk clean (the erase flows cover backup, restore
    // and fill), then unplugged for real in the middle of a backup.
    Phone phone;
    QVERIFY(phone.device);
    QVERIFY(phone.fixture.setFault(phone.folder, "leave", "clean"));
    NotificationRecorder clean;
    LibrarySession::run(OvOneKeyCategoryOf(phone.device, 256)->CreateClean(&clean));
    QCOMPARE(clean.all().last().type, int(OV_NOTIFY_JOB_FAILED));
    QCOMPARE(int(clean.all().last().p1), -4);
    QVERIFY(!phone.fixture.isPlugged(phone.folder));
    QVERIFY(phone.session->waitForRemoval(phone.fixture.uniqueId(phone.folder)));
    QVERIFY(!phone.device->IsConnected());
    QVERIFY(phone.fixture.setFault(phone.folder, "leave", QString()));
    QVERIFY(phone.fixture.plug(phone.folder));
    QCOMPARE(phone.session->connect(phone.fixture.uniqueId(phone.folder)), phone.device);

    DelayScope slow("20");
    IBackupInterface* backup = nullptr;
    phone.device->GetBackupInterface(&backup);
    QVERIFY(!backup->CreateBackup(nullptr));
    NotificationRecorder recorder;
    IDeviceOperation* operation = backup->CreateBackup(&recorder);
    std::atomic<bool> done { false };
    std::thread control([&] {
        operation->Run();
        done = true;
    });
    QVERIFY(DeviceImageFixture::waitFor([&] { return recorder.types().contains(OV_NOTIFY_BACKUP_PROGRESS); }));
    QVERIFY(phone.fixture.unplug(phone.folder));
    const bool ended = DeviceImageFixture::waitFor([&] { return done.load(); }, 3000);
    control.join();
    operation->Release();
    QVERIFY2(ended, "the backup must end soon after the device left");
    QCOMPARE(recorder.all().last().type, int(OV_NOTIFY_BACKUP_FAILED));
    QCOMPARE(int(recorder.all().last().p1), -4);
    QVERIFY(phone.session->waitForRemoval(phone.fixture.uniqueId(phone.folder)));
    QVERIFY(!phone.fixture.hasBackup(phone.folder));
}

void tst_ovdriverBackup::killedOrChangedInTheMiddleOfACleanTheImageStaysWhole()
{
    DeviceContent content = DeviceImageFixture::smallContent();
    content.junkFilesPerCode = 40;
    Phone phone(content);
    QVERIFY(phone.device && phone.backup());
    QStringList files;
    for (const QJsonValue& value : phone.fixture.image(phone.folder).array("junk")) {
        if (value.toObject().value("code").toInt() == 256)
            files << phone.fixture.image(phone.folder).localPath(value.toObject().value("path").toString());
    }
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

    // What ovsim changes while a clean runs survives the clean's writes of the image.
    const int junkBefore = phone.fixture.summary(phone.folder).count("junk128").existing;
    DelayScope slow("50");
    NotificationRecorder slowClean;
    IDeviceOperation* operation = OvOneKeyCategoryOf(phone.device, 128)->CreateClean(&slowClean);
    std::thread job([operation] { LibrarySession::run(operation); });
    QVERIFY(DeviceImageFixture::waitFor([&] { return slowClean.types().contains(OV_NOTIFY_ITEM_DONE); }));
    const int fault = QProcess::execute(OVSIM, { "fault", phone.folder, "backup", "-36" });
    job.join();
    QCOMPARE(fault, 0);
    QCOMPARE(slowClean.types().last(), int(OV_NOTIFY_ONEKEY_END));
    QCOMPARE(int(slowClean.all().last().p1), junkBefore);
    QCOMPARE(phone.fixture.image(phone.folder).faultCode("backup"), -36);
    QCOMPARE(phone.fixture.summary(phone.folder).count("junk128").existing, 0);
}

QTEST_GUILESS_MAIN(tst_ovdriverBackup)
#include "tst_ovdriverBackup.moc"
