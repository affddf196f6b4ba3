#include "CController.h"
#include "CEraseDataWid.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CompleteEraseView.h"
#include "DeviceRestartView.h"
#include "EraseFlow.h"
#include "ErasePhone.h"
#include "EraseSafeConfirm.h"
#include "MessageBoxAnswerer.h"
#include "OvMessageBox.h"
#include "PageWaiter.h"
#include "SafeLevelSettingDialog.h"
#include "SignalRecorder.h"

#include "AppFolder.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr quint64 kGiB = quint64(1024) * 1024 * 1024;

} // namespace

// The erase sequence after the confirmation: what is erased, what survives, and the page a
// flow ends on, against simulated devices. Each device flow uses a fresh device.
class tst_EraseSequence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Without a device: the pages' own rules.
    void confirmationWordAndEstimate();
    void levelLinkWritesTheFile();
    void eraseWaitCountsOnlyItsOwnTab();
    void nothingTickedNeverWaits();
    void restoreOutcomes();
    void fillPassesAndFailure();

    // Against simulated devices.
    void privateDataErasesExactlyTheTicksAtHigh();
    void deletedFilesAtLowTouchesNoExistingRecord();
    void partlyTickedWholeCategoryIsRefused();
    void failedJobKeepsTheBackup_data();
    void failedJobKeepsTheBackup();
    void stopOnEachPage_data();
    void stopOnEachPage();
    void deviceLeavesMidJob_data();
    void deviceLeavesMidJob();
    void deviceThatDoesNotComeBack();

private:
    void startErase(EraseFlow& flow);

    void checkDevice(const QMap<QString, QJsonArray>& before, const QMap<QString, QSet<qint64>>& erased);

    QTemporaryDir m_app;
    std::unique_ptr<ErasePhone> m_phone;
    MessageBoxAnswerer* m_answers = nullptr;
};

void tst_EraseSequence::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
    m_phone = std::make_unique<ErasePhone>();
}

void tst_EraseSequence::init()
{
    MainWindowAccess::setSecurityLevel(1);
    qputenv("OVDRIVER_SIM_DELAY_MS", "0");
    m_answers = new MessageBoxAnswerer(OvMessageBox::Yes, this);
}

void tst_EraseSequence::cleanup()
{
    delete m_answers;
    m_answers = nullptr;
    qputenv("OVDRIVER_SIM_DELAY_MS", "0");
}

void tst_EraseSequence::checkDevice(const QMap<QString, QJsonArray>& before, const QMap<QString, QSet<qint64>>& erased)
{
    const ErasePhone::Outcome outcome = m_phone->compare(before, erased);
    QVERIFY2(outcome.ok(), qPrintable(outcome.firstProblem));
    QVERIFY(outcome.erased > 0);
}

void tst_EraseSequence::startErase(EraseFlow& flow)
{
    flow.model.SwitchPage(EraseFlow::Confirm);
    m_answers->setButton(OvMessageBox::Yes);
    flow.typeAndConfirm("delete");
}

