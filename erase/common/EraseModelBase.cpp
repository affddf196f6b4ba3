#include "EraseModelBase.h"

#include "EraseTabPage.h"
#include "MainWindowAccess.h"
#include "SafeLevelSettingDialog.h"

EraseModelBase::EraseModelBase(int feature, const QString& picture, const QString& title, const QString& description,
                               const QString& buttonText, QWidget* parent)
    : OvModel(parent)
    , m_feature(feature)
    , m_level(MainWindowAccess::securityLevel())
{
    m_start = new EraseTabPage(feature, this, picture, title, description, buttonText, this);
    AddPage(0, m_start);
    SwitchPage(0);
}

void EraseModelBase::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_start->SetDeviceInfo(name, totalBytes, freeBytes);
}

void EraseModelBase::SetSecurityLevel(int level)
{
    m_level = level;
}

int EraseModelBase::FillPasses() const
{
    return SafeLevelSettingDialog::FillPasses(m_level);
}
