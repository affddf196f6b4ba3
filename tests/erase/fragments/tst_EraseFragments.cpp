// Erase Private Fragments against a simulated phone whose fifteen apps carry known
// fragments: what the picker shows must be what the device measures, and an erase must take
// exactly the chosen apps' fragments off the device, at every level, or end honestly.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CTaskCallback.h"
#include "CompleteEraseView.h"
#include "DeviceImageFixture.h"
#include "EraseAllDataFailureView.h"
#include "EraseDataView.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "FakeMainWindow.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseFragmentDataModel.h"
#include "OvFragmentAppItem.h"
#include "OvFragmentAppView.h"
#include "OvMessageBox.h"
#include "PageWaiter.h"
#include "SimulatedPhone.h"

#include "AppFolder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using Page = OvEraseFragmentDataModel::Page;

namespace {

const QString kWeChatOnDevice = QString::fromUtf8("\u5FAE\u4FE1");

/// The device's apps by the names the program uses.
QMap<QString, QJsonObject> AppsByName(const QJsonArray& apps)
{
    QMap<QString, QJsonObject> byName;
    for (const QJsonValue& value : apps) {
        const QJsonObject app = value.toObject();
        const QString name = app.value("name").toString();
        byName.insert(name == kWeChatOnDevice ? QStringLiteral("WeChat") : name, app);
    }
    return byName;
}

qint64 Bytes(const QJsonObject& app, const char* key)
{
    return static_cast<qint64>(app.value(QLatin1String(key)).toDouble());
}

} // namespace

class tst_EraseFragments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void pickerShowsWhatTheDeviceMeasuresAndBackAsks();
    void eraseTakesExactlyTheChosenFragmentsAtEachLevel_data();
    void eraseTakesExactlyTheChosenFragmentsAtEachLevel();
    void faultsEndOnTheirPageWithTheTabsUnlocked_data();
    void faultsEndOnTheirPageWithTheTabsUnlocked();
    void stoppedErasesNeverReachTheDevice();

private:
    void scanToAppList();
    void choose(const QStringList& names);
    /// Erase Now, then what the confirmation page sends once "delete" was typed.
    void confirm();
    QMap<QString, QJsonObject> deviceApps() const { return AppsByName(m_devices.image(m_phone).array("apps")); }
    /// Every task posted so far has run (or was dropped) once the device answers again.
    void drainQueue();

    QTemporaryDir m_appDir;
    SimulatedPhone m_simulated;
    DeviceImageFixture& m_devices = m_simulated.devices();
    FakeMainWindow m_window;
    QString m_phone;
    QJsonArray m_initialApps;
    OvEraseFragmentDataModel* m_model = nullptr;
};

void tst_EraseFragments::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    // A program folder of our own for "clean.ini", with the built skin in it.
    UseAsAppFolder(m_appDir.path());
    AppStyle::instance().initialise(applicationDirectory());
    QVERIFY2(m_simulated.connect(), qPrintable(m_simulated.error()));
    m_phone = m_simulated.folder();
    m_initialApps = m_devices.image(m_phone).array("apps");
    // Known fragments: every app of the feature has some but Firefox.
    const QMap<QString, QJsonObject> apps = AppsByName(m_initialApps);
    QVERIFY(Bytes(apps.value("WhatsApp"), "fragmentBytes") > 0);
    QVERIFY(Bytes(apps.value("WeChat"), "fragmentBytes") > 0);
    QCOMPARE(Bytes(apps.value("Firefox"), "dataSize"), 0);

    m_model = new OvEraseFragmentDataModel;
    m_model->resize(1000, 560);
    m_model->show();
}

void tst_EraseFragments::cleanupTestCase()
{
    delete m_model;
    CController::Release();
}

