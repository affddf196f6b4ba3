#include "CController.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "ErasePhone.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "OvTabControlWidget.h"
#include "PageWaiter.h"
#include "ScanCategory.h"
#include "SignalRecorder.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

using Page = EraseScanModel::Page;

// Erase Deleted Files and Erase Private Data through the real window against simulated
// devices. The seeded flows tick at random on random devices; after each, every ticked record
// must be gone from the device and every other record there byte for byte. This test must never
// be weakened. The other cases: jobs that fail, stops, a device that leaves or stays away.
class tst_EraseSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void randomFlowsEraseExactlyTheTicks();
    void failedJobKeepsTheBackup_data();
    void failedJobKeepsTheBackup();
    void stopOnEachPage_data();
    void stopOnEachPage();
    void deviceLeavesMidJob_data();
    void deviceLeavesMidJob();
    void deviceThatDoesNotComeBack();

private:
    // Plugs a fresh device, lets the window make it ready and scans it in `feature`'s tab;
    // empty, or what went wrong.
    QString scanFresh(int feature, const DeviceContent& content = DeviceImageFixture::smallContent());
    // Ticks the tree box of `key` and returns what an erase must then remove.
    QMap<QString, QSet<qint64>> tickBox(int feature, const QString& key);
    void confirmErase(int feature);

    QTemporaryDir m_app;
    std::unique_ptr<ErasePhone> m_phone;
    MainView* m_view = nullptr;
    std::unique_ptr<MessageBoxAnswerer> m_answers;
};

namespace {

// How the user left a category: box off, the tree box ticked, some rows ticked one by one
// in its list, the tree box ticked and then some rows taken back, or (WeChat) one account.
enum class Ticks { Off, All, Some, AllThenSomeOff, OneAccount };

EraseScanModel* ModelOf(int feature)
{
    if (feature == 2)
        return OvEraseDeletedFilesModel::GetInstance();
    return OvErasePrivateDataModel::GetInstance();
}

// What the lists call on the result view after the user ticked rows in them.
void ReportEveryList(OvScanResultView* view)
{
    const QMetaObject* meta = view->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name().startsWith("synchronize") && method.parameterCount() == 1)
            method.invoke(view, Q_ARG(int, 1));
    }
}

DeviceContent RandomContent(QRandomGenerator& random)
{
    DeviceContent content;
    content.photos = random.bounded(0, 5);
    content.deletedPhotos = random.bounded(0, 3);
    content.videos = random.bounded(0, 2);
    content.deletedVideos = random.bounded(0, 2);
    content.largeFiles = 0;
    content.junkFilesPerCode = 0;
    content.tempFiles = 0;
    content.extraApps = 0;
    content.weChatAccounts = random.bounded(1, 4);
    for (const QString& category : DeviceImage::privateCategories())
        content.recordCounts[category] = { random.bounded(0, 6), random.bounded(0, 4) };
    content.seed = random.generate();
    return content;
}

} // namespace

void tst_EraseSafety::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
    m_phone = std::make_unique<ErasePhone>();
    // The window connects the devices: it registers with the library after the fixture.
    m_view = new MainView;
    m_view->show();
}

void tst_EraseSafety::init()
{
    MainWindowAccess::setSecurityLevel(1);
    m_answers = std::make_unique<MessageBoxAnswerer>(OvMessageBox::Yes);
}

void tst_EraseSafety::cleanup()
{
    m_answers.reset();
    qputenv("OVDRIVER_SIM_DELAY_MS", "0");
    qputenv("OVDRIVER_SIM_RESTART_MS", "50");
    ModelOf(3)->SwitchPage(Page::HomePage);
    ModelOf(2)->SwitchPage(Page::HomePage);
}

void tst_EraseSafety::cleanupTestCase()
{
    delete m_view;
}

QString tst_EraseSafety::scanFresh(int feature, const DeviceContent& content)
{
    if (!m_phone->folder().isEmpty()) {
        m_phone->devices().unplug(m_phone->folder());
        if (!QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::ConnectionPage; }, 20000))
            return "the window did not see the last device go";
    }
    if (!m_phone->plugFresh(content))
        return "no device";
    if (!QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::OneKeyPage; }, 20000))
        return "the window did not make the device ready";
    emit m_view->tabBar()->signalTabButtonSwitch(feature);
    QTest::mouseClick(ModelOf(feature)->startPage()->startButton(), Qt::LeftButton);
    OvScanResultView* view = ModelOf(feature)->resultView();
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    if (!QTest::qWaitFor([&] { return view->scanEnded() && tree->isEnabled(); }, 30000))
        return "the scan did not end";
    return QString();
}

