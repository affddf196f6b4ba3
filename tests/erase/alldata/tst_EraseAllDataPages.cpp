#include "CController.h"
#include "CTaskCallback.h"
#include "EraseAllDataFailureView.h"
#include "EraseAllDataFinishedView.h"
#include "EraseAllDataProcessView.h"
#include "EraseAllDataView.h"
#include "EraseDataView.h"
#include "ErasingReturnView.h"
#include "FakeMainWindow.h"
#include "FillDataProcessView.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseAllDataModel.h"
#include "OvMessageBox.h"
#include "PageWaiter.h"
#include "SafeLevelSettingDialog.h"

#include "AppFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using Model = OvEraseAllDataModel;

// Erase All Data page by page, fed the notifications the device library would send (no
// device is connected, so nothing real is erased): the event table, the stops, the fill
// arithmetic and timers, and the end pages.
class tst_EraseAllDataPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void confirmationChecksTheWordAndCarriesTheLevel();
    void wholeSequenceFollowsTheEventsInOrder();
    void stopsOnEachProgressPage_data();
    void stopsOnEachProgressPage();
    void lateRestoreEndWinsOverAStop();
    void fillEstimateAndTheWaitAt99();
    void endPagesShowWhatHappened();

private:
    // Runs the flow from the confirmation to `page` with the notifications that lead there.
    void driveTo(int page, int level);
    static void backup(int type, int value) { emit CTaskCallback::GetInstance()->signalBackupDevData(type, value); }
    static void stage(int flag, int type) { emit CTaskCallback::GetInstance()->signalEraseAllTask(flag, type); }
    static void restore(int type, int value) { emit CTaskCallback::GetInstance()->signalRestoreDevData(type, value); }
    static void fill(int type, int value) { emit CTaskCallback::GetInstance()->signalFillDataSignal(type, value); }
    static QList<int> takeStopRequests();
    int page() const { return m_model->pages()->currentIndex(); }

    QTemporaryDir m_app;
    std::unique_ptr<FakeMainWindow> m_window;
    std::unique_ptr<Model> m_model;
};

void tst_EraseAllDataPages::initTestCase()
{
    // The level dialog writes its file in the program's folder: a fresh one, with the skin.
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
}

void tst_EraseAllDataPages::init()
{
    m_window = std::make_unique<FakeMainWindow>();
    m_window->tabIndex = 1;
    MainWindowAccess::setSecurityLevel(1);
    m_model = std::make_unique<Model>();
    m_model->resize(900, 600);
    m_model->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_model.get()));
    takeStopRequests();
}

void tst_EraseAllDataPages::cleanup()
{
    m_model.reset();
    m_window.reset();
}

void tst_EraseAllDataPages::cleanupTestCase()
{
    CController::Release();
}

QList<int> tst_EraseAllDataPages::takeStopRequests()
{
    QList<int> kinds;
    for (int kind = 0; kind <= 2; ++kind) {
        if (CController::GetInstance()->TestAndClearStopRequest(kind))
            kinds << kind;
    }
    return kinds;
}

void tst_EraseAllDataPages::driveTo(int target, int level)
{
    m_model->SwitchPage(Model::ConfirmPage);
    m_model->confirmPage()->slotSettingLevel(level);
    m_window->enableTabs(false);
    m_model->slotErase(Model::BackupPage);
    if (target == Model::BackupPage)
        return;
    backup(20, 0);
    const std::pair<int, int> stages[] = { { 1, 30 }, { 2, 28 }, { 4, 29 }, { 8, 31 } };
    for (const auto& [flag, type] : stages)
        stage(flag, type);
    if (target == Model::RestorePage)
        return;
    restore(22, 0);
    if (target == Model::RestartPage)
        return;
    // What the main window does when the device is back and a fill is due.
    m_model->SwitchPage(Model::FillPage);
}

