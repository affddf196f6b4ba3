#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

/// Viber and Kik; Kik also has attachments (Viber's attachment array is empty).
template<class Item> class SimChatCategory final : public RecordCategory<IChatCategory, Item>
{
    using Base = RecordCategory<IChatCategory, Item>;

public:
    SimChatCategory(SimDevice& device, const QString& key, typename Base::Convert convert, const QString& attachmentKey,
                    const QString& bundleId)
        : Base(device, key, convert)
        , m_attachmentKey(attachmentKey)
        , m_bundleId(bundleId)
    { }

    int GetAttachmentCount() override { return m_attachments.count(); }
    const OvKikAttachmentItem* GetAttachment(int index) override { return m_attachments.at(index); }
    int Reserved6() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override
    {
        QStringList keys { this->m_key };
        if (!m_attachmentKey.isEmpty())
            keys << m_attachmentKey;
        return this->eraseDeleted(callback, keys, m_bundleId);
    }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override
    {
        return this->eraseSelected(this->m_table, this->m_key, items, callback);
    }
    int Reserved9() override { return -1; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* callback) override
    {
        return this->eraseSelected(m_attachments, m_attachmentKey, items, callback);
    }

private:
    void rebuild(const DeviceImage* copy) override
    {
        Base::rebuild(copy);
        m_attachments.clear();
        if (!m_attachmentKey.isEmpty())
            this->fill(m_attachments, copy, m_attachmentKey, &ItemConverters::kikAttachment);
    }

    QString m_attachmentKey;
    QString m_bundleId;
    ItemTable<OvKikAttachmentItem> m_attachments;
};
