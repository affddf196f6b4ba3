#pragma once

#include <QMap>
#include <QWidget>

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

signals:
    void signalRestartStopBtn();
    void SignalSwitchPage(int);
    void SignalFragmentFailPage(int);
    void signalUpdateRestoreProcess(int nParam);
    void signEraseFinished();

private:
    int m_feature;
    int m_mode;
};