void tst_EraseAllDataPages::confirmationChecksTheWordAndCarriesTheLevel()
{
    m_model->SwitchPage(Model::ConfirmPage);
    EraseAllDataView* confirm = m_model->confirmPage();
    QSignalSpy erase(confirm, &EraseAllDataView::onErase);
    auto* eraseNow = confirm->findChild<QPushButton*>("eraseAllEraseNowButton");
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::keyClicks(confirm->wordEdit(), "delet");
    QTest::mouseClick(eraseNow, Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 1);
    QVERIFY(answerer.texts().last().contains("\"delete\""));
    QVERIFY(confirm->wordEdit()->text().isEmpty());

    // Accepted regardless of case and blanks; Cancel leaves everything as it was.
    answerer.setButton(OvMessageBox::No);
    confirm->wordEdit()->setText("  DeLeTe ");
    QTest::keyClick(confirm->wordEdit(), Qt::Key_Return);
    QVERIFY(answerer.texts().last().startsWith("This will completely erase all data"));
    QVERIFY(m_window->calls.isEmpty());

    // Continue without a device: the tabs are locked for the backup, then given back.
    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(eraseNow, Qt::LeftButton);
    QTRY_COMPARE(answerer.questions().size(), 4);
    QVERIFY(answerer.texts().last().contains("not connected"));
    QCOMPARE(m_window->calls, (QList<bool> { false, true }));
    QCOMPARE(erase.count(), 0);

    // The link opens the level dialog; High there becomes the link text and two passes.
    QTimer chooser;
    connect(&chooser, &QTimer::timeout, this, [] {
        if (auto* dialog = qobject_cast<SafeLevelSettingDialog*>(QApplication::activeModalWidget())) {
            dialog->findChild<QRadioButton*>("levelRadio0")->click();
            dialog->findChild<QPushButton*>("levelOkButton")->click();
        }
    });
    chooser.start(5);
    emit confirm->levelLink()->linkActivated("level");
    chooser.stop();
    QCOMPARE(confirm->fillPasses(), 2);
    QCOMPARE(confirm->levelLink()->accessibleName(), QString("High"));
    QCOMPARE(MainWindowAccess::securityLevel(), 0);
    // The Tools menu's level reaches the page that shows.
    m_model->SetSecurityLevel(2);
    QCOMPARE(confirm->fillPasses(), 0);
    QCOMPARE(confirm->levelLink()->accessibleName(), QString("Low"));

    // Home forgets the typed word.
    confirm->wordEdit()->setText("delete");
    QTest::mouseClick(confirm->findChild<QPushButton*>("eraseAllHomeButton"), Qt::LeftButton);
    QCOMPARE(page(), int(Model::HomePage));
    QVERIFY(confirm->wordEdit()->text().isEmpty());
}

void tst_EraseAllDataPages::wholeSequenceFollowsTheEventsInOrder()
{
    driveTo(Model::BackupPage, 0);
    EraseAllDataProcessView* backupPage = m_model->backupPage();
    // Another tab's backup is not this one.
    m_window->tabIndex = 3;
    backup(66, 40);
    backup(20, 0);
    QCOMPARE(backupPage->Progress(), 1);
    m_window->tabIndex = 1;

    backup(66, 40);
    QCOMPARE(backupPage->Progress(), 40);
    backup(66, 100);
    QCOMPARE(backupPage->StatusText(), QString("Erasing, please wait..."));
    QCOMPARE(backupPage->Progress(), 1);
    backup(20, 0);

    // Out of order, or a stage answering with another stage's word: nothing moves.
    stage(2, 30);
    stage(2, 28);
    stage(8, 31);
    stage(1, 28);
    QCOMPARE(backupPage->Progress(), 1);
    const QList<std::pair<int, int>> stages { { 1, 30 }, { 2, 28 }, { 4, 29 } };
    for (int i = 0; i < stages.size(); ++i) {
        stage(stages[i].first, stages[i].second);
        stage(stages[i].first, stages[i].second); // a repeat is stale
        QCOMPARE(backupPage->Progress(), 25 * (i + 1));
    }
    QCOMPARE(page(), int(Model::BackupPage));
    stage(8, 31);
    QCOMPARE(page(), int(Model::RestorePage));

    restore(68, 40);
    QCOMPARE(m_model->restorePage()->Progress(), 40);
    QVERIFY(!m_window->restarting);
    restore(22, 0);
    QCOMPARE(page(), int(Model::RestartPage));
    QVERIFY(m_window->restarting);
    QVERIFY(m_model->AwaitingRestart());
    QVERIFY(!m_window->tabsEnabled);

    // The passes were taken when the erase started; a later change waits for the next one.
    m_model->confirmPage()->slotSettingLevel(2);
    QCOMPARE(m_model->FillPasses(), 2);
    m_model->SwitchPage(Model::FillPage);
    QVERIFY(!m_window->restarting);
    FillDataProcessView* fillPage = m_model->fillPage();
    for (int pass = 0; pass < 2; ++pass) {
        fill(14, 50);
        QCOMPARE(fillPage->Progress(), pass * 50 + 25);
        fill(14, 100);
        QCOMPARE(fillPage->PercentText(), QString("%1 %").arg(50 * (pass + 1)));
        QVERIFY(!m_window->tabsEnabled);
        fill(12, 100);
    }
    QCOMPARE(page(), int(Model::FinishedPage));
    QVERIFY(m_window->tabsEnabled);
    QCOMPARE(m_model->finishedPage()->Text(), QString("All the data has been erased."));

    // Late or repeated notifications after the end change nothing.
    fill(17, -4);
    backup(24, -19);
    QCOMPARE(page(), int(Model::FinishedPage));
    QTest::mouseClick(m_model->finishedPage()->findChild<QPushButton*>("finishedDoneButton"), Qt::LeftButton);
    QCOMPARE(page(), int(Model::HomePage));
}

