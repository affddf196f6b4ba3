// Erase Deleted Files and Erase Private Data up to the ticked result list, against a simulated
// device whose content the test knows: what the tree lists must be true of the device.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CDecodingCheckDig.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EraseImageControls.h"
#include "EraseListView.h"
#include "EraseTabPage.h"
#include "EraseTipDialog.h"
#include "FakeMainWindow.h"
#include "ListCheckBox.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "PageWaiter.h"
#include "PhotoView.h"
#include "RecordTableModel.h"
#include "SafariCache.h"
#include "SafariCacheModel.h"
#include "ScanAnalyzeView.h"
#include "ScanCategory.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"
#include "VoiceMemos.h"

#include "../lists/RecordFlags.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr char kPassword[] = "s3cret pass";
using Cat = ScanCategory;

/// Erase Deleted Files' categories in the tree's order, with the simulator's keys behind each.
const QVector<QPair<Cat::Id, QStringList>> kDeletedCategories {
    { Cat::Message, { "messageItems" } }, { Cat::Contact, { "contacts" } },
    { Cat::Calendar, { "calendar" } },    { Cat::CallHistory, { "callLog" } },
    { Cat::Note, { "notes" } },           { Cat::SafariHistory, { "safariHistory" } },
    { Cat::Bookmark, { "bookmarks" } },   { Cat::Photo, { "photos", "videos" } },
    { Cat::VoiceMemo, { "voiceMemos" } }, { Cat::WeChat, { "weChat" } },
};

/// Records of the categories a mode shows whose selected flag is set.
int SelectedRecords(int mode)
{
    const CGlobalData& store = *CGlobalData::GetInstance();
    int selected = 0;
    for (Cat::Id category : Cat::Ordered(mode)) {
        const Qt::CheckState state = Cat::SelectionState(category, store);
        if (state == Qt::Checked)
            selected += Cat::RecordCount(category, store);
        else if (state == Qt::PartiallyChecked)
            selected += 1; // the tests below tick single records only
    }
    return selected;
}

/// The selected flags of a category's records (of WeChat: of its first account).
QVector<quint8> CategoryFlags(Cat::Id id)
{
    const CGlobalData& s = *CGlobalData::GetInstance();
    const QMap<Cat::Id, QVector<quint8>> flags {
        { Cat::Message, FlagsOf(s.m_obLSMSSession) },
        { Cat::MsgAttachment, FlagsOf(s.m_obLSMSAttachment) },
        { Cat::Photo, FlagsOf(s.m_obLPhotoAndVideo) },
        { Cat::CallHistory, FlagsOf(s.m_obLCallLogSession) },
        { Cat::Contact, FlagsOf(s.m_obLContact) },
        { Cat::Note, FlagsOf(s.m_obLNote) },
        { Cat::NoteAttachment, FlagsOf(s.m_obLNoteAttachment) },
        { Cat::Bookmark, FlagsOf(s.m_obLBookMark) },
        { Cat::SafariHistory, FlagsOf(s.m_obLSafariHistory) },
        { Cat::Calendar, FlagsOf(s.m_obLCalendar) },
        { Cat::SafariCache, FlagsOf(s.m_obLSafariCache) },
        { Cat::SafariCookie, FlagsOf(s.m_obLSafariCookie) },
        { Cat::VoiceMemo, FlagsOf(s.m_obLVoiceMemo) },
        { Cat::WhatsAppAttachment, FlagsOf(s.m_obLWhatsAppAttachment) },
        { Cat::WhatsApp, FlagsOf(s.m_obLWhatsApp) },
        { Cat::Viber, FlagsOf(s.m_obLViber) },
        { Cat::Kik, FlagsOf(s.m_obLKik) },
        { Cat::KikAttachment, FlagsOf(s.m_obLKikAttachment) },
        { Cat::WeChat,
          FlagsOf<WeChatSMSInfo>(s.m_obLWeChat, [](const WeChatSMSInfo& m) { return m.m_nAccountIndex == 0; }) },
    };
    return flags.value(id);
}

