#pragma once

#include <QWidget>

class EraseSafeConfirm;
class OvCustomNOButton;
class OvStyleProgressBar;
class QLabel;
class QMovie;
class QTimer;

/// Overwrites the device's free space once or twice after an erase, so that erased data
/// cannot be read back.
class CompleteEraseView : public QWidget
{
    Q_OBJECT

public:
    /// `confirm` is the feature's confirmation page, which knows the fill passes.
    CompleteEraseView(int feature, EraseSafeConfirm* confirm, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    int Progress() const;
    QString PercentText() const;
    bool IsSecondPass() const { return m_secondPass; }
    bool IsStopped() const { return m_stopped; }

signals:
    void signalFillDataStopBtn();
    void signalFillDataFinished();
    void SignalSwitchPage(int);
    void signalUpdateFillProcess(int);

public slots:
    void OnFillDataStopBtn();
    void SetSendFinishedSignal();
    void SignalEraseSuccess();
    void SlotEraseConducting(int type, int value);
    void slotUpdateFillProcess(int value);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void reset();

    int m_feature;
    EraseSafeConfirm* m_confirm;
    bool m_stopped = false;
    bool m_secondPass = false;

    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_percent = nullptr;
    QMovie* m_animation = nullptr;
    OvCustomNOButton* m_stop = nullptr;
    QTimer* m_stuckTimer = nullptr;
};
