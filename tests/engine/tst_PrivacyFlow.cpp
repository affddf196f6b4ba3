// What the program and the real device library exchange and write down: texts that are not
// ASCII survive the trip both ways, and no log keeps the private data of a loaded device.
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "EngineTestSupport.h"
#include "OneKeyConversions.h"
#include "SimulatedPhone.h"
#include "SparseFile.h"
#include "TaskSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <mutex>

namespace {

const QString kDeviceName = QString::fromUtf8("Zo\xC3\xAB's Photos");
const QString kPassword = QString::fromUtf8("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"); // Привет
const QString kWeChat = QString::fromUtf8("\xE5\xBE\xAE\xE4\xBF\xA1");                           // 微信
const QString kFolder = QString::fromUtf8("/var/mobile/Media/Zo\xC3\xAB's Photos");
const QString kFileName = kWeChat + ' ' + kPassword + ".mov";

/// Keeps a copy of each record a job reports as found or done, by the type of its report.
template<class Item> struct ItemCollector final : CCallBack
{
    int OnStateChange(int type, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, void* record) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        if ((type == OV_NOTIFY_ITEM_FOUND || type == OV_NOTIFY_ITEM_DONE) && record)
            items[type] << *static_cast<const Item*>(record);
        return 0;
    }
    std::mutex mutex;
    QMap<int, QList<Item>> items;
};

void RunAndRelease(IDeviceOperation* operation)
{
    QVERIFY(operation);
    operation->Run();
    operation->Release();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_PrivacyFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nonAsciiTextsCrossTheContractBothWays();
    void logsHoldNoPrivateDataOfALoadedDevice();
    void theBackupGoesOnceQueuedWorkIsDone();

private:
    QTemporaryDir m_appDir;
    SimulatedPhone m_phone;
    DeviceImageFixture& m_fixture = m_phone.devices();
    QString m_folder;
};

void tst_PrivacyFlow::initTestCase()
{
    // A system code page that is not UTF-8, as on Windows: every text of the contract must
    // still arrive as it left. GB18030 holds every character, so file names stay valid.
    QTextCodec* codePage = QTextCodec::codecForName("GB18030");
    QVERIFY(codePage);
    QTextCodec::setCodecForLocale(codePage);
    QVERIFY(m_appDir.isValid());
    qputenv("DRAVO_APP_DIR", m_appDir.path().toUtf8());

    DeviceContent content = DeviceImageFixture::smallContent();
    content.name = kDeviceName;
    content.backupPassword = kPassword;
    content.largeFiles = 0;
    QVERIFY2(m_phone.connect(content), qPrintable(m_phone.error()));
    m_folder = m_phone.folder();
    QVERIFY(m_fixture.edit(m_folder, [](DeviceImage& image) {
        const QString path = kFolder + '/' + kFileName;
        QVERIFY(SparseFile::create(image.localPath(path), QByteArray(4096, 'v'), 64 * 1024));
        QJsonArray large = image.array("largeFiles");
        large.append(QJsonObject { { "id", image.takeId() }, { "path", path }, { "size", 64 * 1024 }, { "time", 1 } });
        image.setArray("largeFiles", large);
    }));
}

void tst_PrivacyFlow::nonAsciiTextsCrossTheContractBothWays()
{
    CController* controller = CController::GetInstance();
    // Library to program: the information block and the items of a scan.
    QCOMPARE(controller->LoadDeviceInfo()->m_strDeviceName, kDeviceName);
    IPrivacyCleanDevice* device = FirstDevice();
    QVERIFY(device);

    ItemCollector<OvAppItem> apps;
    IOneKeyAppCategory* appCategory = nullptr;
    QCOMPARE(device->GetOneKeyApps(&appCategory), 0);
    RunAndRelease(appCategory->CreateScan(&apps));
    QStringList appNames;
    for (const OvAppItem& item : apps.items.value(OV_NOTIFY_ITEM_FOUND))
        appNames << ToAppResultInfo(item).m_strName;
    QVERIFY2(appNames.contains(kWeChat), qPrintable(appNames.join(", ")));

    ItemCollector<OvOneKeyFileItem> scan;
    IOneKeyCategory* large = OvOneKeyCategoryOf(device, 8);
    QVERIFY(large);
    RunAndRelease(large->CreateScan(&scan));
    const QList<OvOneKeyFileItem> found = scan.items.value(OV_NOTIFY_ITEM_FOUND);
    QCOMPARE(found.size(), 1);
    const OneKeyFileInfo record = ToOneKeyFileInfo(found.first(), 0);
    QCOMPARE(record.m_strName, kFileName);
    QCOMPARE(record.m_strPath, kFolder + '/' + kFileName);

    // Program to library: the item handed back names the same file, and the password opens
    // the backup.
    const OvOneKeyFileItem item = ToOvOneKeyFileItem(record);
    QCOMPARE(large->AddItem(&item), 0);
    ItemCollector<OvOneKeyFileItem> exported;
    RunAndRelease(large->CreateExport(&exported));
    QCOMPARE(exported.items.value(OV_NOTIFY_ITEM_DONE).size(), 1);
    QVERIFY(QFileInfo::exists(m_fixture.deviceKey(m_folder) + "/Large/" + kFileName));

    QVERIFY(controller->IsBackupEncrypted());
    QCOMPARE(controller->CheckBackupPassword(kPassword), 1);
    QVERIFY(!controller->IsBackupEncrypted());
}

