#pragma once

#include <QWidget>

class OvStyleProgressBar;
class QLabel;
class QMovie;
class QTimer;

/// The time estimate of a long device job: a looping bar animation with "About %1
/// Minute(s)" under it, counted down once a minute, until the job reports real progress,
/// which replaces both by a progress bar with "%1%".
class OvProgressBarGif : public QWidget
{
    Q_OBJECT

public:
    explicit OvProgressBarGif(QWidget* parent = nullptr);

    /// The looping animation shown while the estimate runs (a skin image name).
    void SetAnimation(const QString& gifName);
    /// Counts down from the device's used space in whole GiB + 2 minutes.
    void StartDeviceEstimate(quint64 totalSpace, quint64 freeSpace);
    /// Counts down from 5 minutes.
    void StartFiveMinutes();
    /// Shows and remembers `minutes` (never shown below 1).
    void SetMinutes(int minutes);
    /// Ends the estimate and shows `percent` on the bar.
    void SetProgress(int percent);

    int Minutes() const { return m_minutes; }
    bool IsCounting() const;
    QString TimeText() const;
    QString AnimationName() const { return m_animationName; }

    /// Used space (total − free) of a device in whole GiB; 0 without a device, whose free
    /// space then reads larger than its total.
    static quint64 UsedSpaceGiB(quint64 totalSpace, quint64 freeSpace);
    /// StartDeviceEstimate's minutes.
    static int DeviceEstimateMinutes(quint64 totalSpace, quint64 freeSpace);

public slots:
    void slotProcessTimer();
    /// The job ended before the estimate ran out: the countdown and the animation stop
    /// and the time label goes away.
    void SlotTimeoutdone();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void startCountdown(int minutes);
    void showMinutes();
    void fitAnimation();

    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_animationLabel = nullptr;
    QLabel* m_timeLabel = nullptr;
    QMovie* m_movie = nullptr;
    QTimer* m_timer = nullptr;
    QString m_animationName;
    QSize m_frameSize;
    int m_minutes = 0;
};
