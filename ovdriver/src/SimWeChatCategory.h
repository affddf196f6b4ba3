#pragma once

#include "RecordCategory.h"
#include "SimWeChatAccount.h"

#include <map>
#include <memory>
#include <vector>

/// WeChat: count and slot 3 walk the messages of every account; slots 4 and 5 the accounts.
class SimWeChatCategory final : public RecordCategory<IWeChatCategory, OvWeChatItem>
{
public:
    explicit SimWeChatCategory(SimDevice& device);
    int GetAccountCount() override { return static_cast<int>(m_current.size()); }
    IWeChatAccount* GetAccount(int index) override;

    int messageCount(const SimWeChatAccount& account) const;
    IDeviceOperation* eraseDeletedOf(const SimWeChatAccount& account, CCallBack* callback);
    IDeviceOperation* eraseSelectedOf(const SimWeChatAccount& account, const OvItemList& items, CCallBack* callback);

private:
    void rebuild(const DeviceImage* copy) override;
    SimWeChatAccount* account(const QString& name);

    // Accounts outlive loads: the program keeps their pointers in its records.
    std::map<QString, std::unique_ptr<SimWeChatAccount>> m_accounts;
    std::vector<SimWeChatAccount*> m_current;
};
