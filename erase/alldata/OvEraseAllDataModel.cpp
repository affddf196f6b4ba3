#include "OvEraseAllDataModel.h"

#include "CController.h"
#include "CTaskCallback.h"
#include "EraseAllDataFailureView.h"
#include "EraseAllDataFinishedView.h"
#include "EraseAllDataProcessView.h"
#include "EraseAllDataView.h"
#include "EraseTabPage.h"
#include "FillDataProcessView.h"
#include "Log.h"
#include "MainWindowAccess.h"
#include "OvMessageBox.h"
#include "ScanAnalyzeView.h"

#include <QPointer>
#include <QStackedWidget>
#include <QtDebug>

namespace {

OvEraseAllDataModel* g_model = nullptr;

constexpr int kFeature = 1;
constexpr int kBackupEnd = 20;
constexpr int kBackupProgress = 66;
constexpr int kBackupStoppedOnRequest = 1003;
constexpr int kRestoreEnd = 22;
constexpr int kRestoreFailed = 23;
constexpr int kJobFailed = 17;
constexpr int kFillProgress = 14;
constexpr int kFillPassEnd = 12;

// The notification each erase-all stage answers with when it is done.
int StageAnswer(int stage)
{
    switch (stage) {
    case 1:
        return 30;
    case 2:
        return 28;
    case 4:
        return 29;
    case 8:
        return 31;
    default:
        return -1;
    }
}

// A job is refused only when the device has gone; the main window then resets every page
// (or, while the device restarts, waits for it), so the flow has no end of its own to show.
void NoteUnqueued(bool queued, const char* what)
{
    if (!queued)
        FileLog("EraseAllData could not queue %s: no device.", what);
}

void UnlockTabs()
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(true);
}

} // namespace

