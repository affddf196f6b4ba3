#include "SimContactsCategory.h"

namespace {

OvContactItem noConversion(const QJsonObject&, StringPool&)
{
    return {};
}

} // namespace

SimContactsCategory::SimContactsCategory(SimDevice& device)
    : RecordCategory(device, "contacts", &noConversion)
{ }

void SimContactsCategory::rebuild(const DeviceImage* copy)
{
    m_table.clear();
    m_phones.clear();
    if (!copy)
        return m_table.seal();
    std::vector<std::size_t> firstPhone;
    const QJsonArray contacts = copy->privateArray("contacts");
    for (const QJsonValue& value : contacts) {
        const QJsonObject contact = value.toObject();
        const QJsonArray phones = contact.value("phones").toArray();
        firstPhone.push_back(m_phones.size());
        for (const QJsonValue& phoneValue : phones) {
            const QJsonObject phone = phoneValue.toObject();
            m_phones.push_back({ m_table.strings.add(phone.value("number").toString()),
                                 m_table.strings.add(phone.value("label").toString()), phone.value("labelType").toInt(),
                                 phone.value("state").toInt(), phone.value("propertyType").toInt() });
        }
        m_table.items.push_back({ m_table.strings.add(contact.value("firstName").toString()),
                                  m_table.strings.add(contact.value("lastName").toString()),
                                  m_table.strings.add(contact.value("organization").toString()), nullptr,
                                  static_cast<int>(phones.size()), contact.value("deleted").toBool() ? 1 : 0 });
        m_table.ids.push_back(DeviceImage::idOf(contact));
    }
    m_table.seal();
    for (std::size_t i = 0; i < m_table.items.size(); ++i) {
        if (m_table.items[i].phoneCount > 0)
            m_table.items[i].phones = &m_phones[firstPhone[i]];
    }
}

IDeviceOperation* SimContactsCategory::CreateEraseAll(CCallBack* callback)
{
    return eraseDeleted(callback, { "contacts" });
}
