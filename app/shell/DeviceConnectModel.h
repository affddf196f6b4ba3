#pragma once

#include "OvModel.h"

/// The connection screens: 0 please connect, 1 connecting.
class DeviceConnectModel : public OvModel
{
    Q_OBJECT

public:
    enum Page { NoDevicePage = 0, ConnectingPage = 1 };

    explicit DeviceConnectModel(QWidget* parent = nullptr);
};
