#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EraseAllDataFailureView.h"
#include "EraseAllDataProcessView.h"
#include "EraseAllDataView.h"
#include "FillDataProcessView.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseAllDataModel.h"
#include "OvMessageBox.h"
#include "OvTabButton.h"
#include "OvTabControlWidget.h"
#include "PageWaiter.h"

#include "AppFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Model = OvEraseAllDataModel;

// Erase All Data through the main window against simulated devices: what the device holds
// afterwards at each level, and where every fault of the device leaves the window.
class tst_EraseAllDataFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void erasesEverythingAtEachLevel_data();
    void erasesEverythingAtEachLevel();
    void deviceFaultsEndOnTheRightPage_data();
    void deviceFaultsEndOnTheRightPage();
    void stopWhileRestartingStartsNothingOnReturn();

private:
    bool plugNew(const QString& name);
    void startErase(int level, MessageBoxAnswerer& answerer);
    bool tabsEnabled() const;
    /// What device.json lists, records set aside by the library included.
    QJsonObject rawPrivateData() const;
    Model* model() const { return OvEraseAllDataModel::GetInstance(); }

    QTemporaryDir m_app;
    DeviceImageFixture* m_devices = nullptr;
    MainView* m_view = nullptr;
    QString m_phone;
};

void tst_EraseAllDataFlow::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
    m_devices = new DeviceImageFixture;
    QVERIFY(m_devices->isValid());
    m_view = new MainView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void tst_EraseAllDataFlow::cleanupTestCase()
{
    // The window first: it lets go of the devices before their folder goes.
    delete m_view;
    m_view = nullptr;
    delete m_devices;
    m_devices = nullptr;
}

void tst_EraseAllDataFlow::cleanup()
{
    if (m_phone.isEmpty())
        return;
    m_devices->unplug(m_phone);
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::ConnectionPage), 10000);
    m_phone.clear();
}

bool tst_EraseAllDataFlow::plugNew(const QString& name)
{
    m_phone = m_devices->create(name, DeviceImageFixture::smallContent());
    if (m_phone.isEmpty() || !m_devices->plug(m_phone))
        return false;
    return QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::OneKeyPage && tabsEnabled(); }, 10000);
}

bool tst_EraseAllDataFlow::tabsEnabled() const
{
    for (int i = 0; i < 5; ++i) {
        if (!m_view->tabBar()->IsTabEnabled(i))
            return false;
    }
    return true;
}

QJsonObject tst_EraseAllDataFlow::rawPrivateData() const
{
    QFile manifest(m_phone + "/device.json");
    if (!manifest.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(manifest.readAll()).object().value("privateData").toObject();
}

void tst_EraseAllDataFlow::startErase(int level, MessageBoxAnswerer& answerer)
{
    QTest::mouseClick(m_view->tabBar()->TabButton(MainView::EraseAllPage), Qt::LeftButton);
    QCOMPARE(m_view->currentTabIndex(), int(MainView::EraseAllPage));
    // The start page's checks belong to another page family; its way on is page 1.
    model()->SwitchPage(Model::ConfirmPage);
    EraseAllDataView* confirm = model()->confirmPage();
    confirm->slotSettingLevel(level);
    QTest::keyClicks(confirm->wordEdit(), "delete");
    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(confirm->findChild<QPushButton*>("eraseAllEraseNowButton"), Qt::LeftButton);
    answerer.setButton(OvMessageBox::OK);
}

void tst_EraseAllDataFlow::erasesEverythingAtEachLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("barAtPassEnd");
    QTest::newRow("High") << 0 << QList<int> { 50, 100 };
    QTest::newRow("Medium") << 1 << QList<int> { 100 };
    QTest::newRow("Low") << 2 << QList<int> {};
}