/// The way a user unticks the first row of a list: Space on a table row or a memo tile, a
/// click on a site's box or on a photo tile.
void UntickFirstRow(EraseListView* view)
{
    if (auto* table = view->findChild<QTableView*>(QStringLiteral("recordTable"))) {
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, table->model()->columnCount() - 1));
        QTest::keyClick(table, Qt::Key_Space);
    } else if (auto* cache = qobject_cast<SafariCache*>(view)) {
        cache->Model()->setData(cache->Model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    } else if (auto* memos = qobject_cast<VoiceMemos*>(view)) {
        memos->Grid()->setFocus();
        memos->Grid()->setCurrentIndex(memos->Model()->index(0, 0));
        QTest::keyClick(memos->Grid(), Qt::Key_Space);
    } else if (auto* photos = qobject_cast<PhotoView*>(view)) {
        QTest::mouseClick(photos->Tile(0), Qt::LeftButton);
    }
}

ListCheckBox* HeaderBox(EraseListView* view)
{
    if (auto* box = view->findChild<ListCheckBox*>(QStringLiteral("headerCheckBox")))
        return box;
    return view->findChild<ListCheckBox*>(QStringLiteral("selectAllCheckBox"));
}

/// Answers the backup password dialog with the steps given, one step per appearance or, when
/// the dialog stays open, per poll: a password to confirm, or a null text to press "Return".
class PasswordTyper : public QObject
{
public:
    explicit PasswordTyper(QStringList steps)
        : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &PasswordTyper::poll);
        m_timer.start(5);
    }
    int shown = 0;

private:
    void poll()
    {
        auto* dialog = qobject_cast<CDecodingCheckDig*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || m_steps.isEmpty())
            return;
        if (dialog != m_last) {
            m_last = dialog;
            ++shown;
        }
        const QString step = m_steps.takeFirst();
        if (step.isNull()) {
            dialog->findChild<QPushButton*>("decodingReturnButton")->click();
            return;
        }
        auto* entry = dialog->findChild<QLineEdit*>("decodingPassword");
        entry->clear();
        QTest::keyClicks(entry, step);
        QTest::keyClick(entry, Qt::Key_Return);
    }

    QStringList m_steps;
    QTimer m_timer;
    QPointer<CDecodingCheckDig> m_last;
};

} // namespace

class tst_EraseScanFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void deletedFilesAsksThePasswordAndListsOnlyDeletedRecords();
    void privateDataListsExistingRecordsAndTheBoxesFollowTheRecords();
    void backupFailuresExplainThemselves_data();
    void backupFailuresExplainThemselves();
    void stopsAndForeignEventsOnTheAnalysisAndResultPages();
    void startStopsOnUnactivatedAndFindMyIPhone();
    void everyControlHasANameForTestsAndScreenReaders();

private:
    void pressStart(EraseModelBase* model);
    /// Opens each category's list from the tree and ticks both ways.
    void listsAndTreeTickTheSameRecords(OvScanResultView* view, const QVector<Cat::Id>& categories);
    /// Waits until the result view has settled after its last load.
    bool waitScanEnd(OvScanResultView* view);
    static void tick(QTreeWidgetItem* item, bool on) { item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked); }
    static QAbstractButton* button(QWidget* page, const char* name) { return page->findChild<QAbstractButton*>(name); }

    QTemporaryDir m_appDir;
    SimulatedPhone m_simulated;
    DeviceImageFixture& m_devices = m_simulated.devices();
    FakeMainWindow m_window;
    QString m_phone;
    OvEraseDeletedFilesModel* m_deleted = nullptr;
    OvErasePrivateDataModel* m_private = nullptr;
};