QMap<QString, QSet<qint64>> tst_EraseSafety::tickBox(int feature, const QString& key)
{
    OvScanResultView* view = ModelOf(feature)->resultView();
    view->categoryItem(ScanCategory::ByEraseKey(key))->setCheckState(0, Qt::Checked);
    return m_phone->expected(feature, { { key, view->CategoryCheckState(key) } });
}

void tst_EraseSafety::confirmErase(int feature)
{
    EraseScanModel* model = ModelOf(feature);
    model->resultView()->findChild<QAbstractButton*>("eraseNowButton")->click();
    QVERIFY_PAGE(model, Page::ConfirmPage, 5000);
    auto* word = model->confirmPage()->findChild<QLineEdit*>("confirmWordEdit");
    QTest::keyClicks(word, "delete");
    QTest::keyClick(word, Qt::Key_Return);
}

void tst_EraseSafety::randomFlowsEraseExactlyTheTicks()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIntValue("ERASE_SAFETY_SEED", &ok);
    const quint32 used = ok ? seed : 20261206;
    const int wanted = qEnvironmentVariableIntValue("ERASE_SAFETY_FLOWS", &ok);
    const int flows = ok && wanted > 0 ? wanted : 50;
    QRandomGenerator random(used);

    int run = 0;
    ErasePhone::Outcome total;
    // The counts are printed however the loop ends.
    struct Report
    {
        const quint32& seed;
        const int& run;
        const ErasePhone::Outcome& total;
        ~Report()
        {
            // Straight to stdout: the test log stops taking messages after a few thousand.
            std::printf("erase safety (seed %u): %d flows run, %d records erased, %d records kept, %d wrongly erased, "
                        "%d wrongly kept\n",
                        seed, run, total.erased, total.kept, total.wronglyErased, total.wronglyKept);
            std::fflush(stdout);
        }
    } report { used, run, total };

    for (int index = 0; index < flows; ++index) {
        const QString where = QStringLiteral("seed %1, flow %2: ").arg(used).arg(index);
        const int feature = random.bounded(2) ? 2 : 3;
        const int level = random.bounded(0, 3);
        MainWindowAccess::setSecurityLevel(level);
        const QString failed = scanFresh(feature, RandomContent(random));
        QVERIFY2(failed.isEmpty(), qPrintable(where + failed));
        EraseScanModel* model = ModelOf(feature);
        OvScanResultView* view = model->resultView();
        const QMap<QString, QJsonArray> before = m_phone->snapshot();

        // The user's ticks, made the way the pages take them.
        QMap<QString, Ticks> ticks;
        QHash<QString, bool> rowTicks;
        for (const QString& key : ErasePhone::keysOf(feature)) {
            QTreeWidgetItem* item = view->categoryItem(ScanCategory::ByEraseKey(key));
            if (!item || !(item->flags() & Qt::ItemIsEnabled))
                continue;
            Ticks chosen = static_cast<Ticks>(random.bounded(0, key == "WeChat" ? 5 : 4));
            if (chosen == Ticks::All || chosen == Ticks::AllThenSomeOff)
                item->setCheckState(0, Qt::Checked);
            if (chosen == Ticks::OneAccount) {
                QTreeWidgetItem* account = view->weChatItem(random.bounded(0, 3));
                if (account && (account->flags() & Qt::ItemIsEnabled))
                    account->setCheckState(0, Qt::Checked);
            }
            ticks[key] = chosen;
        }
        // Single rows as a list sets them, then the lists' reports to the tree.
        auto decide = [&](const QString& key, int row, bool) -> std::optional<bool> {
            const Ticks chosen = ticks.value(key, Ticks::Off);
            if (chosen != Ticks::Some && chosen != Ticks::AllThenSomeOff)
                return std::nullopt;
            const QString id = key + QString::number(row);
            if (!rowTicks.contains(id))
                rowTicks.insert(id, random.bounded(chosen == Ticks::AllThenSomeOff ? 4 : 2) != 0);
            return rowTicks.value(id);
        };
        QString problem;
        m_phone->tick(feature, decide, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
        ReportEveryList(view);

        QMap<QString, Qt::CheckState> boxes;
        for (const QString& key : ErasePhone::keysOf(feature))
            boxes[key] = view->CategoryCheckState(key);
        QMap<QString, QSet<qint64>> erased = m_phone->expected(feature, boxes, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + problem));

        SignalRecorder fills(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
        if (!view->findChild<QAbstractButton*>("eraseNowButton")->isEnabled()) {
            // Nothing ticked at all: nothing can start.
            QVERIFY2(std::all_of(erased.begin(), erased.end(), [](const QSet<qint64>& ids) { return ids.isEmpty(); }),
                     qPrintable(where + "ticks without Erase Now"));
        } else {
            confirmErase(feature);
            const QString said = m_answers->texts().isEmpty() ? QString() : m_answers->texts().last();
            if (erased.contains("refused") || model->pages()->currentIndex() == Page::ConfirmPage) {
                // A part of what goes only all at once: refused, nothing touched.
                QVERIFY2(erased.contains("refused") && said.startsWith("Deleted "), qPrintable(where + said));
                erased.clear();
            } else {
                const QString failure = WaitForPage(model, Page::FinishedPage, 40000);
                QVERIFY2(failure.isEmpty(), qPrintable(where + failure));
                QVERIFY2(m_view->tabBar()->IsTabEnabled(0), qPrintable(where + "the tabs stay locked"));
                // Low fills nothing; the copy of the device goes as soon as the erase is done.
                QVERIFY2(fills.isEmpty() == (level == 2), qPrintable(where + "the fill does not follow the level"));
                QVERIFY2(QTest::qWaitFor([&] { return !m_phone->devices().hasBackup(m_phone->folder()); }, 10000),
                         qPrintable(where + "the backup stays"));
            }
        }
        const ErasePhone::Outcome outcome = m_phone->compare(before, erased);
        total.erased += outcome.erased;
        total.kept += outcome.kept;
        total.wronglyErased += outcome.wronglyErased;
        total.wronglyKept += outcome.wronglyKept;
        ++run;
        QVERIFY2(outcome.ok(), qPrintable(where + outcome.firstProblem));
        model->SwitchPage(Page::HomePage);
    }
    QCOMPARE(run, flows);
    QVERIFY(total.erased > 0);
    QCOMPARE(total.wronglyErased, 0);
    QCOMPARE(total.wronglyKept, 0);
}

