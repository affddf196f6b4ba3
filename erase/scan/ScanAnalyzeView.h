#pragma once

#include <QWidget>

class OvCustomNOButton;
class OvStyleProgressBar;
class QLabel;
class QMovie;
class QTimer;

/// Page 1 of Erase Private Data and Erase Deleted Files: the backup of the device, whose
/// end queues the loads of the feature and moves on to the result tree.
class ScanAnalyzeView : public QWidget
{
    Q_OBJECT

public:
    /// `feature` 2 (deleted files) or 3 (private data); other features show the page only.
    explicit ScanAnalyzeView(int feature, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    int progress() const;
    QString statusText() const;
    bool isStopping() const { return m_stopping; }

    /// The failure text of a backup error code (`%1` filled in); empty for 1003.
    static QString FailureText(int code);

signals:
    void signalAnalyzeStop();
    void SignalSwitchPage(int);
    void signalUpdateBackupProcess(int);
    void SignalInitScanResult();

public slots:
    void OnClickedAnalyzeStopBtn();
    void slotUpdateBackupProcess(int value);
    void slotSwitchToResult();
    void ShowDevTaskInitEnd(int type, int nParam);
    void SlotReturnHome();
    void SlotInitData();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool concernsMe() const;
    /// Queues the feature's loads in their order; false when the device went away.
    bool PostLoads();
    void SetOverlay(const QString& gif);

    int m_feature;
    bool m_stopping = false;
    QLabel* m_animationLabel = nullptr;
    QMovie* m_animation = nullptr;
    QLabel* m_device = nullptr;
    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_overlayLabel = nullptr;
    QMovie* m_overlay = nullptr;
    QLabel* m_status = nullptr;
    OvCustomNOButton* m_stop = nullptr;
    QTimer* m_returnTimer = nullptr;
};