void tst_EraseScanFlow::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    UseAsAppFolder(m_appDir.path());
    AppStyle::instance().initialise(applicationDirectory());
    MainWindowAccess::registerInstance(&m_window);

    DeviceContent content = DeviceImageFixture::smallContent();
    content.backupPassword = kPassword;
    // Three accounts share six messages in turn: one has no deleted message.
    content.weChatAccounts = 3;
    QVERIFY2(m_simulated.connect(content), qPrintable(m_simulated.error()));
    m_phone = m_simulated.folder();

    m_deleted = new OvEraseDeletedFilesModel;
    m_private = new OvErasePrivateDataModel;
    QCOMPARE(OvEraseDeletedFilesModel::GetInstance(), m_deleted);
    QCOMPARE(OvErasePrivateDataModel::GetInstance(), m_private);
    for (OvModel* model : { static_cast<OvModel*>(m_deleted), static_cast<OvModel*>(m_private) }) {
        model->resize(1000, 600);
        model->show();
    }
}

void tst_EraseScanFlow::cleanupTestCase()
{
    delete m_deleted;
    delete m_private;
    QVERIFY(!OvErasePrivateDataModel::GetInstance());
    CController::Release();
    MainWindowAccess::registerInstance(nullptr);
}

void tst_EraseScanFlow::init()
{
    m_window.calls.clear();
    m_window.tabsEnabled = true;
    m_deleted->SwitchPage(0);
    m_private->SwitchPage(0);
}

void tst_EraseScanFlow::pressStart(EraseModelBase* model)
{
    m_window.tabIndex = model->feature();
    QTest::mouseClick(model->startPage()->startButton(), Qt::LeftButton);
}

bool tst_EraseScanFlow::waitScanEnd(OvScanResultView* view)
{
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    return QTest::qWaitFor([&] { return view->scanEnded() && tree->isEnabled(); }, 30000);
}

