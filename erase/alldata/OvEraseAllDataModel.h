#pragma once

#include "EraseModelBase.h"

#include <QMap>

class EraseAllDataFailureView;
class EraseAllDataFinishedView;
class EraseAllDataProcessView;
class EraseAllDataView;
class FillDataProcessView;

/// Erase All Data: the device is backed up, the backup emptied in four stages, the empty
/// backup restored, and after the restart the free space is overwritten once or twice by
/// the security level. Every step is started by the end of the step before it.
class OvEraseAllDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    enum Page : int {
        HomePage = 0,
        ConfirmPage = 1,
        BackupPage = 2,
        BackupStoppedPage = 3,
        BackupFailedPage = 4,
        RestorePage = 5,
        RestoreStoppedPage = 6,
        RestartPage = 7,
        FillPage = 8,
        FillFailedPage = 9,
        FillStoppedPage = 10,
        FinishedPage = 11,
    };

    explicit OvEraseAllDataModel(QWidget* parent = nullptr);
    ~OvEraseAllDataModel() override;

    /// The one model, or null (with a debug line) before it is made.
    static OvEraseAllDataModel* GetInstance();

    /// The passes copied from the confirmation when the erase started.
    int FillPasses() const override;
    void SetSecurityLevel(int level) override;
    /// The device restarts after the restore and nobody stopped the wait: its return
    /// should start the fill or finish.
    bool AwaitingRestart() const;

    EraseAllDataView* confirmPage() const { return m_confirm; }
    EraseAllDataProcessView* backupPage() const { return m_backup; }
    EraseAllDataProcessView* restorePage() const { return m_restore; }
    EraseAllDataProcessView* restartPage() const { return m_restart; }
    FillDataProcessView* fillPage() const { return m_fill; }
    EraseAllDataFailureView* failurePage(int page) const;
    EraseAllDataFinishedView* finishedPage() const { return m_finished; }

signals:
    void onUpdateEraseData(int);
    void onUpdateBackupData(int);

public slots:
    void SlotBackupCallback(int nNotifyType, int nParam);
    void SlotEraseAllTaskCallback(int nFlage, int nNotifyType);
    void SlotRestoreCallback(int nNotifyType, int nParam);
    void SlotFillDataCallback(int nNotifyType, int nParam);
    void slotErase(int iPage);
    void slotStopBackupTask(int);
    void slotStopRestoreTask(int);
    void slotStopFillTask(int);

private:
    /// Which device job the model waits for; events of any other are stale and ignored.
    enum class Step { None, Backup, Stages, Restore, Restart, Fill };

    bool concernsThisTab() const;
    int currentPage() const;
    void onPageShown(int page);
    void endOn(int page);
    void stageFailed();

    EraseAllDataView* m_confirm = nullptr;
    EraseAllDataProcessView* m_backup = nullptr;
    EraseAllDataProcessView* m_restore = nullptr;
    EraseAllDataProcessView* m_restart = nullptr;
    FillDataProcessView* m_fill = nullptr;
    EraseAllDataFinishedView* m_finished = nullptr;
    QMap<int, EraseAllDataFailureView*> m_failures; // pages 3, 4, 6, 9 and 10

    int m_level = 1;
    int m_fillPasses = 1;
    int m_passesLeft = 0;
    int m_stage = 0; // the erase-all stage whose answer is awaited
    bool m_deletionDone = false;
    Step m_step = Step::None;
};
