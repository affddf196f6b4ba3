#include "EraseModelBase.h"

#include "FeatureHomePage.h"
#include "MainWindowAccess.h"

EraseModelBase::EraseModelBase(const QString& picture, const QString& title, const QString& description,
                               QWidget* parent)
    : OvModel(parent)
    , m_level(MainWindowAccess::securityLevel())
{
    m_home = new FeatureHomePage(picture, title, description, this);
    AddPage(0, m_home);
    SwitchPage(0);
}

void EraseModelBase::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_home->SetDeviceInfo(name, totalBytes, freeBytes);
}

void EraseModelBase::SetSecurityLevel(int level)
{
    m_level = level;
}

int EraseModelBase::FillPasses() const
{
    switch (m_level) {
    case 0:
        return 2;
    case 2:
        return 0;
    default:
        return 1;
    }
}