void tst_EraseScanFlow::listsAndTreeTickTheSameRecords(OvScanResultView* view, const QVector<Cat::Id>& categories)
{
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    for (Cat::Id id : categories) {
        const char* name = Cat::of(id).name;
        QTreeWidgetItem* item = view->categoryItem(id);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        auto* list = view->findChild<EraseListView*>(QStringLiteral("eraseList_%1").arg(name));
        QVERIFY2(list && list->isVisible(), name);
        if (id == Cat::WeChat)
            item = view->weChatItem(0); // the list of the first account opens
        QVERIFY2(CategoryFlags(id).size() > 1, name);

        tick(item, true);
        QVERIFY2(Cleared(CategoryFlags(id)) == 0, name);
        QCOMPARE(HeaderBox(list)->checkState(), Qt::Checked);
        UntickFirstRow(list);
        const QVector<quint8> flags = CategoryFlags(id);
        QVERIFY2(Cleared(flags) >= 1 && Cleared(flags) < flags.size(), name);
        if (id != Cat::WeChat && id != Cat::WhatsApp && id != Cat::SafariCache) // one row, one record
            QVERIFY2(Cleared(flags) == 1 && flags.at(0) == 0, name);
        QCOMPARE(HeaderBox(list)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(item->checkState(0), Qt::PartiallyChecked);

        HeaderBox(list)->click(); // partly checked: a click selects everything
        QVERIFY2(Cleared(CategoryFlags(id)) == 0, name);
        QCOMPARE(item->checkState(0), Qt::Checked);
        for (const WeChatSMSInfo& message : CGlobalData::GetInstance()->m_obLWeChat) // no other account's
            QCOMPARE(bool(message.m_bSelected), id == Cat::WeChat && message.m_nAccountIndex == 0);
        tick(item, false);
        QVERIFY2(Cleared(CategoryFlags(id)) == CategoryFlags(id).size(), name);
        QCOMPARE(HeaderBox(list)->checkState(), Qt::Unchecked);
    }
    // No box reached another category's records.
    QCOMPARE(SelectedRecords(view == m_deleted->resultView() ? 0 : 1), 0);
}

void tst_EraseScanFlow::deletedFilesAsksThePasswordAndListsOnlyDeletedRecords()
{
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    OvScanResultView* view = m_deleted->resultView();

    // Closing the password dialog gives up: nothing starts.
    {
        PasswordTyper typer({ QString() });
        pressStart(m_deleted);
        QCOMPARE(typer.shown, 1);
        QCOMPARE(m_deleted->pages()->currentIndex(), 0);
        QVERIFY(m_window.calls.isEmpty());
    }
    // An empty entry is refused in place (no box, no second dialog), a wrong one asks again,
    // the right one proceeds.
    {
        PasswordTyper typer({ "", "wrong", kPassword });
        pressStart(m_deleted);
        QCOMPARE(typer.shown, 2);
        QCOMPARE(answerer.texts(), QStringList { "Password is not correct!" });
    }
    QVERIFY_PAGE(m_deleted, OvEraseDeletedFilesModel::ResultPage);
    QVERIFY(waitScanEnd(view));
    QCOMPARE(m_window.calls.first(), false);
    QVERIFY(m_window.tabsEnabled);

    // The tree: the mode's categories in order, each counting what the device says is deleted.
    const ImageSummary device = m_devices.summary(m_phone);
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    QCOMPARE(tree->topLevelItemCount(), kDeletedCategories.size());
    int total = 0;
    for (int row = 0; row < kDeletedCategories.size(); ++row) {
        const Cat::Id id = kDeletedCategories[row].first;
        QTreeWidgetItem* item = tree->topLevelItem(row);
        QCOMPARE(item, view->categoryItem(id));
        int expected = 0;
        for (const QString& key : kDeletedCategories[row].second)
            expected += device.count(key).deleted;
        QVERIFY2(expected > 0, Cat::of(id).name);
        QVERIFY2(item->text(0).endsWith(QString(" (%1)").arg(expected)), qPrintable(item->text(0)));
        QCOMPARE(item->checkState(0), Qt::Unchecked);
        total += expected;
    }
    QCOMPARE(view->total(), total);
    QCOMPARE(view->findChild<QLabel*>("scanResultTotal")->text(), QString::number(total));
    QCOMPARE(view->scanProgress(), 99);
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());
    QCOMPARE(SelectedRecords(0), 0);

    // The tree takes Space as a tick, and Erase Now follows the ticks.
    QTreeWidgetItem* contacts = view->categoryItem(Cat::Contact);
    tree->setFocus();
    tree->setCurrentItem(contacts);
    QTest::keyClick(tree, Qt::Key_Space);
    QCOMPARE(view->CategoryCheckState("Contact"), Qt::Checked);
    QVERIFY(button(view, "eraseNowButton")->isEnabled());
    tick(contacts, false);
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());
    // The categories only this mode lists; the others are the next test's.
    listsAndTreeTickTheSameRecords(view, { Cat::Contact, Cat::Calendar, Cat::Bookmark, Cat::VoiceMemo });
    // Keys this mode does not show never read as ticked.
    QCOMPARE(view->CategoryCheckState("Viber"), Qt::Unchecked);
    QCOMPARE(view->CategoryCheckState("no such key"), Qt::Unchecked);

    // One WeChat account: only its messages, and the category reads partly ticked. The
    // device's messages go to its three accounts in turn, so the first has no deleted one.
    QTreeWidgetItem* secondAccount = view->weChatItem(1);
    QVERIFY(secondAccount);
    tick(secondAccount, true);
    int accountMessages = 0;
    for (const WeChatSMSInfo& message : CGlobalData::GetInstance()->m_obLWeChat) {
        QCOMPARE(bool(message.m_bSelected), message.m_nAccountIndex == 1);
        accountMessages += message.m_nAccountIndex == 1;
    }
    QVERIFY(accountMessages > 0);
    QCOMPARE(view->categoryItem(Cat::WeChat)->checkState(0), Qt::PartiallyChecked);
    QCOMPARE(view->CategoryCheckState("WeChat"), Qt::PartiallyChecked);
    // The account without messages cannot be ticked.
    QTreeWidgetItem* emptyAccount = view->weChatItem(0);
    QVERIFY(emptyAccount && !(emptyAccount->flags() & Qt::ItemIsEnabled));
    tick(emptyAccount, true);
    QCOMPARE(emptyAccount->checkState(0), Qt::Unchecked);

    // Back, and yes: the results are gone and the next visit starts clean.
    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(button(view, "scanResultBackButton"), Qt::LeftButton);
    QVERIFY_PAGE(m_deleted, 0);
    QCOMPARE(view->total(), 0);
    QVERIFY(!view->scanEnded());
    QVERIFY(view->categoryItem(Cat::Message)->text(0).endsWith(" (0)"));
    QVERIFY(!view->weChatItem(0));
}