void tst_EraseSequence::confirmationWordAndEstimate()
{
    EraseFlow flow(3);
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_nTotalSpace = 64 * kGiB;
    store->m_nFreeSpace = 20 * kGiB + 5; // used space 43.99 GiB: whole GiB only
    auto* edit = flow.confirm->findChild<QLineEdit*>("confirmWordEdit");

    // A wrong word is refused and left in place for correction.
    flow.typeAndConfirm("delet");
    QCOMPARE(m_answers->questions().size(), 1);
    QCOMPARE(m_answers->questions().last().title, QStringLiteral("Attention"));
    QCOMPARE(m_answers->questions().last().text,
             QStringLiteral("Sorry, the input is not correct. Please type \"delete\" again."));
    QCOMPARE(edit->text(), QStringLiteral("delet"));
    QCOMPARE(flow.page(), int(EraseFlow::Confirm));

    // Case and surrounding blanks do not matter; the estimate then asks, and Cancel stops.
    m_answers->setButton(OvMessageBox::No);
    const struct
    {
        const char* word;
        int level;
        int minutes;
        int passes;
    } accepted[]
        = { { "DELETE", 2, 43 + 2, 0 }, { "  delete ", 0, 43 + 2 + 2 * (20 + 2), 2 }, { "Delete", 1, 43 + 2 + 22, 1 } };
    for (const auto& row : accepted) {
        MainWindowAccess::setSecurityLevel(row.level);
        flow.confirm->Prepare();
        flow.boxes = { { "Message", Qt::Checked } };
        store->m_obLSMSSession = { SMSSessionInfo() };
        store->m_obLSMSSession.first().m_nHandle = 7;
        flow.typeAndConfirm(row.word);
        QVERIFY2(m_answers->questions().last().text.startsWith(
                     QStringLiteral("It will need about %1 minutes to erase data.").arg(row.minutes)),
                 qPrintable(m_answers->questions().last().text));
        QCOMPARE(flow.page(), int(EraseFlow::Confirm));
        QCOMPARE(flow.confirm->FillPasses(), row.passes);
    }
    QVERIFY(flow.window.calls.isEmpty()); // Cancel never locks the tabs

    // Another tab than the three that erase: nothing is posted.
    flow.window.tabIndex = 1;
    flow.typeAndConfirm("delete");
    QCOMPARE(m_answers->questions().last().text, QStringLiteral("Error index when posting task:1"));
    QCOMPARE(flow.page(), int(EraseFlow::Confirm));

    // Back returns to the result list, whose ticks are kept.
    flow.window.tabIndex = 3;
    flow.confirm->findChild<QPushButton*>("confirmBackButton")->click();
    QCOMPARE(flow.page(), int(EraseFlow::Result));
    store->m_obLSMSSession.clear();
}

void tst_EraseSequence::levelLinkWritesTheFile()
{
    QFile::remove(SafeLevelSettingDialog::LevelFilePath());
    EraseFlow flow(2);
    flow.confirm->Prepare();
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), 1); // made when missing
    auto* link = flow.confirm->findChild<QLabel*>("levelLink");
    QVERIFY(link->text().contains(">Medium<"));

    QTimer::singleShot(0, this, [] {
        QTRY_VERIFY(qobject_cast<SafeLevelSettingDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<SafeLevelSettingDialog*>(QApplication::activeModalWidget());
        dialog->setCheckedLevel(0);
        dialog->findChild<QPushButton*>("levelOkButton")->click();
    });
    emit link->linkActivated("level");
    QVERIFY(link->text().contains(">High<"));
    QCOMPARE(link->accessibleName(), QStringLiteral("Security Level: High"));
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), 0);
    QCOMPARE(MainWindowAccess::securityLevel(), 0);
    QCOMPARE(flow.confirm->level(), 0);
}

void tst_EraseSequence::eraseWaitCountsOnlyItsOwnTab()
{
    EraseFlow flow(3);
    flow.model.SwitchPage(EraseFlow::Erase);
    flow.erase->SetEraseMap({ { "Message", true }, { "Note", true }, { "Call History", false } });
    QCOMPARE(flow.erase->PendingKeys(), QStringList({ "Message", "Note" }));
    QCOMPARE(flow.erase->eraseList()->Items(), QStringList({ "Message", "Note" }));

    // An end while another tab is current belongs to another feature.
    flow.window.tabIndex = 2;
    CTaskCallback::Emit_signalEraseSMSData();
    QTest::qWait(20);
    QCOMPARE(flow.erase->PendingKeys(), QStringList({ "Message", "Note" }));

    flow.window.tabIndex = 3;
    CTaskCallback::Emit_signalEraseSMSData();
    QTRY_COMPARE(flow.erase->PendingKeys(), QStringList({ "Note" }));
    QCOMPARE(flow.erase->Progress(), 50);
    QCOMPARE(flow.page(), int(EraseFlow::Erase));
    CTaskCallback::Emit_signalEraseNoteData();
    QVERIFY_PAGE(&flow.model, EraseFlow::Restore);

    // A new erase starts with fresh flags, whatever the last one left pending.
    flow.model.SwitchPage(EraseFlow::Erase);
    flow.erase->SetEraseMap({ { "Voice", true } });
    QCOMPARE(flow.erase->PendingKeys(), QStringList({ "Voice" }));
    QCOMPARE(flow.erase->eraseList()->DisplayName("Voice"), QStringLiteral("Voice Memo"));
    CTaskCallback::Emit_signalEraseVoiceMemoData();
    QVERIFY_PAGE(&flow.model, EraseFlow::Restore);
}

