#include "SimMessagesCategory.h"

#include "DeviceImage.h"
#include "ItemConverters.h"

SimMessagesCategory::SimMessagesCategory(SimDevice& device)
    : m_core(device, "messages")
{ }

IDeviceOperation* SimMessagesCategory::CreateLoad()
{
    return m_core.createLoad([this](const DeviceImage* copy) { rebuild(copy); });
}

void SimMessagesCategory::rebuild(const DeviceImage* copy)
{
    m_conversations.clear();
    m_messages.clear();
    m_attachments.clear();
    if (!copy) {
        m_conversations.seal();
        m_attachments.seal();
        return;
    }
    // Items point at each other, so the arrays are filled first and linked afterwards, when
    // no more push_back can move them.
    struct Range
    {
        std::size_t first;
        std::size_t count;
    };
    std::vector<Range> messageRanges;
    std::vector<Range> attachmentRanges;
    StringPool& strings = m_conversations.strings;
    const QJsonArray conversations = copy->privateArray("messages");
    for (const QJsonValue& conversationValue : conversations) {
        const QJsonObject conversation = conversationValue.toObject();
        const QJsonArray messages = conversation.value("messages").toArray();
        messageRanges.push_back({ m_messages.size(), static_cast<std::size_t>(messages.size()) });
        for (const QJsonValue& messageValue : messages) {
            const QJsonObject message = messageValue.toObject();
            const QJsonArray attachments = message.value("attachments").toArray();
            attachmentRanges.push_back({ m_attachments.items.size(), static_cast<std::size_t>(attachments.size()) });
            for (const QJsonValue& attachment : attachments) {
                m_attachments.items.push_back(ItemConverters::messageAttachment(attachment.toObject(), strings));
                m_attachments.ids.push_back(DeviceImage::idOf(attachment.toObject()));
            }
            m_messages.push_back({ strings.add(message.value("text").toString()), message.value("isFromMe").toInt(),
                                   ItemConverters::integer(message, "time"), message.value("isRead").toInt(), nullptr,
                                   static_cast<int>(attachments.size()), message.value("deleted").toBool() ? 1 : 0 });
        }
        m_conversations.items.push_back({ strings.add(conversation.value("participants").toString()), nullptr,
                                          static_cast<int>(messages.size()),
                                          conversation.value("deleted").toBool() ? 1 : 0 });
        m_conversations.ids.push_back(DeviceImage::idOf(conversation));
    }
    m_conversations.seal();
    m_attachments.seal();
    for (std::size_t m = 0; m < m_messages.size(); ++m) {
        if (attachmentRanges[m].count > 0)
            m_messages[m].attachments = &m_attachments.items[attachmentRanges[m].first];
    }
    for (std::size_t c = 0; c < m_conversations.items.size(); ++c) {
        if (messageRanges[c].count > 0)
            m_conversations.items[c].messages = &m_messages[messageRanges[c].first];
    }
}

IDeviceOperation* SimMessagesCategory::CreateEraseAll(CCallBack* callback)
{
    return m_core.createErase(callback, "messages (deleted)",
                              [](DeviceImage& copy) { return copy.removeDeletedMessages(); });
}

IDeviceOperation* SimMessagesCategory::CreateEraseSelected(OvItemList items, CCallBack* callback)
{
    return m_core.createEraseItems(m_conversations, items, callback, "messages",
                                   [](DeviceImage& copy, const QSet<qint64>& ids) {
                                       return copy.removePrivateRecords("messages", [&ids](const QJsonObject& r) {
                                           return ids.contains(DeviceImage::idOf(r));
                                       });
                                   });
}

IDeviceOperation* SimMessagesCategory::CreateEraseAttachments(OvItemList items, CCallBack* callback)
{
    return m_core.createEraseItems(
        m_attachments, items, callback, "message attachments",
        [](DeviceImage& copy, const QSet<qint64>& ids) { return copy.removeMessageAttachments(ids); });
}
