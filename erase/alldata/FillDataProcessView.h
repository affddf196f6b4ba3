#pragma once

#include <QWidget>

class OvCustomNOButton;
class OvStyleProgressBar;
class QLabel;
class QTimer;

/// Erase All Data overwriting the device's free space: the bar, the percentage, and an
/// estimate that counts down from 60 minutes.
class FillDataProcessView : public QWidget
{
    Q_OBJECT

public:
    explicit FillDataProcessView(QWidget* parent = nullptr);

    /// Ready for a new fill: 0 %, 60 minutes, the countdown running.
    void Reset();
    /// Shows `percent`; at 99 the page starts waiting for the end (see setSendFinishedSignal).
    void SetProgress(int percent);
    int Progress() const;
    QString PercentText() const;
    QString EstimateText() const;
    int Minutes() const { return m_minutes; }
    bool IsStopped() const { return m_stopped; }
    bool IsWaitingAt99() const;

signals:
    void SignalFillStop(int);
    void signalFillDataFinished();

public slots:
    void slotStop();
    void slotUpdateFillTime();
    /// The fill stood at 99 % for five minutes without the device saying it ended.
    void setSendFinishedSignal();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showMinutes();

    int m_minutes = 60;
    bool m_stopped = false;
    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_estimate = nullptr;
    OvCustomNOButton* m_stop = nullptr;
    QTimer* m_minuteTimer = nullptr;
    QTimer* m_finishTimer = nullptr;
};
