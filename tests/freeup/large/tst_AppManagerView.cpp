#include "AppManagerSubWidget.h"
#include "AppManagerView.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "FakeMainWindow.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyConversions.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

namespace {

AppResultInfo App(const QString& bundleId, quint64 size)
{
    AppResultInfo app;
    app.m_strBundleId = bundleId;
    app.m_strName = bundleId.section('.', -1);
    app.m_strVersion = "1.0";
    app.m_nAppSize = size;
    return app;
}

void SetApps(const QVector<AppResultInfo>& apps)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLApps = apps;
}

QList<int> SharedFlags()
{
    QList<int> flags;
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    for (const AppResultInfo& app : store->m_obLApps)
        flags.append(app.m_bChecked);
    return flags;
}

} // namespace

// The app list: the choice reaches the list the removal task reads, and a removal run
// left without its replies does not lock the page.
class tst_AppManagerView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void headerFollowsTheRowsAndChecksEverything();
    void loadingStartsUnchosenAndSorts();
    void removeAsksFirstAndWithoutADeviceTellsTheUser();
    void iconsFallBackToTheDefault();
    void anAbandonedRunLeavesThePageUsable();

private:
    QTableView* table() { return m_view->findChild<QTableView*>("appManagerTable"); }
    AppManagerSubWidget* header() { return m_view->findChild<AppManagerSubWidget*>("appManagerHeaderCheckBox"); }
    QPushButton* button(const char* name) { return m_view->findChild<QPushButton*>(name); }
    void clickRow(int row);

    AppManagerView* m_view = nullptr;
    FakeMainWindow m_window;
    SimulatedPhone m_phone; // connected by the first test that needs a device
    QTemporaryDir m_temp;
};

void tst_AppManagerView::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
    QVERIFY(m_temp.isValid());
    AppStyle::instance().setTempDir(m_temp.path() + "/");
    MainWindowAccess::registerInstance(&m_window);
}

void tst_AppManagerView::cleanupTestCase()
{
    CController::Release();
    MainWindowAccess::registerInstance(nullptr);
}

void tst_AppManagerView::init()
{
    quickScanOrigin = false;
    m_window.tabsEnabled = true;
    SetApps({ App("com.example.alpha", 30'000'000), App("com.example.beta", 10'000'000),
              App("com.example.gamma", 20'000'000) });
    m_view = new AppManagerView;
    m_view->resize(1000, 560);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_view->LoadApps();
}

void tst_AppManagerView::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void tst_AppManagerView::clickRow(int row)
{
    const QRect cell = table()->visualRect(table()->model()->index(row, 0));
    QVERIFY(cell.isValid());
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
}

void tst_AppManagerView::headerFollowsTheRowsAndChecksEverything()
{
    QCOMPARE(header()->checkState(), Qt::Unchecked);
    QVERIFY(!button("appManagerRemoveButton")->isEnabled());
    QList<Qt::CheckState> states;
    for (int row = 0; row < 3; ++row) {
        clickRow(row);
        states.append(header()->checkState());
    }
    QCOMPARE(states, QList<Qt::CheckState>({ Qt::PartiallyChecked, Qt::PartiallyChecked, Qt::Checked }));
    QCOMPARE(SharedFlags(), QList<int>({ 1, 1, 1 }));
    clickRow(1);
    QCOMPARE(header()->checkState(), Qt::PartiallyChecked);
    QCOMPARE(SharedFlags(), QList<int>({ 1, 0, 1 }));

    // A click on the partly checked header checks every app; the next unchecks them all.
    QTest::mouseClick(header(), Qt::LeftButton);
    QCOMPARE(header()->checkState(), Qt::Checked);
    QCOMPARE(SharedFlags(), QList<int>({ 1, 1, 1 }));
    QVERIFY(m_view->IsRowChecked(1));
    QTest::mouseClick(header(), Qt::LeftButton);
    QCOMPARE(header()->checkState(), Qt::Unchecked);
    QCOMPARE(SharedFlags(), QList<int>({ 0, 0, 0 }));
    QVERIFY(!button("appManagerRemoveButton")->isEnabled());

    // An empty table: the header stays unchecked and "Remove" off.
    m_view->ClearTable();
    QMetaObject::invokeMethod(m_view, "SetAppChecked", Q_ARG(bool, true));
    QCOMPARE(header()->checkState(), Qt::Unchecked);
    QVERIFY(!button("appManagerRemoveButton")->isEnabled());
}

