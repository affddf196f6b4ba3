#include "DeviceConnectModel.h"

#include "DevConnectNullView.h"
#include "DevConnectView.h"

DeviceConnectModel::DeviceConnectModel(QWidget* parent)
    : OvModel(parent)
{
    setObjectName(QStringLiteral("deviceConnectModel"));
    AddPage(NoDevicePage, new DevConnectNullView(this));
    AddPage(ConnectingPage, new DevConnectView(this));
    SwitchPage(NoDevicePage);
}