void tst_EraseScanFlow::privateDataListsExistingRecordsAndTheBoxesFollowTheRecords()
{
    MessageBoxAnswerer answerer(OvMessageBox::No);
    OvScanResultView* view = m_private->resultView();
    pressStart(m_private); // the password was given in the other feature
    QVERIFY_PAGE(m_private, OvErasePrivateDataModel::ResultPage);
    QVERIFY(waitScanEnd(view));

    // What it counts is checked against the device through the real window in tst_EraseScanUnplug.
    const int total = view->total();
    QVERIFY(total > 0);

    listsAndTreeTickTheSameRecords(view, Cat::Ordered(1));

    // One record ticked: the box and Erase Now follow it, and a list that reports more than
    // its records hold does not fool the box.
    QTreeWidgetItem* calls = view->categoryItem(Cat::CallHistory);
    CGlobalData::GetInstance()->m_obLCallLogSession[1].m_bSelected = 1;
    view->synchronizeCallHistoryCheckSlot(2);
    QCOMPARE(calls->checkState(0), Qt::PartiallyChecked);
    QCOMPARE(view->CategoryCheckState("Call History"), Qt::PartiallyChecked);
    QCOMPARE(SelectedRecords(1), 1);
    QVERIFY(button(view, "eraseNowButton")->isEnabled());
    tick(calls, false);
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());

    // Erase Now keeps the results for the confirmation; Back asks first.
    tick(view->categoryItem(Cat::Message), true);
    QTest::mouseClick(button(view, "eraseNowButton"), Qt::LeftButton);
    QVERIFY_PAGE(m_private, OvErasePrivateDataModel::ConfirmPage);
    m_private->SwitchPage(OvErasePrivateDataModel::ResultPage);
    QCOMPARE(view->total(), total);
    QCOMPARE(view->CategoryCheckState("Message"), Qt::Checked);
    QTest::mouseClick(button(view, "scanResultBackButton"), Qt::LeftButton);
    QCOMPARE(m_private->pages()->currentIndex(), int(OvErasePrivateDataModel::ResultPage));
    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(button(view, "scanResultBackButton"), Qt::LeftButton);
    QVERIFY_PAGE(m_private, 0);
    QCOMPARE(view->total(), 0);
}

void tst_EraseScanFlow::backupFailuresExplainThemselves_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("start");
    QTest::newRow("locked") << -19 << "Please unlock your device and tap \"Trust\"";
    QTest::newRow("other") << -77 << "There may be unknown error with your iTunes.";
    QTest::newRow("stopped") << 1003 << QString();
}