void tst_AppManagerView::loadingStartsUnchosenAndSorts()
{
    // Flags left over from an earlier visit would make the task remove unseen choices.
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        store->m_obLApps[2].m_bChecked = 1;
    }
    m_view->LoadApps();
    QCOMPARE(SharedFlags(), QList<int>({ 0, 0, 0 }));
    QVERIFY(!m_view->IsRowChecked(2));

    // Sorting keeps each app's choice with it.
    clickRow(1); // beta, the smallest
    const auto order = [this] {
        QStringList ids;
        for (int row = 0; row < m_view->RowCount(); ++row)
            ids.append(m_view->RowBundleId(row).section('.', -1));
        return ids;
    };
    QTest::mouseClick(table()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(table()->horizontalHeader()->sectionViewportPosition(3) + 10, 10));
    const QStringList first = order();
    QTest::mouseClick(table()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(table()->horizontalHeader()->sectionViewportPosition(3) + 10, 10));
    const QStringList second = order();
    QCOMPARE(first, QStringList({ "alpha", "gamma", "beta" }));
    QCOMPARE(second, QStringList({ "beta", "gamma", "alpha" }));
    QVERIFY(m_view->IsRowChecked(0));
    QVERIFY(!m_view->IsRowChecked(1) && !m_view->IsRowChecked(2));
}

void tst_AppManagerView::removeAsksFirstAndWithoutADeviceTellsTheUser()
{
    MessageBoxAnswerer answerer(OvMessageBox::Cancel);
    QVERIFY(QMetaObject::invokeMethod(m_view, "SLOT_UninstallCheckedApp"));
    QVERIFY(answerer.questions().isEmpty()); // nothing checked: nothing to ask about

    clickRow(2);
    QTest::mouseClick(button("appManagerRemoveButton"), Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().buttons, OvMessageBox::OK | OvMessageBox::Cancel);
    // Declined: nothing started, the choice still stands.
    QCOMPARE(m_view->RowStatus(2), int(AppManagerView::Idle));
    QCOMPARE(m_view->QueuedCount(), 0);
    QVERIFY(m_window.tabsEnabled);

    // No device is connected yet: no removal can be queued, so no reply would ever end the
    // run. The user is told, and the page stays usable instead of locked.
    answerer.setButton(OvMessageBox::OK);
    QTest::mouseClick(button("appManagerRemoveButton"), Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 3);
    QCOMPARE(answerer.questions().last().text,
             QString("The device is not connected. Please connect it and try again."));
    QCOMPARE(m_view->RowStatus(2), int(AppManagerView::Idle));
    QVERIFY(button("appManagerRemoveButton")->isEnabled());
    QVERIFY(button("appManagerBackButton")->isEnabled());
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(m_view->IsRowChecked(2));
    clickRow(1);
    QVERIFY(m_view->IsRowChecked(1));
}

void tst_AppManagerView::iconsFallBackToTheDefault()
{
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QVERIFY(QDir().mkpath(m_temp.filePath("appIconTemp")));
    QVERIFY(picture.save(m_temp.filePath("appIconTemp/com.example.saved.png")));
    AppResultInfo fromLibrary = App("com.example.library", 1);
    fromLibrary.m_strIconPath = m_temp.filePath("library.png");
    QVERIFY(picture.save(fromLibrary.m_strIconPath));
    AppResultInfo gone = App("com.example.gone", 1);
    gone.m_strIconPath = m_temp.filePath("nothing-here.png");
    SetApps({ App("com.example.saved", 1), fromLibrary, gone, App("", 1) });
    m_view->LoadApps();
    QCOMPARE(m_view->RowIconName(0), m_temp.filePath("appIconTemp/com.example.saved.png"));
    QCOMPARE(m_view->RowIconName(1), fromLibrary.m_strIconPath);
    QCOMPARE(m_view->RowIconName(2), QString("app_default.png"));
    QCOMPARE(m_view->RowIconName(3), QString("app_default.png"));
    // Painting every row with its icon must not trip over the missing ones.
    QVERIFY(!m_view->grab().isNull());
}

void tst_AppManagerView::anAbandonedRunLeavesThePageUsable()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder scanned(callback, &CTaskCallback::signalOneKeyScanRespond);
    if (controller->PostOneKeyScanTask(16) == 0) {
        QVERIFY2(m_phone.connect(), qPrintable(m_phone.error()));
        QCOMPARE(controller->PostOneKeyScanTask(16), 1);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!scanned.isEmpty(), 20000);
    m_view->LoadApps();
    QVERIFY(m_view->RowCount() >= 2);
    clickRow(0);
    clickRow(1);
    // Nothing here hands the replies to the page, as when the device leaves mid-run.
    const auto connection = connect(callback, &CTaskCallback::signalOneKeyClearRespond, this,
                                    [](int type, int, void* record) { DeleteOneKeyClearRecord(type, record); });
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(button("appManagerRemoveButton"), Qt::LeftButton);
    QCOMPARE(m_view->RowStatus(0) + m_view->RowStatus(1), int(AppManagerView::Removing));
    QVERIFY(!button("appManagerBackButton")->isEnabled());

    // The next scan's fresh table must leave the page usable, not locked by the run.
    m_view->ClearTable();
    m_view->LoadApps();
    QVERIFY(button("appManagerBackButton")->isEnabled());
    QVERIFY(header()->isEnabled());
    clickRow(0);
    QVERIFY(m_view->IsRowChecked(0));
    QVERIFY(button("appManagerRemoveButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(SharedFlags().size() == m_view->RowCount(), 1000);
    controller->StopTasks();
    disconnect(connection);
}

QTEST_MAIN(tst_AppManagerView)
#include "tst_AppManagerView.moc"
