#include "SimWeChatCategory.h"

#include "ItemConverters.h"

namespace {

const char kWeChatBundle[] = "com.tencent.xin";

OvWeChatItem noConversion(const QJsonObject&, StringPool&)
{
    return {};
}

} // namespace

SimWeChatCategory::SimWeChatCategory(SimDevice& device)
    : RecordCategory(device, "weChat", &noConversion)
{ }

IWeChatAccount* SimWeChatCategory::GetAccount(int index)
{
    return index >= 0 && index < GetAccountCount() ? m_current[static_cast<std::size_t>(index)] : nullptr;
}

SimWeChatAccount* SimWeChatCategory::account(const QString& name)
{
    auto& slot = m_accounts[name];
    if (!slot)
        slot = std::make_unique<SimWeChatAccount>(*this, name);
    return slot.get();
}

void SimWeChatCategory::rebuild(const DeviceImage* copy)
{
    m_table.clear();
    m_current.clear();
    if (!copy)
        return m_table.seal();
    const QStringList accounts = copy->weChatAccounts();
    for (const QString& name : accounts)
        m_current.push_back(account(name));
    const QJsonArray messages = copy->privateArray("weChat");
    m_table.items.reserve(static_cast<std::size_t>(messages.size()));
    for (const QJsonValue& value : messages) {
        const QJsonObject message = value.toObject();
        SimWeChatAccount* owner = account(message.value("account").toString());
        m_table.items.push_back({ owner, owner->GetAccountName(),
                                  m_table.strings.add(message.value("talker").toString()),
                                  m_table.strings.add(message.value("text").toString()),
                                  ItemConverters::integer(message, "time"), message.value("isFromMe").toInt(),
                                  message.value("messageType").toInt(), message.value("deleted").toBool() ? 1 : 0 });
        m_table.ids.push_back(DeviceImage::idOf(message));
    }
    m_table.seal();
}

int SimWeChatCategory::messageCount(const SimWeChatAccount& owner) const
{
    int count = 0;
    for (const OvWeChatItem& item : m_table.items) {
        if (item.account == &owner)
            ++count;
    }
    return count;
}

IDeviceOperation* SimWeChatCategory::eraseDeletedOf(const SimWeChatAccount& owner, CCallBack* callback)
{
    const QString name = owner.name();
    return m_core.createErase(callback, "WeChat " + name + " (deleted)", [name](DeviceImage& copy) {
        const int erased = copy.removePrivateRecords("weChat", [&name](const QJsonObject& r) {
            return r.value("deleted").toBool() && r.value("account").toString() == name;
        });
        CategoryCore::clearFragments(copy, kWeChatBundle);
        return erased;
    });
}

IDeviceOperation* SimWeChatCategory::eraseSelectedOf(const SimWeChatAccount& owner, const OvItemList& items,
                                                     CCallBack* callback)
{
    const QString name = owner.name();
    return m_core.createEraseItems(
        m_table, items, callback, "WeChat " + name, [name](DeviceImage& copy, const QSet<qint64>& ids) {
            return copy.removePrivateRecords("weChat", [&](const QJsonObject& r) {
                return r.value("account").toString() == name && ids.contains(DeviceImage::idOf(r));
            });
        });
}
