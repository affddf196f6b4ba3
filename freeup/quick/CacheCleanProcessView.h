#pragma once

#include <QWidget>

class OvCustomNOButton;
class QLabel;
class QMovie;
class QTimer;

/// The temporary-file clean (page 8). The device gives no progress for it, so the page
/// counts down an estimate from the device's free space, once a minute.
class CacheCleanProcessView : public QWidget
{
    Q_OBJECT

public:
    explicit CacheCleanProcessView(QWidget* parent = nullptr);

    /// A clean starts: minutes left = free space in whole GiB + 5, and the countdown runs.
    void Reset();
    void StopTimer();
    bool IsCounting() const;
    int MinutesLeft() const { return m_minutes; }
    /// The minutes line as shown, without markup.
    QString TimeText() const;

    /// Free space of the connected device in whole GiB; 0 without a device.
    static quint64 FreeSpaceGiB();

signals:
    void onShowNextView(int);
    void onClickedCancel(int);

public slots:
    void ClickedCancel();
    void SlotTimerOut();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowMinutes();

    int m_minutes = 0;
    QTimer* m_timer = nullptr;
    QLabel* m_animationLabel = nullptr;
    QMovie* m_animation = nullptr;
    QLabel* m_barLabel = nullptr;
    QMovie* m_barAnimation = nullptr;
    QLabel* m_timeLabel = nullptr;
    OvCustomNOButton* m_stopButton = nullptr;
};