void tst_EraseAllDataPages::stopsOnEachProgressPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QList<int>>("stopKinds"); // StopDeviceJob codes asked for
    QTest::addColumn<int>("endPage");
    QTest::addColumn<int>("form");

    const int stoppedFailed = EraseAllDataFailureView::StoppedDeletionFailed;
    const int stoppedDone = EraseAllDataFailureView::StoppedDeletionDone;
    for (bool confirm : { true, false }) {
        const char* answer = confirm ? "yes" : "no";
        QTest::addRow("backup, %s", answer)
            << int(Model::BackupPage) << confirm << QList<int> { 0 } << 3 << stoppedFailed;
        QTest::addRow("restore, %s", answer)
            << int(Model::RestorePage) << confirm << QList<int> { 0, 1 } << 6 << stoppedFailed;
        // The device was already emptied: the page must not say the deletion failed.
        QTest::addRow("restart, %s", answer)
            << int(Model::RestartPage) << confirm << QList<int> { 0 } << 3 << stoppedDone;
        QTest::addRow("fill, %s", answer) << int(Model::FillPage) << confirm << QList<int> { 2 } << 10 << stoppedDone;
    }
}

void tst_EraseAllDataPages::stopsOnEachProgressPage()
{
    QFETCH(int, page);
    QFETCH(bool, confirm);
    QFETCH(QList<int>, stopKinds);
    QFETCH(int, endPage);
    QFETCH(int, form);

    driveTo(page, 1);
    QCOMPARE(this->page(), page);
    QWidget* shown = m_model->pages()->currentWidget();
    auto* stop = shown->findChild<QPushButton*>(page == Model::FillPage ? "fillStopButton" : "processStopButton");
    QVERIFY(stop && stop->isVisible());
    const int yes = page == Model::FillPage ? OvMessageBox::Yes : OvMessageBox::OK;
    const int no = page == Model::FillPage ? OvMessageBox::No : OvMessageBox::Cancel;
    MessageBoxAnswerer answerer(confirm ? yes : no);
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 1);
    if (!confirm) {
        QTest::qWait(50); // ten times the scaled wait of a confirmed stop
        QCOMPARE(this->page(), page);
        QVERIFY(stop->isVisible());
        QVERIFY(takeStopRequests().isEmpty());
        QVERIFY(!m_window->tabsEnabled);
        return;
    }
    QCOMPARE(takeStopRequests(), stopKinds);
    if (page == Model::BackupPage) {
        // The stop decides: a backup that still ends meanwhile starts no erase.
        backup(20, 0);
        stage(1, 30);
    }
    QVERIFY_PAGE(m_model.get(), endPage, 5000);
    QVERIFY(m_window->tabsEnabled);
    QVERIFY(!m_window->restarting);
    QCOMPARE(int(m_model->failurePage(endPage)->form()), form);
    if (page == Model::RestorePage)
        QCOMPARE(takeStopRequests(), QList<int> { 1 });
    // Nothing that arrives late moves the end page.
    restore(22, 0);
    fill(12, 100);
    QCOMPARE(this->page(), endPage);
}