void tst_PrivacyFlow::logsHoldNoPrivateDataOfALoadedDevice()
{
    QCOMPARE(CController::GetInstance()->CheckBackupPassword(kPassword), 1);

    DebugTraceCapture debug;
    StderrCapture channel;
    QVERIFY(BackUpDevice());
    QVERIFY(LoadPrivateData());
    const QString channelText = channel.Finish();

    // What the device holds that no log may keep.
    QStringList secrets { kPassword };
    const DeviceImage copy = m_fixture.image(m_folder);
    for (const QJsonValue& value : copy.privateArray("contacts")) {
        const QJsonObject contact = value.toObject();
        secrets << contact.value("firstName").toString() + ' ' + contact.value("lastName").toString();
        for (const QJsonValue& phone : contact.value("phones").toArray())
            secrets << phone.toObject().value("number").toString();
    }
    for (const QJsonValue& value : copy.privateArray("messages")) {
        for (const QJsonValue& message : value.toObject().value("messages").toArray())
            secrets << message.toObject().value("text").toString();
    }
    secrets.removeAll(QString());
    QVERIFY(secrets.size() > 8);
    QVERIFY(!CGlobalData::GetInstance()->m_obLContact.isEmpty());

    const QByteArray fileLog = ReadAll("dravo.log");
    const QByteArray libraryLog = ReadAll(m_appDir.path() + "/log/ovdriver.log");
    const QByteArray debugLines = debug.Lines().join('\n').toUtf8();
    // An empty log would pass any scan.
    QVERIFY(fileLog.contains("back up data start."));
    QVERIFY(libraryLog.contains("backup"));
    QVERIFY(!debugLines.isEmpty() || !channelText.isEmpty());
    for (const QString& secret : secrets) {
        const QByteArray bytes = secret.toUtf8();
        QVERIFY2(!fileLog.contains(bytes), qPrintable("dravo.log holds " + secret));
        QVERIFY2(!libraryLog.contains(bytes), qPrintable("ovdriver.log holds " + secret));
        QVERIFY2(!debugLines.contains(bytes), qPrintable("the debug output holds " + secret));
        QVERIFY2(!channelText.contains(secret), qPrintable("the debug channel holds " + secret));
    }
}

void tst_PrivacyFlow::theBackupGoesOnceQueuedWorkIsDone()
{
    CController* controller = CController::GetInstance();
    QVERIFY(m_fixture.hasBackup(m_folder));
    // Posted behind a load that still reads the copy: the load ends with its records first.
    SignalRecorder calendar(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadCallendarData);
    QVERIFY(controller->PostLoadCallendarDataTask());
    QVERIFY(controller->PostRemoveBackupTask());
    QVERIFY(DrainControlThread());
    QCOMPARE(calendar.count(), 1);
    QVERIFY(!CGlobalData::GetInstance()->m_obLCalendar.isEmpty());
    QVERIFY(!m_fixture.hasBackup(m_folder));
    QVERIFY(!QFileInfo::exists(m_fixture.backupFolder(m_folder)));
    QVERIFY(!FileLogLines().filter(QRegularExpression("remove backup end\\. result:0$")).isEmpty());
}

QTEST_GUILESS_MAIN(tst_PrivacyFlow)
#include "tst_PrivacyFlow.moc"