void tst_EraseSequence::nothingTickedNeverWaits()
{
    EraseFlow flow(3);
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_obLNote = { NoteInfo(), NoteInfo() };
    for (NoteInfo& note : store->m_obLNote)
        note.m_bSelected = 0;
    flow.boxes = { { "Note", Qt::PartiallyChecked } };

    // A checked category whose rows are all unticked: said at once, nothing locked or posted.
    flow.typeAndConfirm("delete");
    QVERIFY(m_answers->texts().last().startsWith(QStringLiteral("Nothing is ticked in the checked categories")));
    QCOMPARE(flow.page(), int(EraseFlow::Confirm));
    QVERIFY(flow.window.calls.isEmpty());

    // And an erase page handed nothing to wait for ends the flow instead of waiting.
    flow.model.SwitchPage(EraseFlow::Erase);
    flow.window.enableTabs(false);
    flow.erase->SetEraseMap({ { "Note", false } });
    QVERIFY_PAGE(&flow.model, EraseFlow::Start, 2000);
    QVERIFY(flow.window.tabsEnabled);
    store->m_obLNote.clear();
}

void tst_EraseSequence::restoreOutcomes()
{
    EraseFlow flow(2);
    flow.model.SwitchPage(EraseFlow::Restore);
    flow.window.enableTabs(false);
    CTaskCallback::Emit_signalRestoreDevData(68, 100);
    QTRY_COMPARE(flow.restore->Progress(), 99);

    m_answers->setButton(OvMessageBox::OK);
    const QList<QPair<int, QString>> failures
        = { { -36,
              "Your iDevice doesn't have enough storage to process data. Please free up your device space and "
              "try it again. (error code: -36)" },
            { -5,
              "There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make "
              "sure you have the latest version of iTunes and try it again. (error code: -5)" } };
    for (const auto& failure : failures) {
        flow.model.SwitchPage(EraseFlow::Restore);
        flow.window.enableTabs(false);
        CTaskCallback::Emit_signalRestoreDevData(23, failure.first);
        QVERIFY_PAGE(&flow.model, EraseFlow::Failure);
        QCOMPARE(m_answers->questions().last().title, QStringLiteral("Data Erasing Failed"));
        QCOMPARE(m_answers->texts().last(), failure.second);
        QVERIFY(flow.window.tabsEnabled);
    }

    // The restart: the window is told, the stop goes, and the five minutes start.
    flow.model.SwitchPage(EraseFlow::Restore);
    auto* stop = flow.restore->findChild<QPushButton*>("restartStopButton");
    QVERIFY(stop->isVisible());
    CTaskCallback::Emit_signalRestoreDevData(22, 0);
    QTRY_VERIFY(flow.window.restarting);
    QVERIFY(DeviceRestartView::IsRestartPending());
    QCOMPARE(flow.restore->StatusText(), QStringLiteral("Restarting device,please wait..."));
    QVERIFY(!stop->isVisible());
    QVERIFY(flow.restore->IsRestartTimerActive());
    DeviceRestartView::DeviceSeenAgain();
    QVERIFY(!DeviceRestartView::IsRestartPending());

    // Leaving the page ends the restart display.
    flow.model.SwitchPage(EraseFlow::Finished);
    QVERIFY(!flow.window.restarting);
    QVERIFY(!flow.restore->IsRestartTimerActive());
    QCOMPARE(flow.restore->StatusText(), QStringLiteral("Analying data,please wait..."));
}