OvEraseAllDataModel::OvEraseAllDataModel(QWidget* parent)
    : EraseModelBase(kFeature, QStringLiteral("erase_all_data_safe_confirm_icon.png"), tr("Erase All Data "),
                     tr("Erase all data permanently and keep your private data completely gone."), tr("Erase"), parent)
{
    setObjectName(QStringLiteral("eraseAllDataModel"));
    g_model = this;

    m_confirm = new EraseAllDataView(this);
    m_backup = new EraseAllDataProcessView(EraseAllDataProcessView::ScanMode, this);
    m_restore = new EraseAllDataProcessView(EraseAllDataProcessView::ScanMode, this);
    m_restore->setObjectName(QStringLiteral("eraseAllRestoreView"));
    m_restart = new EraseAllDataProcessView(EraseAllDataProcessView::RestartMode, this);
    m_fill = new FillDataProcessView(this);
    m_finished = new EraseAllDataFinishedView(tr("All the data has been erased."), this);
    for (int page : { BackupStoppedPage, BackupFailedPage, RestoreStoppedPage, FillFailedPage, FillStoppedPage }) {
        auto* failure = new EraseAllDataFailureView(this);
        failure->setObjectName(QStringLiteral("eraseAllFailure%1").arg(page));
        m_failures.insert(page, failure);
    }

    QWidget* const steps[] = { m_confirm,
                               m_backup,
                               m_failures[BackupStoppedPage],
                               m_failures[BackupFailedPage],
                               m_restore,
                               m_failures[RestoreStoppedPage],
                               m_restart,
                               m_fill,
                               m_failures[FillFailedPage],
                               m_failures[FillStoppedPage],
                               m_finished };
    int index = ConfirmPage;
    for (QWidget* page : steps)
        AddPage(index++, page);

    CTaskCallback* callback = CTaskCallback::GetInstance();
    connect(callback, &CTaskCallback::signalBackupDevData, this, &OvEraseAllDataModel::SlotBackupCallback);
    connect(callback, &CTaskCallback::signalEraseAllTask, this, &OvEraseAllDataModel::SlotEraseAllTaskCallback);
    connect(callback, &CTaskCallback::signalRestoreDevData, this, &OvEraseAllDataModel::SlotRestoreCallback);
    connect(callback, &CTaskCallback::signalFillDataSignal, this, &OvEraseAllDataModel::SlotFillDataCallback);

    connect(startPage(), &EraseTabPage::SignalSwitchPage, this, &OvModel::SwitchPage, Qt::UniqueConnection);
    for (EraseAllDataFailureView* failure : qAsConst(m_failures))
        connect(failure, &EraseAllDataFailureView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_finished, &EraseAllDataFinishedView::SignalSwitchPage, this, &OvModel::SwitchPage);

    connect(m_confirm, &EraseAllDataView::onErase, this, &OvEraseAllDataModel::slotErase);
    connect(m_confirm, &EraseAllDataView::onBackHome, this, &OvModel::SwitchPage);
    connect(m_backup, &EraseAllDataProcessView::SignalBackupStop, this, &OvEraseAllDataModel::slotStopBackupTask);
    connect(this, &OvEraseAllDataModel::onUpdateBackupData, m_backup, &EraseAllDataProcessView::slotScanDataProcess);
    connect(m_restore, &EraseAllDataProcessView::SignalBackupStop, this, &OvEraseAllDataModel::slotStopRestoreTask);
    connect(this, &OvEraseAllDataModel::onUpdateEraseData, m_restore, &EraseAllDataProcessView::slotEraseDataProcess);
    // The restore must stop at once: finished a few seconds later, it would erase the
    // device the user asked to keep.
    connect(m_restore, &EraseAllDataProcessView::SignalStopConfirmed, this,
            [] { CController::GetInstance()->StopDeviceJob(1); });
    connect(m_restart, &EraseAllDataProcessView::SignalBackupStop, this, &OvModel::SwitchPage);
    connect(m_fill, &FillDataProcessView::SignalFillStop, this, &OvEraseAllDataModel::slotStopFillTask);
    // Five minutes at 99 % of the last pass without the device's word: the space is written.
    connect(m_fill, &FillDataProcessView::signalFillDataFinished, this, [this] {
        if (m_step != Step::Fill || m_passesLeft > 1)
            return;
        FileLog("EraseAllData fill ended at 99 percent without its end notification.");
        endOn(FinishedPage);
    });

    connect(pages(), &QStackedWidget::currentChanged, this, &OvEraseAllDataModel::onPageShown);
}

OvEraseAllDataModel::~OvEraseAllDataModel()
{
    if (g_model == this)
        g_model = nullptr;
}

OvEraseAllDataModel* OvEraseAllDataModel::GetInstance()
{
    if (!g_model)
        qDebug() << "has not init eraseallmodel";
    return g_model;
}

int OvEraseAllDataModel::FillPasses() const
{
    return m_fillPasses;
}

void OvEraseAllDataModel::SetSecurityLevel(int level)
{
    EraseModelBase::SetSecurityLevel(level);
    m_confirm->slotSettingLevel(level);
}

bool OvEraseAllDataModel::AwaitingRestart() const
{
    return m_step == Step::Restart && currentPage() == RestartPage && !m_restart->IsStopping();
}

EraseAllDataFailureView* OvEraseAllDataModel::failurePage(int page) const
{
    return m_failures.value(page);
}

bool OvEraseAllDataModel::concernsThisTab() const
{
    const MainWindowAccess* window = MainWindowAccess::instance();
    return window && window->currentTabIndex() == kFeature;
}

int OvEraseAllDataModel::currentPage() const
{
    return pages()->currentIndex();
}