void tst_EraseAllDataPages::lateRestoreEndWinsOverAStop()
{
    // The restore wrote the empty copy before the stop reached it: the device restarts
    // empty, and the pages must follow the device, not the stop.
    driveTo(Model::RestorePage, 2);
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(m_model->restorePage()->findChild<QPushButton*>("processStopButton"), Qt::LeftButton);
    QVERIFY(m_model->restorePage()->IsStopping());
    restore(22, 0);
    QCOMPARE(page(), int(Model::RestartPage));
    QTest::qWait(50);
    QCOMPARE(page(), int(Model::RestartPage));
    QVERIFY(m_model->AwaitingRestart());
    QCOMPARE(m_model->FillPasses(), 0);
}

void tst_EraseAllDataPages::fillEstimateAndTheWaitAt99()
{
    driveTo(Model::FillPage, 1);
    FillDataProcessView* fillPage = m_model->fillPage();
    QCOMPARE(fillPage->EstimateText(), QString("Estimated time: 60 minutes"));
    // Scaled minutes of 60 ms: the estimate counts down and stops at 1 (a loaded machine may
    // let several minutes pass between two looks, so no single step is waited for).
    QTRY_COMPARE_WITH_TIMEOUT(fillPage->EstimateText(), QString("Estimated time: 1 minutes"), 10000);
    QTest::qWait(150);
    QCOMPARE(fillPage->Minutes(), 1);

    QSignalSpy finished(fillPage, &FillDataProcessView::signalFillDataFinished);
    fill(14, 98);
    QVERIFY(!fillPage->IsWaitingAt99());
    fill(14, 99);
    QVERIFY(fillPage->IsWaitingAt99());
    QCOMPARE(page(), int(Model::FillPage));
    // Five scaled minutes later the fill counts as done although the device never said so.
    QVERIFY_PAGE(m_model.get(), Model::FinishedPage, 5000);
    QCOMPARE(finished.count(), 1);
    QVERIFY(m_window->tabsEnabled);
}

void tst_EraseAllDataPages::endPagesShowWhatHappened()
{
    // The fill line says when no fill was chosen; an unknown form is an error.
    EraseAllDataFailureView failure;
    failure.SetForm(EraseAllDataFailureView::StoppedDeletionFailed, false);
    QCOMPARE(failure.findChild<QLabel*>("erasureState")->text(), QString("Not chosen"));
    failure.SetForm(static_cast<EraseAllDataFailureView::Form>(42), true);
    QCOMPARE(failure.form(), EraseAllDataFailureView::Error);

    EraseAllDataFinishedView finished("Selected files have been erased thoroughly.");
    for (const char* name : { "shareFacebookButton", "shareTwitterButton", "shareGoogleButton" })
        QVERIFY(!finished.findChild<QPushButton*>(name)->accessibleName().isEmpty());

    // The stopped page gives the tabs back whenever it shows.
    ErasingReturnView stopped;
    stopped.Prepare(4);
    QVERIFY(!stopped.findChild<QLabel*>("erasureName")->isVisibleTo(&stopped));
    m_window->tabsEnabled = false;
    stopped.show();
    QVERIFY(m_window->tabsEnabled);

    // The fragments' progress: the chosen apps, a bounded bar, Stop only when confirmed.
    EraseDataView progress;
    progress.SetEraseMap({ { "WeChat", true }, { "Kik", false }, { "Viber", true } });
    QCOMPARE(progress.ChosenNames(), (QStringList { "Viber", "WeChat" }));
    progress.SetProgress(140);
    QCOMPARE(progress.Progress(), 100);
    progress.SetProgress(-3);
    QCOMPARE(progress.Progress(), 0);
    progress.show();
    QSignalSpy stopSpy(&progress, &EraseDataView::signalEraseDataClickedStopBtn);
    auto* stop = progress.findChild<QPushButton*>("eraseDataStopButton");
    MessageBoxAnswerer answerer(OvMessageBox::No);
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stopSpy.count(), 0);
    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 2);
    QVERIFY(answerer.texts().last().startsWith("It may damage your data or device if you stop erasing."));
    QCOMPARE(stopSpy.count(), 1);
    QCOMPARE(stopSpy.first().first().toInt(), 0);
}

QTEST_MAIN(tst_EraseAllDataPages)
#include "tst_EraseAllDataPages.moc"