void tst_EraseSequence::fillPassesAndFailure()
{
    EraseFlow flow(3);
    MainWindowAccess::setSecurityLevel(0);
    flow.confirm->Prepare();
    // The passes are fixed when the user confirms; a cancelled confirmation is enough here.
    CGlobalData::GetInstance()->m_obLNote = { NoteInfo() };
    flow.boxes = { { "Note", Qt::Checked } };
    m_answers->setButton(OvMessageBox::No);
    flow.typeAndConfirm("delete");
    QCOMPARE(flow.confirm->FillPasses(), 2);
    CGlobalData::GetInstance()->m_obLNote.clear();

    flow.model.SwitchPage(EraseFlow::Fill);
    QSignalSpy shown(flow.fill, &CompleteEraseView::signalUpdateFillProcess);
    CTaskCallback::Emit_signalFillDataSignal(14, 100);
    QTRY_COMPARE(flow.fill->PercentText(), QStringLiteral("50 %"));
    CTaskCallback::Emit_signalFillDataSignal(12, 100);
    QTRY_VERIFY(flow.fill->IsSecondPass());
    CTaskCallback::Emit_signalFillDataSignal(14, 40);
    QTRY_COMPARE(flow.fill->PercentText(), QStringLiteral("70 %"));
    CTaskCallback::Emit_signalFillDataSignal(14, 100);
    QTRY_COMPARE(flow.fill->PercentText(), QStringLiteral("100 %"));
    QCOMPARE(shown.first().first().toInt(), 50);
    flow.window.enableTabs(false);
    CTaskCallback::Emit_signalFillDataSignal(12, 100);
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished);
    QVERIFY(flow.window.tabsEnabled);

    // A fill that stays at 99 is taken as finished once the wait runs out.
    flow.model.SwitchPage(EraseFlow::Fill);
    flow.fill->slotUpdateFillProcess(99);
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished, 10000);

    // Failure: the box, the failure page, the tabs unlocked.
    m_answers->setButton(OvMessageBox::OK);
    flow.model.SwitchPage(EraseFlow::Fill);
    flow.window.enableTabs(false);
    CTaskCallback::Emit_signalFillDataSignal(17, -7);
    QVERIFY_PAGE(&flow.model, EraseFlow::Failure);
    QCOMPARE(m_answers->texts().last(), QStringLiteral("Sorry, Fill failed!(error code: -7)"));
    QVERIFY(flow.window.tabsEnabled);

    // A fill signal for another tab changes nothing.
    flow.model.SwitchPage(EraseFlow::Fill);
    flow.window.tabIndex = 2;
    CTaskCallback::Emit_signalFillDataSignal(14, 60);
    QTest::qWait(20);
    QCOMPARE(flow.fill->PercentText(), QStringLiteral("0 %"));
}

