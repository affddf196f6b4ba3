// Erase Deleted Files and Erase Private Data up to the ticked result list, against a simulated
// device whose content the test knows: what the tree lists must be true of the device.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CDecodingCheckDig.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EraseTabPage.h"
#include "EraseTipDialog.h"
#include "FakeMainWindow.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "PageWaiter.h"
#include "ScanAnalyzeView.h"
#include "ScanCategory.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr char kPassword[] = "s3cret pass";
using Cat = ScanCategory;

/// What `ovsim show` says a category of the tree must count, by mode.
int Expected(const ImageSummary& device, Cat::Id id, int mode)
{
    auto pick = [mode](const ImageSummary::Count& count) { return mode == 0 ? count.deleted : count.existing; };
    switch (id) {
    case Cat::Message:
        return pick(device.count("messageItems"));
    case Cat::MsgAttachment:
        return pick(device.count("messageAttachments"));
    case Cat::Contact:
        return pick(device.count("contacts"));
    case Cat::Calendar:
        return pick(device.count("calendar"));
    case Cat::CallHistory:
        return pick(device.count("callLog"));
    case Cat::Note:
        return pick(device.count("notes"));
    case Cat::NoteAttachment:
        return pick(device.count("noteAttachments"));
    case Cat::SafariHistory:
        return pick(device.count("safariHistory"));
    case Cat::SafariCookie:
        return pick(device.count("safariCookies"));
    case Cat::SafariCache:
        return pick(device.count("safariCache"));
    case Cat::Bookmark:
        return pick(device.count("bookmarks"));
    case Cat::Photo:
        return pick(device.count("photos")) + pick(device.count("videos"));
    case Cat::VoiceMemo:
        return pick(device.count("voiceMemos"));
    case Cat::WeChat:
        return pick(device.count("weChat"));
    case Cat::WhatsApp:
        return pick(device.count("whatsApp"));
    case Cat::WhatsAppAttachment:
        return pick(device.count("whatsAppAttachments"));
    case Cat::Viber:
        return pick(device.count("viber"));
    case Cat::Kik:
        return pick(device.count("kik"));
    case Cat::KikAttachment:
        return pick(device.count("kikAttachments"));
    default:
        return -1;
    }
}