void tst_EraseSafety::failedJobKeepsTheBackup_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("restore") << "restore" << -36 << "(error code: -36)";
    QTest::newRow("fill") << "fill" << -7 << "Sorry, Fill failed!";
}

void tst_EraseSafety::failedJobKeepsTheBackup()
{
    QFETCH(QString, job);
    QFETCH(int, code);
    QFETCH(QString, text);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QVERIFY(m_phone->devices().setFault(m_phone->folder(), job, code));
    tickBox(3, "Message");
    const QMap<QString, QJsonArray> before = m_phone->snapshot();
    confirmErase(3);
    m_answers->setButton(OvMessageBox::OK);
    QVERIFY_PAGE(ModelOf(3), Page::FailurePage, 30000);
    QVERIFY(m_answers->texts().last().contains(text));
    QVERIFY(m_view->tabBar()->IsTabEnabled(0));
    if (job == "restore")
        QVERIFY2(m_phone->compare(before, {}).ok(), "a failed restore changed the device");
    // Possibly the only whole copy of the data, and what a retry needs.
    QTest::qWait(200);
    QVERIFY(m_phone->devices().hasBackup(m_phone->folder()));
    // Until the program exits, when the companion it starts then removes the copy.
    QProcess remover;
    remover.start(OVREMOVEBACK, QStringList());
    QVERIFY(remover.waitForFinished(90000));
    QCOMPARE(remover.exitCode(), 0);
    QVERIFY(!m_phone->devices().hasBackup(m_phone->folder()));
}

void tst_EraseSafety::stopOnEachPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("stop");
    for (int page : { int(Page::ErasePage), int(Page::RestorePage), int(Page::FillPage) }) {
        QTest::addRow("page %d, yes", page) << page << true;
        QTest::addRow("page %d, no", page) << page << false;
    }
}