void tst_EraseSequence::privateDataErasesExactlyTheTicksAtHigh()
{
    QVERIFY(m_phone->fresh("Private"));
    QVERIFY(m_phone->analyse(3));
    EraseFlow flow(3);
    MainWindowAccess::setSecurityLevel(0);
    flow.confirm->Prepare();
    // Two conversations, every note (deleted ones are not this feature's), one photo; call
    // history ticked but its box unchecked; Safari history checked with nothing ticked.
    flow.boxes = { { "Message", Qt::PartiallyChecked },
                   { "Note", Qt::Checked },
                   { "Photo&Videos", Qt::PartiallyChecked },
                   { "SafariHistory", Qt::Checked } };
    int conversations = 0;
    int photos = 0;
    const auto erased = m_phone->tick(3, flow.boxes, [&](const QString& key, int, bool deleted) {
        if (key == "Message")
            return !deleted && conversations++ < 2;
        if (key == "Note" || key == "Call History")
            return true;
        if (key == "Photo&Videos")
            return !deleted && photos++ == 1;
        return false;
    });
    QCOMPARE(erased.value("messages").size(), 2);
    QCOMPARE(erased.value("media").size(), 1);
    QVERIFY(!erased.value("notes").isEmpty());
    const QMap<QString, QJsonArray> before = m_phone->snapshot();

    QSignalSpy fillShown(flow.fill, &CompleteEraseView::signalUpdateFillProcess);
    startErase(flow);
    const QMap<QString, bool> map = flow.confirm->eraseMap();
    QCOMPARE(map.value("Message"), true);
    QCOMPARE(map.value("Note"), true);
    QCOMPARE(map.value("Photo&Videos"), true);
    QCOMPARE(map.value("SafariHistory"), false);
    QCOMPARE(map.value("Call History"), false);
    QVERIFY(!flow.window.tabsEnabled);
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished, 30000);
    QVERIFY(flow.window.tabsEnabled);

    // Two passes: the first ends at 50, the second at 100.
    QList<int> values;
    for (const QVariantList& event : fillShown)
        values << event.first().toInt();
    QVERIFY2(values.contains(50) && values.last() == 100, qPrintable(QString::number(values.size())));
    QVERIFY(values.indexOf(50) < values.indexOf(100));

    checkDevice(before, erased);
    // Finished with the backup: it goes at once.
    QVERIFY(QTest::qWaitFor([&] { return !m_phone->devices().hasBackup(m_phone->folder()); }, 10000));
}

void tst_EraseSequence::deletedFilesAtLowTouchesNoExistingRecord()
{
    QVERIFY(m_phone->fresh("Deleted"));
    QVERIFY(m_phone->analyse(2));
    EraseFlow flow(2);
    MainWindowAccess::setSecurityLevel(2);
    flow.confirm->Prepare();
    // Everything ticked, existing records included: only deleted ones may go.
    flow.boxes = { { "Message", Qt::Checked },      { "Contact", Qt::Checked }, { "Note", Qt::Checked },
                   { "Photo&Videos", Qt::Checked }, { "WeChat", Qt::Checked },  { "Voice", Qt::Checked } };
    const auto erased = m_phone->tick(2, flow.boxes, [](const QString&, int, bool) { return true; });
    QVERIFY(!erased.value("contacts").isEmpty());
    const QMap<QString, QJsonArray> before = m_phone->snapshot();

    QSignalSpy fillShown(flow.fill, &CompleteEraseView::signalUpdateFillProcess);
    startErase(flow);
    QCOMPARE(flow.confirm->eraseMap().value("Contact"), true);
    QCOMPARE(flow.confirm->eraseMap().value("Call History"), false);
    QCOMPARE(flow.erase->eraseList()->HeaderText(), QStringLiteral("The erase deleted data:"));
    // Low: finished as soon as the device is back, no fill.
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished, 30000);
    QVERIFY(fillShown.isEmpty());
    QVERIFY(flow.window.tabsEnabled);
    QVERIFY(!flow.window.restarting);
    checkDevice(before, erased);
    for (const char* category : { "messages", "contacts", "notes", "media", "weChat" }) {
        for (const QJsonValue& value : m_phone->deviceArray(category))
            QVERIFY2(!value.toObject().value("deleted").toBool(), qPrintable(category));
    }
    QVERIFY(QTest::qWaitFor([&] { return !m_phone->devices().hasBackup(m_phone->folder()); }, 10000));
}

void tst_EraseSequence::partlyTickedWholeCategoryIsRefused()
{
    QVERIFY(m_phone->fresh("Partly"));
    QVERIFY(m_phone->analyse(2));
    EraseFlow flow(2);
    // One deleted contact of two: the library would take both.
    bool first = true;
    for (ContactInfo& contact : CGlobalData::GetInstance()->m_obLContact) {
        contact.m_bSelected = contact.m_bDeleted && first ? 1 : 0;
        if (contact.m_bDeleted)
            first = false;
    }
    flow.boxes = { { "Contact", Qt::PartiallyChecked } };
    const QJsonArray before = m_phone->deviceArray("contacts");
    flow.typeAndConfirm("delete");
    QVERIFY(m_answers->texts().last().startsWith(QStringLiteral("Deleted contacts can only be erased all at once.")));
    QCOMPARE(flow.page(), int(EraseFlow::Confirm));
    QVERIFY(flow.window.calls.isEmpty());
    QCOMPARE(m_phone->deviceArray("contacts"), before);
}

