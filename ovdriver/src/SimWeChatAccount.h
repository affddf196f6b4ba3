#pragma once

#include <ovdriver.h>

#include <QString>

#include <string>

class SimWeChatCategory;

/// One WeChat account; its erases work on its own messages only.
class SimWeChatAccount final : public IWeChatAccount
{
public:
    SimWeChatAccount(SimWeChatCategory& category, const QString& name);
    ~SimWeChatAccount() = default;

    const char* GetAccountName() override { return m_nameText.c_str(); }
    int GetMessageCount() override;
    int Reserved2() override { return -1; }
    int Reserved3() override { return -1; }
    int Reserved4() override { return -1; }
    int Reserved5() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override;
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override;

    const QString& name() const { return m_name; }

private:
    SimWeChatCategory& m_category;
    QString m_name;
    std::string m_nameText;
};
