#include "DeviceRestartView.h"

DeviceRestartView::DeviceRestartView(int feature, int mode, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_mode(mode)
{ }

void DeviceRestartView::SetEraseMap(const QMap<QString, bool>& queued)
{
    Q_UNUSED(queued)
}

void DeviceRestartView::StopRestartTimer() { }
void DeviceRestartView::RestartRestartTimer() { }

bool DeviceRestartView::IsRestartTimerActive() const
{
    return false;
}