void tst_EraseScanFlow::backupFailuresExplainThemselves()
{
    QFETCH(int, code);
    QFETCH(QString, start);
    QVERIFY(m_devices.setFault(m_phone, "backup", code));
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    SignalRecorder backup(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    pressStart(m_private);
    QVERIFY(QTest::qWaitFor([&] { return !backup.isEmpty() && backup.last().at(0).toInt() == 24; }, 20000));
    QVERIFY_PAGE(m_private, 0);
    QVERIFY(m_devices.setFault(m_phone, "backup", 0));
    QVERIFY(m_window.tabsEnabled);
    if (start.isEmpty()) {
        QVERIFY(answerer.questions().isEmpty());
        return;
    }
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().title, QString("Data Analysis Failed"));
    QVERIFY(answerer.texts().first().startsWith(start));
    QVERIFY(answerer.texts().first().endsWith(QString("(error code: %1)").arg(code)));
}

void tst_EraseScanFlow::stopsAndForeignEventsOnTheAnalysisAndResultPages()
{
    MessageBoxAnswerer answerer(OvMessageBox::No);
    ScanAnalyzeView* analyze = m_private->analyzePage();
    m_window.tabIndex = 3;
    m_private->SwitchPage(OvErasePrivateDataModel::AnalyzePage);
    CTaskCallback* callback = CTaskCallback::GetInstance();

    // Another feature's backup moves nothing here.
    m_window.tabIndex = 2;
    emit callback->signalBackupDevData(66, 40);
    emit callback->signalBackupDevData(20, 0);
    QCOMPARE(analyze->progress(), 0);
    QCOMPARE(m_private->pages()->currentIndex(), int(OvErasePrivateDataModel::AnalyzePage));
    m_window.tabIndex = 3;
    emit callback->signalBackupDevData(66, 100);
    QCOMPARE(analyze->progress(), 99);

    auto* stop = button(analyze, "analyzeStopButton");
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 1);
    QVERIFY(stop->isVisible());
    QCOMPARE(analyze->statusText(), QString("Loading data, please wait..."));

    answerer.setButton(OvMessageBox::Yes);
    m_window.tabsEnabled = false;
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(analyze->statusText(), QString("Cancelling, please wait a moment ..."));
    QVERIFY(!stop->isVisible());
    QVERIFY_PAGE(m_private, 0);
    QVERIFY(m_window.tabsEnabled);
    // Shown again, the page is ready for the next backup.
    m_private->SwitchPage(OvErasePrivateDataModel::AnalyzePage);
    QVERIFY(stop->isVisible());
    QCOMPARE(analyze->statusText(), QString("Loading data, please wait..."));
    QCOMPARE(analyze->progress(), 0);

    CGlobalData& store = *CGlobalData::GetInstance();
    OvScanResultView* view = m_private->resultView();
    answerer.setButton(OvMessageBox::No);
    m_private->SwitchPage(OvErasePrivateDataModel::ResultPage);
    store.m_obLSMSSession.clear();
    store.m_obLCallLogSession = { CallLogSessionInfo() };

    // A repeated announcement counts once; another tab's counts not at all.
    emit callback->signalLoadCallLogData();
    emit callback->signalLoadCallLogData();
    m_window.tabIndex = 2;
    emit callback->signalLoadSMSData();
    m_window.tabIndex = 3;
    QCOMPARE(view->total(), 1);
    QCOMPARE(view->scanProgress(), 9);

    // Stop, no: the scan goes on. Stop, yes: the scan ends with what arrived.
    stop = button(view, "scanResultStopButton");
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(!view->scanEnded());
    answerer.setButton(OvMessageBox::Yes);
    m_window.tabsEnabled = false;
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(view->scanEnded());
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(waitScanEnd(view));
    QVERIFY(!stop->isVisible());
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());
    QVERIFY(view->categoryItem(Cat::CallHistory)->flags() & Qt::ItemIsEnabled);
    QVERIFY(!(view->categoryItem(Cat::Message)->flags() & Qt::ItemIsEnabled));

    // Loads of any feature end at 99, never beyond (the deleted files' own nine are counted
    // against the device above); with nothing found the page says so and offers no erase.
    m_private->SwitchPage(0);
    ClearRecords();
    m_private->SwitchPage(OvErasePrivateDataModel::ResultPage);
    for (auto signal : { &CTaskCallback::signalLoadSMSData, &CTaskCallback::signalLoadPhotoAndVideoData,
                         &CTaskCallback::signalLoadNoteData, &CTaskCallback::signalLoadCallLogData,
                         &CTaskCallback::signalLoadWhatsAppData, &CTaskCallback::signalLoadSafariHistoryData,
                         &CTaskCallback::signalLoadSafariCookieData, &CTaskCallback::signalLoadSafariCacheData,
                         &CTaskCallback::signalLoadViberData, &CTaskCallback::signalLoadKikData,
                         &CTaskCallback::signalLoadWeChatData, &CTaskCallback::signalLoadCallendarData,
                         &CTaskCallback::signalLoadBookMarkData, &CTaskCallback::signalLoadVoiceMemosData })
        emit(callback->*signal)();
    QCOMPARE(view->scanProgress(), 99);
    QVERIFY(waitScanEnd(view));
    QCOMPARE(view->total(), 0);
    QCOMPARE(view->findChild<QLabel*>("scanningDataText")->text(), QString("No data scanned"));
    QVERIFY(view->findChild<QWidget*>("ScanningData")->isVisible());
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());
}