/// Records of the categories a mode shows whose selected flag is set.
int SelectedRecords(int mode)
{
    int selected = 0;
    for (Cat::Id category : Cat::Ordered(mode)) {
        const int count = Cat::RecordCount(category, *CGlobalData::GetInstance());
        if (Cat::SelectionState(category, *CGlobalData::GetInstance()) == Qt::Checked)
            selected += count;
        else if (Cat::SelectionState(category, *CGlobalData::GetInstance()) == Qt::PartiallyChecked)
            selected += 1; // the tests below tick single records only
    }
    return selected;
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
    QStringList warnings;
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
        if (dialog->isVisible() && !dialog->warningText().isEmpty())
            warnings << dialog->warningText();
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
    void analysisStopAndForeignEvents();
    void resultProgressStopAndEmptyResult();
    void startStopsOnUnactivatedAndFindMyIPhone();
    void deviceLeavingDuringTheBackupReturnsHome();
    void everyControlHasANameForTestsAndScreenReaders();

private:
    void pressStart(EraseModelBase* model);
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
    // An empty entry is refused in place, a wrong one asks again, the right one proceeds.
    {
        PasswordTyper typer({ "", "wrong", kPassword });
        pressStart(m_deleted);
        QCOMPARE(typer.warnings, QStringList { "Password can not be empty!" });
        QCOMPARE(typer.shown, 2);
        QCOMPARE(answerer.texts(), QStringList { "Password is not correct!" });
        QCOMPARE(answerer.questions().first().icon, QString("tip_warning.png"));
    }
    QVERIFY_PAGE(m_deleted, OvEraseDeletedFilesModel::ResultPage);
    QVERIFY(waitScanEnd(view));
    QCOMPARE(m_window.calls.first(), false);
    QVERIFY(m_window.tabsEnabled);

    // The tree: the mode's categories in order, each counting what the device says is deleted.
    const ImageSummary device = m_devices.summary(m_phone);
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    const QVector<Cat::Id> order { Cat::Message,       Cat::Contact,  Cat::Calendar, Cat::CallHistory, Cat::Note,
                                   Cat::SafariHistory, Cat::Bookmark, Cat::Photo,    Cat::VoiceMemo,   Cat::WeChat };
    QCOMPARE(tree->topLevelItemCount(), order.size());
    int total = 0;
    for (int row = 0; row < order.size(); ++row) {
        QTreeWidgetItem* item = tree->topLevelItem(row);
        QCOMPARE(item, view->categoryItem(order[row]));
        const int expected = Expected(device, order[row], 0);
        QVERIFY2(expected > 0, Cat::of(order[row]).name);
        QVERIFY2(item->text(0).endsWith(QString(" (%1)").arg(expected)), qPrintable(item->text(0)));
        QCOMPARE(item->checkState(0), Qt::Unchecked);
        total += expected;
    }
    QCOMPARE(view->total(), total);
    QCOMPARE(view->findChild<QLabel*>("scanResultTotal")->text(), QString::number(total));
    QCOMPARE(view->scanProgress(), 99);
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());

    // Nothing that still exists survives the filter; nothing is ticked before the user ticks.
    const CGlobalData& store = *CGlobalData::GetInstance();
    for (const SMSSessionInfo& session : store.m_obLSMSSession) {
        for (const SMSInfo& sms : session.m_obLMessages)
            QVERIFY(session.m_bDeleted || sms.m_bDeleted);
    }
    for (const ContactInfo& contact : store.m_obLContact)
        QVERIFY(contact.m_bDeleted && !contact.m_bSelected);
    for (const PhotoVideoInfo& photo : store.m_obLPhotoAndVideo)
        QVERIFY(photo.m_bDeleted && !photo.m_bSelected);
    QCOMPARE(SelectedRecords(0), 0);

    // Ticking a category by the keyboard ticks every record of it, and Erase Now follows.
    QTreeWidgetItem* contacts = view->categoryItem(Cat::Contact);
    tree->setFocus();
    tree->setCurrentItem(contacts);
    QTest::keyClick(tree, Qt::Key_Space);
    QCOMPARE(contacts->checkState(0), Qt::Checked);
    QCOMPARE(view->CategoryCheckState("Contact"), Qt::Checked);
    QCOMPARE(SelectedRecords(0), Expected(device, Cat::Contact, 0));
    QVERIFY(button(view, "eraseNowButton")->isEnabled());
    tick(contacts, false);
    QCOMPARE(SelectedRecords(0), 0);
    QCOMPARE(view->CategoryCheckState("Contact"), Qt::Unchecked);
    QVERIFY(!button(view, "eraseNowButton")->isEnabled());
    // Keys this mode does not show never read as ticked.
    QCOMPARE(view->CategoryCheckState("Viber"), Qt::Unchecked);
    QCOMPARE(view->CategoryCheckState("no such key"), Qt::Unchecked);

    // One WeChat account: only its messages, and the category reads partly ticked. The
    // device's messages go to its three accounts in turn, so the first has no deleted one.
    QTreeWidgetItem* secondAccount = view->weChatItem(1);
    QVERIFY(secondAccount);
    tick(secondAccount, true);
    int accountMessages = 0;
    for (const WeChatSMSInfo& message : store.m_obLWeChat) {
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
    QCOMPARE(answerer.questions().last().title, QString("Warning"));
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

    const ImageSummary device = m_devices.summary(m_phone);
    const QVector<Cat::Id> order = Cat::Ordered(1);
    QCOMPARE(order.size(), 15);
    QCOMPARE(order.first(), Cat::Message);
    QCOMPARE(order.last(), Cat::WeChat);
    int total = 0;
    for (Cat::Id id : order) {
        const int expected = Expected(device, id, 1);
        QTreeWidgetItem* item = view->categoryItem(id);
        QVERIFY2(item->text(0).endsWith(QString(" (%1)").arg(expected)), qPrintable(item->text(0)));
        QCOMPARE(bool(item->flags() & Qt::ItemIsEnabled), expected > 0);
        total += expected;
    }
    QCOMPARE(view->total(), total);
    QCOMPARE(view->scanProgress(), 99);
    const CGlobalData& store = *CGlobalData::GetInstance();
    for (const SMSSessionInfo& session : store.m_obLSMSSession) {
        QVERIFY(!session.m_bDeleted);
        for (const SMSInfo& sms : session.m_obLMessages)
            QVERIFY(!sms.m_bDeleted);
    }
    for (const CallLogSessionInfo& call : store.m_obLCallLogSession)
        QVERIFY(!call.m_bDeleted);

    // Clicking a category shows its list; a list that cannot be made leaves an empty pane.
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    QTreeWidgetItem* calls = view->categoryItem(Cat::CallHistory);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(calls).center());
    auto* right = view->findChild<QStackedWidget*>("scanResultRight");
    QVERIFY(right->currentWidget() != view->findChild<QWidget*>("ScanningData"));

    // A list ticks one row: the box follows that record, and so does Erase Now.
    CGlobalData::GetInstance()->m_obLCallLogSession[1].m_bSelected = 1;
    view->synchronizeCallHistoryCheckSlot(1);
    QCOMPARE(calls->checkState(0), Qt::PartiallyChecked);
    QCOMPARE(view->CategoryCheckState("Call History"), Qt::PartiallyChecked);
    QCOMPARE(SelectedRecords(1), 1);
    QVERIFY(button(view, "eraseNowButton")->isEnabled());
    // A list that reports more than its records hold does not fool the box.
    view->synchronizeCallHistoryCheckSlot(2);
    QCOMPARE(calls->checkState(0), Qt::PartiallyChecked);
    tick(calls, true);
    for (const CallLogSessionInfo& call : store.m_obLCallLogSession)
        QVERIFY(call.m_bSelected);
    tick(calls, false);
    QCOMPARE(SelectedRecords(1), 0);
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
    QTest::newRow("not set up") << -38 << "It failed to analyze your device.";
    QTest::newRow("computer full") << -36 << "Your PC doesn't have enough storage";
    QTest::newRow("locked") << -19 << "Please unlock your device and tap \"Trust\"";
    QTest::newRow("device full") << -10 << "Your iDevice storage is almost full.";
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

