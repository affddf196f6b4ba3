#pragma once

#include "EraseModelBase.h"
#include "LocalConfig.h"

#include <QMap>
#include <QStringList>

class CompleteEraseView;
class DeviceRestartView;
class EraseAllDataFailureView;
class EraseAllDataFinishedView;
class EraseDataView;
class EraseSafeConfirm;
class ErasingReturnView;
class OvFragmentAppView;
class QTimer;

/// Erase Private Fragments: measures what fifteen apps left behind, backs the device up,
/// lets the user choose apps, then fills free space (by the security level), erases the
/// chosen apps' fragments from the backup, restores it and lets the device restart.
class OvEraseFragmentDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    enum Page : int {
        HomePage = 0,
        AnalysisPage = 1,
        AppListPage = 2,
        ConfirmPage = 3,
        ErasePage = 4,
        RestorePage = 5,
        StoppedPage = 6,
        FillPage = 7,
        FailurePage = 8,
        FinishedPage = 9
    };

    explicit OvEraseFragmentDataModel(QWidget* parent = nullptr);
    ~OvEraseFragmentDataModel() override;

    /// The one instance, or null (with a debug line) before it is built.
    static OvEraseFragmentDataModel* GetInstance();

    QWidget* analysisPage() const { return m_analysis; }
    OvFragmentAppView* appView() const { return m_apps; }
    EraseSafeConfirm* confirmPage() const { return m_confirm; }
    EraseDataView* erasePage() const { return m_erase; }
    DeviceRestartView* restorePage() const { return m_restore; }
    ErasingReturnView* stoppedPage() const { return m_stopped; }
    CompleteEraseView* fillPage() const { return m_fill; }
    EraseAllDataFailureView* failurePage() const { return m_failure; }
    EraseAllDataFinishedView* finishedPage() const { return m_finished; }

    /// App name to whether it is being erased, for the erase under way.
    QMap<QString, bool> eraseMap() const { return m_eraseMap; }
    /// Fill passes of the erase under way (P), and those still to run (R).
    int fillPasses() const { return m_passes; }
    int remainingPasses() const { return m_remaining; }

    bool HasScanResult() const override;
    void StopScan(int level) override;

    /// The per-app figures of the last erase for "clean.ini": one group, named by the
    /// device, with each app's data size when the erase started and the device's used space.
    LocalConfig::GroupedValues AppSpaceFigures() const;
    /// After the restart: measures the apps again so the list shows what is left, and
    /// removes the backup the erase no longer needs.
    void RefreshAppList();

signals:
    void signalUpdateBackupData(int);

public slots:
    void slotScanAppSize(int page);
    void slotStartErase(int page);
    void SlotFragmentFillCallback(int type, int value);
    void slotFragmentBackupCallback(int type, int nParam);
    void slotAppSizeCallback();
    void slotEraseWhatappsData();
    void slotEraseWechatData();
    void slotEraseViberData();
    void slotEraseKikData();
    void slotScanStop(int page);
    void slotEraseStop(int page);
    void slotRestoreStop(int page);
    void slotFillStop(int page);
    void slotFragmentPage(int page);
    void slotWaitTime();

private:
    /// What the next app-size result is for.
    enum class SizeRequest { None, Scan, EraseStart, Refresh };

    bool onFeatureTab() const;
    void lockTabs(bool locked);
    void requestAppSizes(SizeRequest purpose);
    void startErase();
    void checkEraseFinished();
    void queueRestore();
    void showFailure();
    void resetErase();
    void showBackupFailure(int code);

    QWidget* m_analysis = nullptr;
    OvFragmentAppView* m_apps = nullptr;
    EraseSafeConfirm* m_confirm = nullptr;
    EraseDataView* m_erase = nullptr;
    DeviceRestartView* m_restore = nullptr;
    ErasingReturnView* m_stopped = nullptr;
    CompleteEraseView* m_fill = nullptr;
    EraseAllDataFailureView* m_failure = nullptr;
    EraseAllDataFinishedView* m_finished = nullptr;
    QTimer* m_waitTimer = nullptr;

    QStringList m_appList;
    QMap<QString, bool> m_eraseMap;
    QMap<QString, QString> m_bundleIds;
    QMap<QString, qint64> m_sizesAtErase;
    quint64 m_usedAtErase = 0;
    int m_passes = 0;
    int m_remaining = 0;
    bool m_whatsAppEnded = true;
    bool m_weChatEnded = true;
    bool m_kikEnded = true;
    bool m_viberEnded = true;
    SizeRequest m_sizeRequest = SizeRequest::None;
    bool m_erasing = false;
    bool m_restoreQueued = false;
};