void tst_EraseScanFlow::startStopsOnUnactivatedAndFindMyIPhone()
{
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("activationState", "Unactivated"); }));
    pressStart(m_private);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("activationState", "Activated"); }));
    QCOMPARE(answerer.texts(),
             QStringList { "Please set up and activate your device first before you use any other function." });
    QCOMPARE(m_private->pages()->currentIndex(), 0);
    QVERIFY(m_window.calls.isEmpty());

    // Erase All Data stops while Find My iPhone is on, and only moves to its next page after.
    EraseTabPage page(1, nullptr, "erase_private_data_icon.png", "Erase All Data", "text", "Erase");
    page.show();
    SignalRecorder switches(&page, &EraseTabPage::SignalSwitchPage);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("findMyIPhone", true); }));
    // "Try again" and "Continue" both close the tip; neither moves on while it is on.
    QStringList pressed;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        auto* tip = qobject_cast<EraseTipDialog*>(QApplication::activeModalWidget());
        if (tip && tip->mode() == EraseTipDialog::FindMyIPhone) {
            pressed << (pressed.isEmpty() ? "tryAgainButton" : "continueButton");
            tip->findChild<QPushButton*>(pressed.last())->click();
        }
    });
    closer.start(5);
    m_window.tabIndex = 1;
    QTest::mouseClick(page.startButton(), Qt::LeftButton);
    QTest::mouseClick(page.startButton(), Qt::LeftButton);
    QCOMPARE(pressed.size(), 2);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("findMyIPhone", false); }));
    QCoreApplication::processEvents();
    QVERIFY(switches.isEmpty());
    QTest::mouseClick(page.startButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !switches.isEmpty(); }, 2000));
    QCOMPARE(switches.first().first().toInt(), 1);
    QCOMPARE(pressed.size(), 2);
    // Its device work is its own model's: the tabs stay as they were.
    QVERIFY(m_window.calls.isEmpty());
}

void tst_EraseScanFlow::everyControlHasANameForTestsAndScreenReaders()
{
    CDecodingCheckDig dialog;
    QList<QWidget*> pages { &dialog };
    for (int page = 0; page <= 2; ++page)
        pages << m_deleted->pages()->widget(page) << m_private->pages()->widget(page);
    int controls = 0;
    for (QWidget* page : pages) {
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QTreeWidget*>(widget)
                && !qobject_cast<QLineEdit*>(widget))
                continue;
            ++controls;
            QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
    QVERIFY(controls >= 12);
}

QTEST_MAIN(tst_EraseScanFlow)
#include "tst_EraseScanFlow.moc"