void tst_EraseSequence::failedJobKeepsTheBackup_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("restore") << "restore" << -36 << "(error code: -36)";
    QTest::newRow("fill") << "fill" << -7 << "Sorry, Fill failed!";
}

void tst_EraseSequence::failedJobKeepsTheBackup()
{
    QFETCH(QString, job);
    QFETCH(int, code);
    QFETCH(QString, text);
    QVERIFY(m_phone->fresh("Fails"));
    QVERIFY(m_phone->devices().setFault(m_phone->folder(), job, code));
    QVERIFY(m_phone->analyse(3));
    EraseFlow flow(3);
    flow.boxes = { { "Message", Qt::Checked } };
    m_phone->tick(3, flow.boxes, [](const QString& key, int, bool) { return key == "Message"; });
    const QJsonArray before = m_phone->deviceArray("messages");
    startErase(flow);
    m_answers->setButton(OvMessageBox::OK);
    QVERIFY_PAGE(&flow.model, EraseFlow::Failure, 30000);
    QVERIFY(m_answers->texts().last().contains(text));
    QVERIFY(flow.window.tabsEnabled);
    if (job == "restore")
        QCOMPARE(m_phone->deviceArray("messages"), before);
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

void tst_EraseSequence::stopOnEachPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("stop");
    for (int page : { int(EraseFlow::Erase), int(EraseFlow::Restore), int(EraseFlow::Fill) }) {
        QTest::addRow("page %d, yes", page) << page << true;
        QTest::addRow("page %d, no", page) << page << false;
    }
}

void tst_EraseSequence::stopOnEachPage()
{
    QFETCH(int, page);
    QFETCH(bool, stop);
    QVERIFY(m_phone->fresh("Stop"));
    QVERIFY(m_phone->analyse(3));
    EraseFlow flow(3);
    int ticked = 0;
    flow.boxes = { { "Message", Qt::PartiallyChecked } };
    m_phone->tick(3, flow.boxes,
                  [&](const QString& key, int, bool deleted) { return key == "Message" && !deleted && ticked++ == 0; });
    const QJsonArray before = m_phone->deviceArray("messages");

    // Slow jobs, so that there is time to press Stop. On the erase page the erase waits
    // behind a backup that takes a while.
    qputenv("OVDRIVER_SIM_DELAY_MS", "60");
    if (page == EraseFlow::Erase)
        QVERIFY(CController::GetInstance()->PostBackupDevDataTask());
    startErase(flow);
    QVERIFY_PAGE(&flow.model, page, 30000);
    QWidget* shown = flow.model.pages()->currentWidget();
    auto* button = shown->findChild<QPushButton*>(page == EraseFlow::Fill ? "fillStopButton" : "restartStopButton");
    QVERIFY(button && button->isVisible());
    const int yes = page == EraseFlow::Fill ? OvMessageBox::OK : OvMessageBox::Yes;
    const int no = page == EraseFlow::Fill ? OvMessageBox::Cancel : OvMessageBox::No;
    m_answers->setButton(stop ? yes : no);
    const int asked = m_answers->questions().size();
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(m_answers->questions().size(), asked + 1);
    QVERIFY(m_answers->texts().last().startsWith("It may damage your data or device if you stop"));

    if (stop) {
        QVERIFY_PAGE(&flow.model, EraseFlow::Stopped);
        QVERIFY(flow.window.tabsEnabled);
        QTest::qWait(300);
        QCOMPARE(flow.page(), int(EraseFlow::Stopped));
        if (page != EraseFlow::Fill) {
            // Stopped before the restore wrote anything: the device is as it was.
            QCOMPARE(m_phone->deviceArray("messages"), before);
        }
        QVERIFY(m_phone->devices().hasBackup(m_phone->folder()));
    } else {
        QVERIFY_PAGE(&flow.model, EraseFlow::Finished, 60000);
        QCOMPARE(m_phone->deviceArray("messages").size(), before.size() - 1);
    }
    qputenv("OVDRIVER_SIM_DELAY_MS", "0");
    // A stopped job's device may still be busy; the next flow uses a fresh one.
    QTest::qWait(200);
}