void tst_EraseSafety::stopOnEachPage()
{
    QFETCH(int, page);
    QFETCH(bool, stop);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const QMap<QString, QSet<qint64>> erased = tickBox(3, "Note");
    const QMap<QString, QJsonArray> before = m_phone->snapshot();

    // Slow jobs, so that there is time to press Stop. On the erase page the erase waits
    // behind a backup that takes a while.
    qputenv("OVDRIVER_SIM_DELAY_MS", "60");
    if (page == Page::ErasePage)
        QVERIFY(CController::GetInstance()->PostBackupDevDataTask());
    confirmErase(3);
    QVERIFY_PAGE(ModelOf(3), page, 30000);
    QWidget* shown = ModelOf(3)->pages()->currentWidget();
    auto* button = shown->findChild<QPushButton*>(page == Page::FillPage ? "fillStopButton" : "restartStopButton");
    QVERIFY(button && button->isVisible());
    const int yes = page == Page::FillPage ? OvMessageBox::OK : OvMessageBox::Yes;
    const int no = page == Page::FillPage ? OvMessageBox::Cancel : OvMessageBox::No;
    m_answers->setButton(stop ? yes : no);
    const int asked = m_answers->questions().size();
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(m_answers->questions().size(), asked + 1);
    QVERIFY(m_answers->texts().last().startsWith("It may damage your data or device if you stop"));

    if (stop) {
        QVERIFY_PAGE(ModelOf(3), Page::StoppedPage);
        QVERIFY(m_view->tabBar()->IsTabEnabled(0));
        QTest::qWait(300);
        QCOMPARE(ModelOf(3)->pages()->currentIndex(), int(Page::StoppedPage));
        // Stopped before the restore wrote anything: the device is as it was.
        if (page != Page::FillPage)
            QVERIFY(m_phone->compare(before, {}).ok());
        QVERIFY(m_phone->devices().hasBackup(m_phone->folder()));
    } else {
        QVERIFY_PAGE(ModelOf(3), Page::FinishedPage, 60000);
        const ErasePhone::Outcome outcome = m_phone->compare(before, erased);
        QVERIFY2(outcome.ok(), qPrintable(outcome.firstProblem));
        QVERIFY(outcome.erased > 0);
    }
}

void tst_EraseSafety::deviceLeavesMidJob_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("text");
    QTest::newRow("restore") << "restore"
                             << "(error code: -4)";
    QTest::newRow("fill") << "fill"
                          << "Sorry, Fill failed!";
}

void tst_EraseSafety::deviceLeavesMidJob()
{
    QFETCH(QString, job);
    QFETCH(QString, text);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QVERIFY(m_phone->devices().setFault(m_phone->folder(), "leave", job));
    tickBox(3, "Note");
    confirmErase(3);
    m_answers->setButton(OvMessageBox::OK);
    // The window resets for the device that left; the job's failure, when it comes before
    // the reset, shows its box and the failure page. No page waits for ever.
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::ConnectionPage), 30000);
    QTest::qWait(300);
    const int shown = ModelOf(3)->pages()->currentIndex();
    QVERIFY2(shown == Page::HomePage || shown == Page::FailurePage, qPrintable(QString::number(shown)));
    if (shown == Page::FailurePage)
        QVERIFY(m_answers->texts().last().contains(text));
    QVERIFY(!m_view->deviceRestarting());
    QVERIFY(m_phone->devices().hasBackup(m_phone->folder()));
    QVERIFY(m_phone->devices().setFault(m_phone->folder(), "leave", QString()));
}

void tst_EraseSafety::deviceThatDoesNotComeBack()
{
    MainWindowAccess::setSecurityLevel(2);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    tickBox(3, "Message");
    // A restart long enough to unplug the device in, which then stays away.
    qputenv("OVDRIVER_SIM_RESTART_MS", "1000");
    QMetaObject::Connection unplug
        = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalRestoreDevData, this, [this](int type, int) {
              if (type == 22)
                  m_phone->devices().unplug(m_phone->folder());
          });
    confirmErase(3);
    m_answers->setButton(OvMessageBox::OK);
    QVERIFY(QTest::qWaitFor([&] { return m_view->deviceRestarting(); }, 30000));
    disconnect(unplug);
    // Five minutes (scaled) without the device: the time-out box, and the page waits on.
    QVERIFY(QTest::qWaitFor([&] { return m_answers->texts().join('|').contains("Connection timeout!"); }, 20000));
    QCOMPARE(ModelOf(3)->pages()->currentIndex(), int(Page::RestorePage));
    QVERIFY(m_view->deviceRestarting());

    qputenv("OVDRIVER_SIM_RESTART_MS", "50");
    m_phone->devices().plug(m_phone->folder());
    QVERIFY_PAGE(ModelOf(3), Page::FinishedPage, 30000);
    QVERIFY(m_view->tabBar()->IsTabEnabled(0));
    QVERIFY(!m_view->deviceRestarting());
}

QTEST_MAIN(tst_EraseSafety)
#include "tst_EraseSafety.moc"
