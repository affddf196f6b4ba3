#include "OvEraseFragmentDataModel.h"

OvEraseFragmentDataModel::OvEraseFragmentDataModel(QWidget* parent)
    : EraseModelBase(QStringLiteral("erase_fragments_icon.png"), tr("Erase Incomplete Private Fragments"),
                     tr("The most complete and in-depth erasure for third-party Apps!"), parent)
{
    setObjectName(QStringLiteral("eraseFragmentDataModel"));
}