void tst_EraseScanFlow::analysisStopAndForeignEvents()
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
}

void tst_EraseScanFlow::resultProgressStopAndEmptyResult()
{
    MessageBoxAnswerer answerer(OvMessageBox::No);
    CTaskCallback* callback = CTaskCallback::GetInstance();
    CGlobalData& store = *CGlobalData::GetInstance();
    OvScanResultView* view = m_private->resultView();
    m_window.tabIndex = 3;
    m_private->SwitchPage(OvErasePrivateDataModel::ResultPage);
    store.m_obLSMSSession.clear();
    store.m_obLCallLogSession.clear();
    CallLogSessionInfo call;
    call.m_strNumber = "555";
    store.m_obLCallLogSession.append(call);

    // A repeated announcement counts once; another tab's counts not at all.
    emit callback->signalLoadCallLogData();
    emit callback->signalLoadCallLogData();
    m_window.tabIndex = 2;
    emit callback->signalLoadSMSData();
    m_window.tabIndex = 3;
    QCOMPARE(view->total(), 1);
    QCOMPARE(view->scanProgress(), 9);

    // Stop, no: the scan goes on. Stop, yes: the scan ends with what arrived.
    auto* stop = button(view, "scanResultStopButton");
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

    // Nine loads of Erase Deleted Files and eleven of Erase Private Data both end at 99; with
    // nothing found the page says so and offers no erase.
    m_private->SwitchPage(0);
    for (CGlobalData* s : { &store }) {
        s->m_obLSMSSession.clear();
        s->m_obLCallLogSession.clear();
    }
    const auto emitAll = [callback] {
        for (auto signal : { &CTaskCallback::signalLoadSMSData, &CTaskCallback::signalLoadPhotoAndVideoData,
                             &CTaskCallback::signalLoadNoteData, &CTaskCallback::signalLoadCallLogData,
                             &CTaskCallback::signalLoadWhatsAppData, &CTaskCallback::signalLoadSafariHistoryData,
                             &CTaskCallback::signalLoadSafariCookieData, &CTaskCallback::signalLoadSafariCacheData,
                             &CTaskCallback::signalLoadViberData, &CTaskCallback::signalLoadKikData,
                             &CTaskCallback::signalLoadWeChatData, &CTaskCallback::signalLoadCallendarData,
                             &CTaskCallback::signalLoadBookMarkData, &CTaskCallback::signalLoadVoiceMemosData })
            emit(callback->*signal)();
    };
    // Everything else the device held is emptied, as if the backup had nothing.
    store.m_obLSMSAttachment.clear();
    store.m_obLPhotoAndVideo.clear();
    store.m_obLNote.clear();
    store.m_obLNoteAttachment.clear();
    store.m_obLWhatsApp.clear();
    store.m_obLWhatsAppAttachment.clear();
    store.m_obLSafariHistory.clear();
    store.m_obLSafariCookie.clear();
    store.m_obLSafariCache.clear();
    store.m_obLViber.clear();
    store.m_obLKik.clear();
    store.m_obLKikAttachment.clear();
    store.m_obLWeChat.clear();
    store.m_obLWeChatAccount.clear();
    store.m_obLCalendar.clear();
    store.m_obLBookMark.clear();
    store.m_obLVoiceMemo.clear();
    store.m_obLContact.clear();
    for (EraseModelBase* model : { static_cast<EraseModelBase*>(m_private), static_cast<EraseModelBase*>(m_deleted) }) {
        OvScanResultView* result = model == m_private ? m_private->resultView() : m_deleted->resultView();
        m_window.tabIndex = model->feature();
        model->SwitchPage(2);
        emitAll();
        QCOMPARE(result->scanProgress(), 99);
        QVERIFY(waitScanEnd(result));
        QCOMPARE(result->total(), 0);
        QCOMPARE(result->findChild<QLabel*>("scanningDataText")->text(), QString("No data scanned"));
        QVERIFY(result->findChild<QWidget*>("ScanningData")->isVisible());
        QVERIFY(!button(result, "eraseNowButton")->isEnabled());
        model->SwitchPage(0);
    }
}