void tst_EraseFragments::init()
{
    for (const char* fault : { "backup", "fill", "restore", "leave" })
        QVERIFY(m_devices.setFault(m_phone, fault, QJsonValue()));
    if (!m_devices.isPlugged(m_phone))
        QVERIFY(m_devices.plug(m_phone));
    // Every test starts from the device's first fragments.
    QVERIFY(m_devices.edit(m_phone, [this](DeviceImage& image) { image.setArray("apps", m_initialApps); }));
    drainQueue();
    CController::GetInstance()->LoadDeviceInfo();
    m_window.tabIndex = 4;
    m_window.tabsEnabled = true;
    m_window.calls.clear();
    MainWindowAccess::setSecurityLevel(1);
    m_model->SwitchPage(Page::HomePage);
}

void tst_EraseFragments::scanToAppList()
{
    emit m_model->startPage()->SignalSwitchPage(Page::AnalysisPage);
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::AnalysisPage));
    QVERIFY(!m_window.tabsEnabled);
    QVERIFY_PAGE(m_model, Page::AppListPage);
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(m_devices.hasBackup(m_phone));
}

void tst_EraseFragments::choose(const QStringList& names)
{
    for (const QString& name : names) {
        OvFragmentAppItem* item = m_model->appView()->item(name);
        QVERIFY2(item && item->isEnabled(), qPrintable(name));
        QTest::mouseClick(item, Qt::LeftButton);
        QVERIFY2(item->isChecked(), qPrintable(name));
    }
}

void tst_EraseFragments::confirm()
{
    QPushButton* erase = m_model->appView()->eraseButton();
    QVERIFY(erase->isEnabled());
    QTest::mouseClick(erase, Qt::LeftButton);
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::ConfirmPage));
    emit m_model->confirmPage()->SignalSwitchPage(Page::FillPage);
}

void tst_EraseFragments::drainQueue()
{
    // After a restart the device is away for a moment; connect once it is back.
    QVERIFY2(QTest::qWaitFor([this] { return m_simulated.reconnect(); }, 20000), qPrintable(m_simulated.error()));
}

void tst_EraseFragments::pickerShowsWhatTheDeviceMeasuresAndBackAsks()
{
    scanToAppList();
    const QMap<QString, QJsonObject> apps = deviceApps();
    OvFragmentAppView* view = m_model->appView();
    int rows = 0;
    for (OvFragmentAppItem* item : view->findChildren<OvFragmentAppItem*>()) {
        ++rows;
        const qint64 size = Bytes(apps.value(item->appName()), "dataSize");
        QCOMPARE(item->size(), size);
        // Empty apps are greyed and cannot be chosen by any means.
        QCOMPARE(item->isEnabled(), size > 0);
        QVERIFY(!item->isChecked());
        QVERIFY(!item->accessibleName().isEmpty());
    }
    QCOMPARE(rows, 15);
    QVERIFY(!view->item("Firefox")->isEnabled());

    // Erase Now follows the choice, by mouse and by keyboard alike.
    QVERIFY(!view->eraseButton()->isEnabled());
    OvFragmentAppItem* kik = view->item("Kik");
    kik->setFocus();
    QTest::keyClick(kik, Qt::Key_Space);
    QVERIFY(kik->isChecked());
    QVERIFY(view->eraseButton()->isEnabled());
    QTest::mouseClick(kik, Qt::LeftButton);
    QVERIFY(!view->eraseButton()->isEnabled());
    QCOMPARE(view->ChosenApps(), QStringList());

    QVERIFY(!view->backButton()->accessibleName().isEmpty());
    QVERIFY(!view->eraseButton()->accessibleName().isEmpty());
    QVERIFY(m_model->HasScanResult());

    // Back asks first; yes drops the analysis backup, so nothing is erased from it any more.
    MessageBoxAnswerer answerer(OvMessageBox::No);
    QTest::mouseClick(view->backButton(), Qt::LeftButton);
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::AppListPage));
    QCOMPARE(answerer.texts(),
             QStringList("If you go back, the scanning result won't be saved. Are you sure you want to go back?"));
    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(view->backButton(), Qt::LeftButton);
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::HomePage));
    QVERIFY(QTest::qWaitFor([&] { return !m_devices.hasBackup(m_phone); }));
}

