#pragma once

#include <QMap>
#include <QPointer>
#include <QWidget>

class CEraseDataWid;
class EraseSafeConfirm;
class OvCustomNOButton;
class OvMessageBox;
class OvStyleProgressBar;
class QLabel;
class QMovie;
class QTimer;

/// Mode 0 waits until every queued erase task has ended; mode 1 shows the restore of the
/// emptied backup and the device's restart.
class DeviceRestartView : public QWidget
{
    Q_OBJECT

public:
    enum Mode : int { EraseMode = 0, RestoreMode = 1 };

    DeviceRestartView(int feature, int mode, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    int mode() const { return m_mode; }
    /// Category key to whether an erase task was queued for it (mode 0).
    void SetEraseMap(const QMap<QString, bool>& queued);
    /// The restart timer, run by the main window while the device is away (mode 1).
    void StopRestartTimer();
    void RestartRestartTimer();
    bool IsRestartTimerActive() const;

    /// The keys still waited for, in the order of the table of end signals (mode 0).
    QStringList PendingKeys() const;
    int Progress() const;
    QString StatusText() const;
    CEraseDataWid* eraseList() const { return m_eraseList; }

    /// The main window's part once the device is seen again after the restart.
    static void DeviceSeenAgain();
    static void DeviceLost();
    /// The main window's part once the restarted device is ready, for Erase Deleted Files
    /// and Erase Private Data: the fill when the confirmed level asks for one (6), else the
    /// finished page (9) with the tabs unlocked and the analysis backup removed. Returns the
    /// page the feature's model shows next.
    static int ContinueAfterRestart(const EraseSafeConfirm* confirm);
    /// An erase has finished with the analysis backup: it holds the user's private data and
    /// goes at once.
    static void RemoveAnalysisBackup();

signals:
    void signalRestartStopBtn();
    void SignalSwitchPage(int);
    void SignalFragmentFailPage(int);
    void signalUpdateRestoreProcess(int nParam);
    void signEraseFinished();

public slots:
    void OnRestartStopBtn();
    void slotUpdateRestoreProcess(int value);
    void TestSwitchPageToRestart();
    void TestSwitchPageToCompelte();
    void TestIfEraseFailure();
    void slotEraseFinished();
    void slotResatrProcess(int type, int value);
    void slotUpdateBackupProcess(int nValue);
    void slotEraseMsgFinished();
    void slotEraseCallhistoryFinished();
    void slotEraseSafiriCookieFinished();
    void slotEraseSafiriCacheFinished();
    void slotEraseSafiriHistoryFinished();
    void slotErasePhotosFinished();
    void slotEraseNoteFinished();
    void slotEraseMsgAttachFinished();
    void slotEraseNoteAttachFinished();
    void slotEraseWhatappsFinished();
    void slotEraseWhatappsAttachFinished();
    void slotEraseWechatFinished();
    void slotEraseViberFinished();
    void slotEraseKikFinished();
    void slotEraseKikAttachFinished();
    void slotEraseContactFinished();
    void slotEraseCalendarFinished();
    void slotEraseBookmarkFinished();
    void slotEraseVoiceFinished();
    void SlotTimeoutDone();
    void SlotRestoreReturn();
    void SlotConfirmFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int kFlagCount = 19;
    void oneEraseEnded(int flag);
    void nothingQueued();
    void setProgress(int value);
    void setOverlay(const QString& gif);
    bool isCurrentTab() const;

    int m_feature;
    int m_mode;
    bool m_finished[kFlagCount];
    int m_queuedCount = 0;
    bool m_asking = false;
    bool m_endedWhileAsking = false;
    bool m_toldRestarting = false;

    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_overlay = nullptr;
    QMovie* m_overlayMovie = nullptr;
    QMovie* m_animation = nullptr;
    QLabel* m_status = nullptr;
    OvCustomNOButton* m_stop = nullptr;
    CEraseDataWid* m_eraseList = nullptr;
    QTimer* m_restartTimer = nullptr;
    QPointer<OvMessageBox> m_timeoutBox;
};
