#include "OvErasePrivateDataModel.h"

OvErasePrivateDataModel::OvErasePrivateDataModel(QWidget* parent)
    : EraseModelBase(QStringLiteral("erase_private_data_icon.png"), tr("Erase Private Data "),
                     tr("Erase paivate data securely and don't worry about security breaches."), parent)
{
    setObjectName(QStringLiteral("erasePrivateDataModel"));
}