void tst_EraseAllDataFlow::erasesEverythingAtEachLevel()
{
    QFETCH(int, level);
    QFETCH(QList<int>, barAtPassEnd);
    QVERIFY(plugNew(QString("Level%1").arg(level)));
    // A record the library sets aside for want of an id goes with everything else.
    QVERIFY(m_devices->edit(m_phone, [](DeviceImage& image) {
        QJsonArray calls = image.privateArray("callLog");
        calls.append(QJsonObject { { "deleted", false }, { "number", "+15550100" } });
        image.setPrivateArray("callLog", calls);
    }));
    const ImageSummary before = m_devices->summary(m_phone);
    QCOMPARE(rawPrivateData().value("callLog").toArray().size(), before.count("callLog").total() + 1);
    QVERIFY(before.count("messages").total() > 0 && before.count("photos").total() > 0
            && before.count("apps").total() > 0 && before.count("largeFiles").total() > 0);

    // The bar as each pass ends (the model has seen the pass's last progress by then).
    QList<int> bar;
    QSignalSpy fills(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
    QMetaObject::Connection recorder
        = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal, this, [&](int type, int) {
              if (type == 12)
                  bar << model()->fillPage()->Progress();
          });
    QSignalSpy restarted(CTaskCallback::GetInstance(), &CTaskCallback::singalDevConnToPC);
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    startErase(level, answerer);
    QVERIFY_PAGE(model(), Model::FinishedPage, 60000);
    disconnect(recorder);

    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(restarted.count(), 1);
    QCOMPARE(bar, barAtPassEnd);
    if (barAtPassEnd.isEmpty())
        QVERIFY(fills.isEmpty()); // finished right after the device came back
    QVERIFY(tabsEnabled());
    QVERIFY(!m_view->deviceRestarting());
    QCOMPARE(m_view->currentPageIndex(), int(MainView::EraseAllPage));

    // Nothing of any kind is left, and the whole space but the system's is free again.
    const ImageSummary after = m_devices->summary(m_phone);
    for (auto it = after.counts().cbegin(); it != after.counts().cend(); ++it)
        QVERIFY2(it.value().total() == 0, qPrintable(QString("%1 left on the device").arg(it.key())));
    QCOMPARE(after.weChatAccounts, 0);
    const QJsonObject privateData = rawPrivateData();
    for (auto it = privateData.begin(); it != privateData.end(); ++it)
        QVERIFY2(it.value().toArray().isEmpty(), qPrintable(it.key() + " still listed in device.json"));
    const DeviceImage image = m_devices->image(m_phone);
    QCOMPARE(after.freeBytes, image.totalBytes() - image.number("systemBytes"));
    QVERIFY(!QFile::exists(image.fillerPath()));
    QStringList files;
    for (QDirIterator it(image.folder() + "/fs", QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    QVERIFY2(files.isEmpty(), qPrintable(files.join('\n')));

    // No copy of the erased device stays on this computer.
    QTRY_VERIFY_WITH_TIMEOUT(!m_devices->hasBackup(m_phone), 5000);
}

void tst_EraseAllDataFlow::deviceFaultsEndOnTheRightPage_data()
{
    QTest::addColumn<QString>("operation"); // the device.json fault, "leave" or "unplug" at the first stage
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("endPage");      // for a device that leaves: the window's reset
    QTest::addColumn<QString>("boxTitle"); // empty: no box
    QTest::addColumn<bool>("erased");      // the device was emptied before the fault

    QTest::newRow("backup -19") << "backup" << QVariant(-19) << 0 << "Data Analysis Failed" << false;
    QTest::newRow("backup stopped 1003") << "backup" << QVariant(1003) << 4 << QString() << false;
    QTest::newRow("erase stage fails") << "eraseAll" << QVariant(-7) << 4 << QString() << false;
    QTest::newRow("restore fails") << "restore" << QVariant(-36) << 0 << "Data Erasing Failed" << false;
    QTest::newRow("fill fails") << "fill" << QVariant(-5) << 9 << QString() << true;
    QTest::newRow("leaves in backup") << "leave" << QVariant("backup") << 0 << QString() << false;
    QTest::newRow("leaves in a stage") << "unplug" << QVariant() << 0 << QString() << false;
    QTest::newRow("leaves in restore") << "leave" << QVariant("restore") << 0 << QString() << false;
    QTest::newRow("leaves in fill") << "leave" << QVariant("fill") << 0 << QString() << true;
}

void tst_EraseAllDataFlow::deviceFaultsEndOnTheRightPage()
{
    QFETCH(QString, operation);
    QFETCH(QVariant, value);
    QFETCH(int, endPage);
    QFETCH(QString, boxTitle);
    QFETCH(bool, erased);
    const bool leaves = operation == "leave" || operation == "unplug";

    QVERIFY(plugNew(QString("Fault%1").arg(QTest::currentDataTag()).remove(' ')));
    if (operation != "unplug")
        QVERIFY(m_devices->setFault(m_phone, operation, QJsonValue::fromVariant(value)));
    const ImageSummary before = m_devices->summary(m_phone);
    QMetaObject::Connection unplugger;
    if (operation == "unplug") {
        unplugger = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalEraseAllTask, this,
                            [this] { m_devices->unplug(m_phone); });
    }

    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    startErase(1, answerer);
    if (leaves) {
        // The window shows that the device is gone and resets every page; nothing waits.
        QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::ConnectionPage), 20000);
        disconnect(unplugger);
        QVERIFY_PAGE(model(), Model::HomePage, 5000);
        QVERIFY(!m_view->deviceRestarting());
        QVERIFY(m_devices->plug(m_phone));
        QTRY_VERIFY_WITH_TIMEOUT(tabsEnabled(), 10000);
    } else {
        QVERIFY_PAGE(model(), endPage, 30000);
        QVERIFY(tabsEnabled());
        QVERIFY(!m_view->deviceRestarting());
        if (boxTitle.isEmpty()) {
            QCOMPARE(answerer.questions().size(), 1); // the Continue question only
        } else {
            QTRY_COMPARE(answerer.questions().size(), 2);
            QCOMPARE(answerer.questions().last().title, boxTitle);
            QVERIFY(answerer.texts().last().endsWith(QString("(error code: %1)").arg(value.toInt())));
        }
        // A failed or stopped erase keeps the copy until the program ends.
        if (operation != "backup")
            QVERIFY(m_devices->hasBackup(m_phone));
        if (endPage == Model::FillFailedPage || endPage == Model::BackupFailedPage) {
            EraseAllDataFailureView* failure = model()->failurePage(endPage);
            QCOMPARE(failure->form(), erased ? EraseAllDataFailureView::Completed : EraseAllDataFailureView::Error);
            QVERIFY(failure->fillPlanned());
        }
    }
    QVERIFY(m_devices->setFault(m_phone, operation == "unplug" ? "leave" : operation, QJsonValue()));

    const ImageSummary after = m_devices->summary(m_phone);
    if (erased) {
        QCOMPARE(after.count("messages").total(), 0);
        QCOMPARE(after.count("photos").total(), 0);
        QCOMPARE(after.count("apps").total(), 0);
    } else {
        // A failure before the restore must leave every record where it was.
        QCOMPARE(after.counts(), before.counts());
    }
}