void tst_EraseScanFlow::startStopsOnUnactivatedAndFindMyIPhone()
{
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("activationState", "Unactivated"); }));
    pressStart(m_private);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("activationState", "Activated"); }));
    QCOMPARE(answerer.texts(),
             QStringList { "Please set up and activate your device first before you use any other function." });
    QCOMPARE(answerer.questions().first().title, QString("note"));
    QCOMPARE(m_private->pages()->currentIndex(), 0);
    QVERIFY(m_window.calls.isEmpty());

    // Erase All Data stops while Find My iPhone is on, and only moves to its next page after.
    EraseTabPage page(1, nullptr, "erase_private_data_icon.png", "Erase All Data", "text", "Erase");
    page.show();
    SignalRecorder switches(&page, &EraseTabPage::SignalSwitchPage);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("findMyIPhone", true); }));
    int tips = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto* tip = qobject_cast<EraseTipDialog*>(QApplication::activeModalWidget())) {
            tips += tip->mode() == EraseTipDialog::FindMyIPhone;
            tip->findChild<QPushButton*>("continueButton")->click();
        }
    });
    closer.start(5);
    m_window.tabIndex = 1;
    QTest::mouseClick(page.startButton(), Qt::LeftButton);
    QCOMPARE(tips, 1);
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.set("findMyIPhone", false); }));
    QCoreApplication::processEvents();
    QVERIFY(switches.isEmpty());
    QTest::mouseClick(page.startButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !switches.isEmpty(); }, 2000));
    QCOMPARE(switches.first().first().toInt(), 1);
    QCOMPARE(tips, 1);
    // Its device work is its own model's: the tabs stay as they were.
    QVERIFY(m_window.calls.isEmpty());
}

void tst_EraseScanFlow::deviceLeavingDuringTheBackupReturnsHome()
{
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QVERIFY(m_devices.setFault(m_phone, "leave", "backup"));
    pressStart(m_deleted);
    QVERIFY(QTest::qWaitFor([&] { return !m_devices.isPlugged(m_phone); }, 20000));
    QVERIFY_PAGE(m_deleted, 0);
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(m_devices.setFault(m_phone, "leave", QString()));
    // Without a device the start posts nothing and stays home.
    m_window.calls.clear();
    pressStart(m_deleted);
    QCOMPARE(m_deleted->pages()->currentIndex(), 0);
    QVERIFY(m_window.tabsEnabled);
}

void tst_EraseScanFlow::everyControlHasANameForTestsAndScreenReaders()
{
    QList<QWidget*> pages;
    for (EraseModelBase* model : { static_cast<EraseModelBase*>(m_deleted), static_cast<EraseModelBase*>(m_private) }) {
        for (int page = 0; page <= 2; ++page)
            pages << model->pages()->widget(page);
    }
    CDecodingCheckDig dialog;
    pages << &dialog;
    int controls = 0;
    for (QWidget* page : pages) {
        QList<QWidget*> widgets;
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
            widgets << button;
        for (QWidget* widget : page->findChildren<QTreeWidget*>())
            widgets << widget;
        for (QWidget* widget : page->findChildren<QLineEdit*>())
            widgets << widget;
        for (QWidget* widget : widgets) {
            ++controls;
            QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
    QVERIFY(controls >= 12);
}

QTEST_MAIN(tst_EraseScanFlow)
#include "tst_EraseScanFlow.moc"
