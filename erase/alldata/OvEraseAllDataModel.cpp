#include "OvEraseAllDataModel.h"

OvEraseAllDataModel::OvEraseAllDataModel(QWidget* parent)
    : EraseModelBase(1, QStringLiteral("erase_all_data_safe_confirm_icon.png"), tr("Erase All Data "),
                     tr("Erase all data permanently and keep your private data completely gone."), tr("Erase"), parent)
{
    setObjectName(QStringLiteral("eraseAllDataModel"));
}