void tst_EraseAllDataFlow::stopWhileRestartingStartsNothingOnReturn()
{
    // Long enough away for the person to stop the wait before the device is back.
    qputenv("OVDRIVER_SIM_RESTART_MS", "1500");
    QVERIFY(plugNew("StopRestart"));
    QSignalSpy fills(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    startErase(0, answerer);
    QVERIFY_PAGE(model(), Model::RestartPage, 30000);
    QVERIFY(m_view->deviceRestarting());
    QTest::mouseClick(model()->restartPage()->findChild<QPushButton*>("processStopButton"), Qt::LeftButton);
    QCOMPARE(answerer.questions().last().text,
             QString("It may damage your data or device if you stop restarting. Are you sure you want to stop now?"));
    QVERIFY_PAGE(model(), Model::BackupStoppedPage, 5000);
    QVERIFY(!m_view->deviceRestarting());
    QVERIFY(tabsEnabled());

    // The device's return is an ordinary connection: no fill starts.
    QTRY_VERIFY_WITH_TIMEOUT(m_view->currentPageIndex() == MainView::OneKeyPage && tabsEnabled(), 10000);
    QTest::qWait(100);
    QVERIFY(fills.isEmpty());
    qputenv("OVDRIVER_SIM_RESTART_MS", "50");
}

QTEST_MAIN(tst_EraseAllDataFlow)
#include "tst_EraseAllDataFlow.moc"