void tst_EraseSequence::deviceLeavesMidJob_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("text");
    QTest::newRow("restore") << "restore"
                             << "(error code: -4)";
    QTest::newRow("fill") << "fill"
                          << "Sorry, Fill failed!";
}

void tst_EraseSequence::deviceLeavesMidJob()
{
    QFETCH(QString, job);
    QFETCH(QString, text);
    QVERIFY(m_phone->fresh("Leaves"));
    QVERIFY(m_phone->devices().setFault(m_phone->folder(), "leave", job));
    QVERIFY(m_phone->analyse(3));
    EraseFlow flow(3);
    flow.boxes = { { "Note", Qt::Checked } };
    m_phone->tick(3, flow.boxes, [](const QString& key, int, bool) { return key == "Note"; });
    startErase(flow);
    m_answers->setButton(OvMessageBox::OK);
    // The window resets for the device that left; the job's failure, when it comes before
    // the reset, shows its box and the failure page. No page waits for ever.
    QVERIFY(QTest::qWaitFor([&] { return flow.resets > 0; }, 30000));
    QTest::qWait(300);
    QVERIFY2(flow.page() == EraseFlow::Start || flow.page() == EraseFlow::Failure,
             qPrintable(QString::number(flow.page())));
    if (flow.page() == EraseFlow::Failure)
        QVERIFY(m_answers->texts().last().contains(text));
    QVERIFY(!flow.window.restarting);
    QVERIFY(m_phone->devices().hasBackup(m_phone->folder()));
    QVERIFY(m_phone->devices().setFault(m_phone->folder(), "leave", QString()));
}

void tst_EraseSequence::deviceThatDoesNotComeBack()
{
    QVERIFY(m_phone->fresh("Away"));
    QVERIFY(m_phone->analyse(3));
    EraseFlow flow(3);
    MainWindowAccess::setSecurityLevel(2);
    flow.confirm->Prepare();
    flow.boxes = { { "Message", Qt::Checked } };
    m_phone->tick(3, flow.boxes, [](const QString& key, int, bool deleted) { return key == "Message" && !deleted; });
    // A restart long enough to unplug the device in, which then stays away.
    qputenv("OVDRIVER_SIM_RESTART_MS", "1000");
    // Unplugged as soon as the restart begins, so the restart never ends by itself.
    connect(CTaskCallback::GetInstance(), &CTaskCallback::signalRestoreDevData, &flow, [this](int type, int) {
        if (type == 22)
            m_phone->devices().unplug(m_phone->folder());
    });
    startErase(flow);
    m_answers->setButton(OvMessageBox::OK);
    QVERIFY(QTest::qWaitFor([&] { return flow.window.restarting; }, 30000));
    // Five minutes (scaled) without the device: the time-out box, and the page waits on.
    QVERIFY(QTest::qWaitFor([&] { return m_answers->texts().last().startsWith("Connection timeout!"); }, 20000));
    QCOMPARE(flow.page(), int(EraseFlow::Restore));
    QVERIFY(flow.window.restarting);

    qputenv("OVDRIVER_SIM_RESTART_MS", "50");
    m_phone->devices().plug(m_phone->folder());
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished, 30000);
    QVERIFY(flow.window.tabsEnabled);
    QVERIFY(!flow.window.restarting);
}

QTEST_MAIN(tst_EraseSequence)
#include "tst_EraseSequence.moc"
