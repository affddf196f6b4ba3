#pragma once

#include "OvStyleDialog.h"

/// Help for a device that is plugged in but not recognised.
class DeviceConnectNullTipDialog : public OvStyleDialog
{
    Q_OBJECT

public:
    explicit DeviceConnectNullTipDialog(QWidget* parent = nullptr);

public slots:
    void OnClickedStartFixTool(QString url);
    void OpenUrlAboutFixOS(QString url);
};
