#pragma once

#include <QWidget>

class OvCustomNOButton;
class OvStyleProgressBar;
class QLabel;
class QMovie;
class QTimer;

/// The progress of Erase All Data: the backup and the erase (scan mode), or the device
/// restarting afterwards (restart mode). Its Stop asks first, then gives the device job a
/// few seconds to end before it reports the stop.
class EraseAllDataProcessView : public QWidget
{
    Q_OBJECT

public:
    enum Mode : int { ScanMode = 0, RestartMode = 1 };

    explicit EraseAllDataProcessView(int mode, QWidget* parent = nullptr);

    int mode() const { return m_mode; }
    int Progress() const;
    QString StatusText() const;
    /// Seconds the page has been shown, as its clock counts them.
    int ElapsedSeconds() const { return m_seconds; }
    /// A stop was confirmed and its few seconds are running.
    bool IsStopping() const { return m_stopping; }

    /// Ready for a new erase: "Scanning, please wait...", the bar at 1, Stop shown.
    void ResetView();
    /// The backup is over: "Erasing, please wait..." and the bar starts again at 1.
    void ShowErasing();
    /// Moves the bar without changing the text (the erase stages).
    void SetProgress(int percent);

signals:
    void SignalBackupStop(int);
    /// Emitted at once when the user confirms Stop, before the few seconds of waiting.
    void SignalStopConfirmed();

public slots:
    void slotStop();
    void slotUpdateBackupTime();
    void slotScanDataProcess(int value);
    void slotEraseDataProcess(int value);
    void SlotEraseReturnHome();
    void BackupStopTime();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setBar(int percent);
    void setStatus(const QString& text);
    void showWorkingAnimation(bool play);

    int m_mode;
    int m_seconds = 0;
    bool m_stopping = false;
    bool m_erasing = false;
    QLabel* m_animation = nullptr;
    QMovie* m_animationMovie = nullptr;
    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_overlay = nullptr;
    QMovie* m_overlayMovie = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_clock = nullptr;
    OvCustomNOButton* m_stop = nullptr;
    QTimer* m_backupClock = nullptr;
    QTimer* m_returnTimer = nullptr;
};