void OvEraseAllDataModel::onPageShown(int page)
{
    // Leaving the restart page in any way ends the restart: the device's return is then a
    // plain connection again.
    if (page != RestartPage) {
        if (MainWindowAccess* window = MainWindowAccess::instance(); window && m_step == Step::Restart)
            window->setDeviceRestarting(false);
    }
    switch (page) {
    case HomePage:
    case ConfirmPage:
        m_step = Step::None;
        break;
    case FillPage:
        if (m_step == Step::Restart) {
            m_step = Step::Fill;
            m_passesLeft = m_fillPasses;
        }
        break;
    case BackupStoppedPage:
        // Stopped while the device restarted: the restore had already emptied it.
        m_failures[page]->SetForm(m_deletionDone ? EraseAllDataFailureView::StoppedDeletionDone
                                                 : EraseAllDataFailureView::StoppedDeletionFailed,
                                  m_fillPasses > 0);
        m_step = Step::None;
        UnlockTabs();
        break;
    case BackupFailedPage:
    case RestoreStoppedPage:
    case FillFailedPage:
    case FillStoppedPage:
        m_step = Step::None;
        UnlockTabs();
        break;
    case FinishedPage:
        m_step = Step::None;
        UnlockTabs();
        // The device is empty: the computer's copy of it has no reason to stay. After a
        // failure it stays until the program ends, as the only whole copy there may be.
        CController::GetInstance()->PostRemoveBackupTask();
        break;
    default:
        break;
    }
}

void OvEraseAllDataModel::endOn(int page)
{
    m_step = Step::None;
    UnlockTabs();
    SwitchPage(page);
}

void OvEraseAllDataModel::slotErase(int iPage)
{
    m_backup->ResetView();
    m_restore->ResetView();
    m_restart->ResetView();
    m_level = m_confirm->level();
    m_fillPasses = m_confirm->fillPasses();
    m_passesLeft = m_fillPasses;
    m_deletionDone = false;
    m_stage = 0;
    const bool fillPlanned = m_fillPasses > 0;
    m_failures[BackupStoppedPage]->SetForm(EraseAllDataFailureView::StoppedDeletionFailed, fillPlanned);
    m_failures[BackupFailedPage]->SetForm(EraseAllDataFailureView::Error, fillPlanned);
    m_failures[RestoreStoppedPage]->SetForm(EraseAllDataFailureView::StoppedDeletionFailed, fillPlanned);
    m_failures[FillFailedPage]->SetForm(EraseAllDataFailureView::Completed, fillPlanned);
    m_failures[FillStoppedPage]->SetForm(EraseAllDataFailureView::StoppedDeletionDone, fillPlanned);
    m_step = Step::Backup;
    FileLog("EraseAllData start. level:%d fill passes:%d", m_level, m_fillPasses);
    SwitchPage(iPage);
}

void OvEraseAllDataModel::SlotBackupCallback(int nNotifyType, int nParam)
{
    // A stop the user confirmed decides how the backup ends, whatever the device says now.
    if (!concernsThisTab() || m_step != Step::Backup || m_backup->IsStopping())
        return;
    if (nNotifyType == kBackupEnd) {
        NoteUnqueued(CController::GetInstance()->PostEraseAllTask(1), "erase stage 1");
        m_step = Step::Stages;
        m_stage = 1;
        m_backup->ShowErasing();
        SwitchPage(BackupPage);
        return;
    }
    if (nNotifyType == kBackupProgress) {
        emit onUpdateBackupData(nParam);
        return;
    }
    FileLog("EraseAllData backup failed. Notify_Type:%d param1:%d.", nNotifyType, nParam);
    endOn(HomePage);
    if (nParam == kBackupStoppedOnRequest) {
        SwitchPage(BackupFailedPage);
        return;
    }
    // Shown after the page changed: the box waits for a person, the flow must not.
    OvMessageBox::Ask(this, ScanAnalyzeView::FailureText(nParam), OvMessageBox::OK, QString(),
                      tr("Data Analysis Failed"));
}

