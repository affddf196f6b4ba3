#include "OvEraseDeletedFilesModel.h"

OvEraseDeletedFilesModel::OvEraseDeletedFilesModel(QWidget* parent)
    : EraseModelBase(QStringLiteral("erase_deleted_files_icon.png"), tr("Erase Deleted Files "),
                     tr("Erase deleted files outright and your secrets are gone forever."), parent)
{
    setObjectName(QStringLiteral("eraseDeletedFilesModel"));
}
