#include "OvEraseFragmentDataModel.h"

OvEraseFragmentDataModel::OvEraseFragmentDataModel(QWidget* parent)
    : EraseModelBase(4, QStringLiteral("erase_fragments_icon.png"), tr("Erase Incomplete Private Fragments"),
                     tr("The most complete and in-depth erasure for third-party Apps!"), tr("Scan"), parent)
{
    setObjectName(QStringLiteral("eraseFragmentDataModel"));
}
