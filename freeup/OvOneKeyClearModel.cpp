#include "OvOneKeyClearModel.h"

#include "FeatureHomePage.h"

OvOneKeyClearModel::OvOneKeyClearModel(QWidget* parent)
    : OvModel(parent)
{
    setObjectName(QStringLiteral("oneKeyClearModel"));
    m_home = new FeatureHomePage(QStringLiteral("quick_junk_files.png"), tr("1-Click Free Up Space"),
                                 tr("Clean junk and temporary files, compress photos, and remove large files and "
                                    "apps you no longer need."),
                                 this);
    AddPage(0, m_home);
    SwitchPage(0);
}

void OvOneKeyClearModel::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_home->SetDeviceInfo(name, totalBytes, freeBytes);
}