void OvEraseAllDataModel::SlotEraseAllTaskCallback(int nFlage, int nNotifyType)
{
    if (!concernsThisTab() || m_step != Step::Stages || m_backup->IsStopping() || nFlage != m_stage)
        return;
    if (nNotifyType == kJobFailed)
        return stageFailed();
    if (nNotifyType != StageAnswer(nFlage))
        return;
    CController* controller = CController::GetInstance();
    if (nFlage < 8) {
        m_stage = nFlage * 2;
        int done = 0; // stages 1, 2, 4 and 8 are the first to the fourth
        for (int flag = nFlage; flag != 0; flag >>= 1)
            ++done;
        m_backup->SetProgress(done * 25);
        NoteUnqueued(controller->PostEraseAllTask(m_stage), "the next erase stage");
        return;
    }
    NoteUnqueued(controller->PostRestoreDevDataTask(0), "the restore");
    m_stage = 0;
    m_step = Step::Restore;
    // Page 2 shows the backup and the four stages, its bar counting the stages; page 5
    // comes to the front as soon as the restore is queued, not at its first progress: a
    // restore that fails or is slow to start is still shown as what runs, and page 5's
    // Stop then stops the job that really runs.
    m_restore->ResetView();
    m_restore->slotEraseDataProcess(1);
    SwitchPage(RestorePage);
}

void OvEraseAllDataModel::stageFailed()
{
    // The stages only touch the computer's copy: the device still holds all its data.
    FileLog("EraseAllData erase stage %d failed.", m_stage);
    m_failures[BackupFailedPage]->SetForm(EraseAllDataFailureView::Error, m_fillPasses > 0);
    endOn(BackupFailedPage);
}

void OvEraseAllDataModel::SlotRestoreCallback(int nNotifyType, int nParam)
{
    if (!concernsThisTab() || m_step != Step::Restore)
        return;
    if (nNotifyType == kRestoreEnd) {
        // The device is empty now, even if a stop came too late to prevent it: say so.
        m_deletionDone = true;
        m_step = Step::Restart;
        if (MainWindowAccess* window = MainWindowAccess::instance())
            window->setDeviceRestarting(true);
        SwitchPage(RestartPage);
        return;
    }
    if (nNotifyType == kRestoreFailed) {
        FileLog("EraseAllData restore failed. param1:%d.", nParam);
        endOn(HomePage);
        OvMessageBox::Ask(this,
                          tr("It failed to erasing data for unknown error. Please restart this program and try it "
                             "again. (error code: %1)")
                              .arg(nParam),
                          OvMessageBox::OK, QString(), tr("Data Erasing Failed"));
        return;
    }
    if (!m_restore->IsStopping())
        emit onUpdateEraseData(nParam);
}

void OvEraseAllDataModel::SlotFillDataCallback(int nNotifyType, int nParam)
{
    if (!concernsThisTab() || m_step != Step::Fill || m_fill->IsStopped() || m_fillPasses <= 0)
        return;
    if (nNotifyType == kFillProgress) {
        m_fill->SetProgress((m_fillPasses - m_passesLeft) * 50 + nParam / m_fillPasses);
        return;
    }
    if (nNotifyType == kFillPassEnd) {
        if (m_passesLeft == 2) {
            --m_passesLeft;
            NoteUnqueued(CController::GetInstance()->PostFillDataTask(), "the second fill pass");
            return;
        }
        FileLog("EraseAllData finished.");
        endOn(FinishedPage);
        return;
    }
    FileLog("EraseAllData fill failed. Notify_Type:%d param1:%d.", nNotifyType, nParam);
    endOn(FillFailedPage);
}

void OvEraseAllDataModel::slotStopBackupTask(int)
{
    if (currentPage() != BackupPage)
        return;
    FileLog("EraseAllData Stop Backup.");
    endOn(BackupStoppedPage);
}

void OvEraseAllDataModel::slotStopRestoreTask(int)
{
    if (currentPage() != RestorePage)
        return;
    CController::GetInstance()->StopDeviceJob(1);
    FileLog("EraseAllData Stop Restore.");
    endOn(RestoreStoppedPage);
}

void OvEraseAllDataModel::slotStopFillTask(int)
{
    if (currentPage() != FillPage)
        return;
    CController::GetInstance()->StopDeviceJob(2);
    FileLog("EraseAllData Stop Fill.");
    endOn(FillStoppedPage);
}
