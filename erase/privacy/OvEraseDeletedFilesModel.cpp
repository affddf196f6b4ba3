#include "OvEraseDeletedFilesModel.h"

#include <QDebug>

namespace {
OvEraseDeletedFilesModel* s_instance = nullptr;
}

OvEraseDeletedFilesModel::OvEraseDeletedFilesModel(QWidget* parent)
    : EraseScanModel(2, 0,
                     { QStringLiteral("erase_deleted_files_icon.png"), tr("Erase Deleted Files "),
                       tr("Erase deleted files outright and your secrets are gone forever."), tr("Erase Deleted Files"),
                       tr("Selected files have been erased thoroughly.") },
                     parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("eraseDeletedFilesModel"));
}

OvEraseDeletedFilesModel::~OvEraseDeletedFilesModel()
{
    if (s_instance == this)
        s_instance = nullptr;
}

OvEraseDeletedFilesModel* OvEraseDeletedFilesModel::GetInstance()
{
    if (!s_instance)
        qDebug() << "has not init deletedmodel";
    return s_instance;
}
