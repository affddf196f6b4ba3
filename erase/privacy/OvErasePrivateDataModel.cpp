#include "OvErasePrivateDataModel.h"

#include <QDebug>

namespace {
OvErasePrivateDataModel* s_instance = nullptr;
}

OvErasePrivateDataModel::OvErasePrivateDataModel(QWidget* parent)
    : EraseScanModel(3, 1,
                     { QStringLiteral("erase_private_data_icon.png"), tr("Erase Private Data "),
                       tr("Erase paivate data securely and don't worry about security breaches."),
                       tr("Erase Private Data"), tr("Selected files have been erased thoroughly.") },
                     parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("erasePrivateDataModel"));
}

OvErasePrivateDataModel::~OvErasePrivateDataModel()
{
    if (s_instance == this)
        s_instance = nullptr;
}

OvErasePrivateDataModel* OvErasePrivateDataModel::GetInstance()
{
    if (!s_instance)
        qDebug() << "has not init privatemodel";
    return s_instance;
}
