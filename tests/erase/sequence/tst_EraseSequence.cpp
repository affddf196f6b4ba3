#include "CEraseDataWid.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CompleteEraseView.h"
#include "DeviceRestartView.h"
#include "EraseSafeConfirm.h"
#include "FakeMainWindow.h"
#include "MessageBoxAnswerer.h"
#include "OvMessageBox.h"
#include "OvModel.h"
#include "PageWaiter.h"
#include "SafeLevelSettingDialog.h"

#include "AppFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr quint64 kGiB = quint64(1024) * 1024 * 1024;

// The pages of the erase sequence in a model of their own, numbered as the erase features
// number them; the pages no case here looks at are placeholders.
struct EraseFlow
{
    enum Page { Start = 0, Result = 2, Confirm = 3, Erase = 4, Restore = 5, Fill = 6, Failure = 8, Finished = 9 };

    explicit EraseFlow(int feature)
        : confirm(new EraseSafeConfirm(feature, &model))
        , erase(new DeviceRestartView(feature, DeviceRestartView::EraseMode))
        , restore(new DeviceRestartView(feature, DeviceRestartView::RestoreMode))
        , fill(new CompleteEraseView(feature, confirm))
    {
        window.tabIndex = feature;
        confirm->SetEraseTargets([this](const QString& key) { return boxes.value(key, Qt::Unchecked); }, erase);
        QWidget* pages[]
            = { new QLabel, new QLabel, new QLabel, confirm, erase, restore, fill, new QLabel, new QLabel, new QLabel };
        for (int index = 0; index < 10; ++index) {
            model.AddPage(index, pages[index]);
            if (pages[index]->metaObject()->indexOfSignal("SignalSwitchPage(int)") >= 0)
                QObject::connect(pages[index], SIGNAL(SignalSwitchPage(int)), &model, SLOT(SwitchPage(int)));
        }
        model.SwitchPage(Confirm);
        model.resize(1000, 640);
        model.show();
    }

    int page() const { return model.pages()->currentIndex(); }
    void typeAndConfirm(const QString& word)
    {
        auto* edit = confirm->findChild<QLineEdit*>("confirmWordEdit");
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, word);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    FakeMainWindow window;
    OvModel model;
    EraseSafeConfirm* confirm;
    DeviceRestartView* erase;
    DeviceRestartView* restore;
    CompleteEraseView* fill;
    /// The result view's category boxes, by erase key; absent keys are unchecked.
    QMap<QString, Qt::CheckState> boxes;
};

} // namespace

// The erase sequence page by page, fed the notifications the device library would send: the
// confirmation, the wait for the erase tasks, the restore, the restart and the fill. The flows
// against simulated devices are in tst_EraseSafety.
class tst_EraseSequence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void confirmationWordEstimateAndFill();
    void levelLinkSetsTheLevel();
    void eraseWaitCountsOnlyItsOwnTab();
    void nothingTickedNeverWaits();
    void restartAndItsEnd();

private:
    QTemporaryDir m_app;
    std::unique_ptr<MessageBoxAnswerer> m_answers;
};

void tst_EraseSequence::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
}

void tst_EraseSequence::init()
{
    MainWindowAccess::setSecurityLevel(1);
    m_answers = std::make_unique<MessageBoxAnswerer>(OvMessageBox::Yes);
}

void tst_EraseSequence::cleanup()
{
    m_answers.reset();
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_obLSMSSession.clear();
    store->m_obLNote.clear();
}

void tst_EraseSequence::confirmationWordEstimateAndFill()
{
    EraseFlow flow(3);
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_nTotalSpace = 64 * kGiB;
    store->m_nFreeSpace = 20 * kGiB + 5; // used space 43.99 GiB: whole GiB only
    auto* edit = flow.confirm->findChild<QLineEdit*>("confirmWordEdit");

    // A wrong word is refused and left in place for correction.
    flow.typeAndConfirm("delet");
    QCOMPARE(m_answers->texts(), QStringList { "Sorry, the input is not correct. Please type \"delete\" again." });
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
        = { { "DELETE", 2, 43 + 2, 0 }, { "Delete", 1, 43 + 2 + 22, 1 }, { "  delete ", 0, 43 + 2 + 2 * (20 + 2), 2 } };
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

    // The fill runs the passes fixed at the last confirmation (High: two).
    flow.model.SwitchPage(EraseFlow::Fill);
    CTaskCallback::Emit_signalFillDataSignal(14, 100);
    QTRY_COMPARE(flow.fill->PercentText(), QStringLiteral("50 %"));
    CTaskCallback::Emit_signalFillDataSignal(12, 100);
    QTRY_VERIFY(flow.fill->IsSecondPass());
    CTaskCallback::Emit_signalFillDataSignal(14, 40);
    QTRY_COMPARE(flow.fill->PercentText(), QStringLiteral("70 %"));
    CTaskCallback::Emit_signalFillDataSignal(14, 100);
    QTRY_COMPARE(flow.fill->PercentText(), QStringLiteral("100 %"));
    flow.window.enableTabs(false);
    CTaskCallback::Emit_signalFillDataSignal(12, 100);
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished);
    QVERIFY(flow.window.tabsEnabled);

    // A fill that stays at 99 is taken as finished once the wait runs out.
    flow.model.SwitchPage(EraseFlow::Fill);
    flow.fill->slotUpdateFillProcess(99);
    QVERIFY_PAGE(&flow.model, EraseFlow::Finished, 10000);

    // A fill signal for another tab changes nothing.
    flow.model.SwitchPage(EraseFlow::Fill);
    flow.window.tabIndex = 2;
    CTaskCallback::Emit_signalFillDataSignal(14, 60);
    QTest::qWait(20);
    QCOMPARE(flow.fill->PercentText(), QStringLiteral("0 %"));
}

void tst_EraseSequence::levelLinkSetsTheLevel()
{
    EraseFlow flow(2);
    flow.confirm->Prepare();
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
}

void tst_EraseSequence::restartAndItsEnd()
{
    EraseFlow flow(2);
    flow.model.SwitchPage(EraseFlow::Restore);
    CTaskCallback::Emit_signalRestoreDevData(68, 100);
    QTRY_COMPARE(flow.restore->Progress(), 99);

    // The restart: the window is told, the stop goes, and the five minutes start.
    auto* stop = flow.restore->findChild<QPushButton*>("restartStopButton");
    QVERIFY(stop->isVisible());
    CTaskCallback::Emit_signalRestoreDevData(22, 0);
    QTRY_VERIFY(flow.window.restarting);
    QCOMPARE(flow.restore->StatusText(), QStringLiteral("Restarting device,please wait..."));
    QVERIFY(!stop->isVisible());
    QVERIFY(flow.restore->IsRestartTimerActive());

    // Leaving the page ends the restart display and its wait.
    flow.model.SwitchPage(EraseFlow::Finished);
    QVERIFY(!flow.window.restarting);
    QVERIFY(!flow.restore->IsRestartTimerActive());
    QCOMPARE(flow.restore->StatusText(), QStringLiteral("Analying data,please wait..."));
}

QTEST_MAIN(tst_EraseSequence)
#include "tst_EraseSequence.moc"