void tst_EraseFragments::eraseTakesExactlyTheChosenFragmentsAtEachLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("fills");
    QTest::addColumn<QStringList>("apps");
    QTest::addColumn<QStringList>("erases"); // the apps with an erase task of their own
    const QStringList twoTasks { "WhatsApp", "Viber" };
    QTest::newRow("High fills twice first") << 0 << 2 << twoTasks << twoTasks;
    QTest::newRow("Medium fills once first") << 1 << 1 << twoTasks << twoTasks;
    QTest::newRow("Low erases at once") << 2 << 0 << twoTasks << twoTasks;
    // Their fragments go with the restore: the erase must neither wait for an erase of theirs
    // nor leave them behind.
    QTest::newRow("WeChat and Snapchat have no erase task")
        << 2 << 0 << QStringList { "WeChat", "Snapchat" } << QStringList();
}

void tst_EraseFragments::eraseTakesExactlyTheChosenFragmentsAtEachLevel()
{
    QFETCH(int, level);
    QFETCH(int, fills);
    QFETCH(QStringList, apps);
    QFETCH(QStringList, erases);
    const QMap<QString, QJsonObject> before = deviceApps();
    MainWindowAccess::setSecurityLevel(level);
    scanToAppList();
    choose(apps);

    // The device work in the order it happened.
    QStringList events;
    QList<int> percents;
    CTaskCallback* callback = CTaskCallback::GetInstance();
    QList<QMetaObject::Connection> watching {
        connect(callback, &CTaskCallback::signalFillDataSignal, this,
                [&](int type, int) {
                    if (type == OV_NOTIFY_READY)
                        events << QString("fill at %1").arg(percents.isEmpty() ? -1 : percents.last());
                }),
        connect(callback, &CTaskCallback::signalEraseWhatsAppData, this, [&] { events << "WhatsApp"; }),
        connect(callback, &CTaskCallback::signalEraseViberData, this, [&] { events << "Viber"; }),
        connect(callback, &CTaskCallback::signalEraseWeChatData, this, [&] { events << "WeChat"; }),
        connect(callback, &CTaskCallback::signalRestoreDevData, this,
                [&](int type, int) {
                    if (type != OV_NOTIFY_RESTORE_PROGRESS)
                        events << QString("restore %1").arg(type);
                }),
    };
    watching << connect(m_model->fillPage(), &CompleteEraseView::signalUpdateFillProcess, this,
                        [&](int percent) { percents << percent; });
    QList<int> shown;
    watching << connect(m_model->pages(), &QStackedWidget::currentChanged, this, [&](int page) { shown << page; });
    confirm();
    QVERIFY(!m_window.tabsEnabled);
    QVERIFY(QTest::qWaitFor([&] { return events.contains("restore 22"); }, 60000));
    QVERIFY_PAGE(m_model, Page::RestorePage);
    for (const QMetaObject::Connection& connection : watching)
        disconnect(connection);

    // Two passes share the fill bar: the first ends at half of it, the second fills it.
    QStringList expected;
    if (fills == 2)
        expected << "fill at 50";
    if (fills > 0)
        expected << "fill at 100";
    expected << erases << "restore 22";
    QCOMPARE(events, expected);
    QCOMPARE(shown.contains(int(Page::FillPage)), fills > 0);
    QCOMPARE(percents.first(), 0);
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));
    QVERIFY(shown.indexOf(int(Page::ErasePage)) > shown.indexOf(int(Page::FillPage)));

    // Exactly the fragments of the chosen apps are gone; nothing else of any app changed.
    const QMap<QString, QJsonObject> after = deviceApps();
    QCOMPARE(after.keys(), before.keys());
    for (const QString& name : before.keys()) {
        QJsonObject expectedApp = before.value(name);
        if (apps.contains(name)) {
            expectedApp.insert("dataSize",
                               double(Bytes(expectedApp, "dataSize") - Bytes(expectedApp, "fragmentBytes")));
            expectedApp.insert("fragmentBytes", 0);
        }
        QCOMPARE(after.value(name), expectedApp);
    }
}

