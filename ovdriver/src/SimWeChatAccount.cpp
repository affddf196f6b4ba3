#include "SimWeChatAccount.h"

#include "SimWeChatCategory.h"

SimWeChatAccount::SimWeChatAccount(SimWeChatCategory& category, const QString& name)
    : m_category(category)
    , m_name(name)
    , m_nameText(name.toStdString())
{ }

int SimWeChatAccount::GetMessageCount()
{
    return m_category.messageCount(*this);
}

IDeviceOperation* SimWeChatAccount::CreateEraseAll(CCallBack* callback)
{
    return m_category.eraseDeletedOf(*this, callback);
}

IDeviceOperation* SimWeChatAccount::CreateEraseSelected(OvItemList items, CCallBack* callback)
{
    return m_category.eraseSelectedOf(*this, items, callback);
}