void tst_EraseFragments::faultsEndOnTheirPageWithTheTabsUnlocked_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QJsonValue>("fault");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::newRow("backup fails") << "backup" << QJsonValue(-36) << int(Page::HomePage)
                                  << "Your PC doesn't have enough storage for data processing.";
    QTest::newRow("fill fails") << "fill" << QJsonValue(-5) << int(Page::FailurePage) << QString();
    QTest::newRow("device leaves during the fill")
        << "leave" << QJsonValue("fill") << int(Page::FailurePage) << QString();
    // The restore page says why before the erase ends on the stopped page.
    const QString restoreFailed = QStringLiteral("There may be unknown error with your iTunes.");
    QTest::newRow("restore fails") << "restore" << QJsonValue(-5) << int(Page::StoppedPage) << restoreFailed;
    QTest::newRow("device leaves during the restore")
        << "leave" << QJsonValue("restore") << int(Page::StoppedPage) << restoreFailed;
}

void tst_EraseFragments::faultsEndOnTheirPageWithTheTabsUnlocked()
{
    QFETCH(QString, operation);
    QFETCH(QJsonValue, fault);
    QFETCH(int, page);
    QFETCH(QString, box);
    const QMap<QString, QJsonObject> before = deviceApps();
    QVERIFY(m_devices.setFault(m_phone, operation, fault));
    MessageBoxAnswerer answerer(OvMessageBox::OK);

    emit m_model->startPage()->SignalSwitchPage(Page::AnalysisPage);
    if (operation != "backup") {
        QVERIFY_PAGE(m_model, Page::AppListPage);
        choose({ "WhatsApp", "Skype" });
        confirm();
    }
    QVERIFY_PAGE(m_model, page, 60000);
    QVERIFY(m_window.tabsEnabled);
    if (box.isEmpty()) {
        QCOMPARE(answerer.texts(), QStringList());
    } else {
        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.texts().first().startsWith(box), qPrintable(answerer.texts().first()));
    }
    if (page == Page::FailurePage)
        QCOMPARE(m_model->failurePage()->form(), EraseAllDataFailureView::Error);
    // A failed erase leaves the device as it was.
    if (operation == "leave")
        QVERIFY(m_devices.plug(m_phone));
    drainQueue();
    QCOMPARE(deviceApps(), before);
}

void tst_EraseFragments::stoppedErasesNeverReachTheDevice()
{
    const QMap<QString, QJsonObject> before = deviceApps();
    scanToAppList();
    choose({ "WhatsApp", "Kik" });
    MainWindowAccess::setSecurityLevel(2);
    confirm();
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::ErasePage));
    emit m_model->erasePage()->signalEraseDataClickedStopBtn(Page::HomePage);
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::HomePage));
    QVERIFY(m_window.tabsEnabled);
    drainQueue();
    // The wait that follows an erase must not move a stopped model on.
    m_model->slotWaitTime();
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::HomePage));
    QCOMPARE(deviceApps(), before);

    // The fill's stop ends on the stopped page, the tabs free.
    MainWindowAccess::setSecurityLevel(0);
    scanToAppList();
    choose({ "Chrome" });
    confirm();
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::FillPage));
    emit m_model->fillPage()->SignalSwitchPage(Page::FillPage);
    QCOMPARE(m_model->pages()->currentIndex(), int(Page::StoppedPage));
    QVERIFY(m_window.tabsEnabled);
    drainQueue();
    QCOMPARE(deviceApps(), before);
}

QTEST_MAIN(tst_EraseFragments)
#include "tst_EraseFragments.moc"
