#pragma once

#include "CategoryCore.h"
#include "DeviceImage.h"
#include "ItemTable.h"

#include <ovdriver.h>

#include <QJsonArray>
#include <QStringList>

/// Slots 0 to 3 of a private-data category whose items are the records of one array of the
/// backup copy, plus the erases every such category offers.
template<class Interface, class Item> class RecordCategory : public Interface
{
public:
    using Convert = Item (*)(const QJsonObject&, StringPool&);

    RecordCategory(SimDevice& device, const QString& key, Convert convert)
        : m_core(device, key)
        , m_key(key)
        , m_convert(convert)
    { }

    IDeviceOperation* CreateLoad() override
    {
        return m_core.createLoad([this](const DeviceImage* copy) { rebuild(copy); });
    }
    int Reserved1() override { return -1; }
    int GetCount() override { return m_table.count(); }
    const void* GetItem(int index) override { return m_table.at(index); }

protected:
    ~RecordCategory() = default; // owned as its final class, never through the interface

    virtual void rebuild(const DeviceImage* copy) { fill(m_table, copy, m_key, m_convert); }

    template<class T>
    static void fill(ItemTable<T>& table, const DeviceImage* copy, const QString& key,
                     T (*convert)(const QJsonObject&, StringPool&))
    {
        table.clear();
        if (!copy)
            return table.seal();
        const QJsonArray records = copy->privateArray(key);
        table.items.reserve(static_cast<std::size_t>(records.size()));
        table.ids.reserve(static_cast<std::size_t>(records.size()));
        for (const QJsonValue& value : records) {
            const QJsonObject record = value.toObject();
            table.items.push_back(convert(record, table.strings));
            table.ids.push_back(DeviceImage::idOf(record));
        }
        table.seal();
    }

    /// The deleted records of `keys`; `fragmentsOf` names the app whose fragments go with them.
    IDeviceOperation* eraseDeleted(CCallBack* callback, const QStringList& keys, const QString& fragmentsOf = {})
    {
        return m_core.createErase(callback, m_key + " (deleted)", [keys, fragmentsOf](DeviceImage& copy) {
            int erased = 0;
            for (const QString& key : keys)
                erased
                    += copy.removePrivateRecords(key, [](const QJsonObject& r) { return r.value("deleted").toBool(); });
            if (!fragmentsOf.isEmpty())
                CategoryCore::clearFragments(copy, fragmentsOf);
            return erased;
        });
    }

    /// The listed items of `table`, records of the array `key`.
    template<class T>
    IDeviceOperation* eraseSelected(const ItemTable<T>& table, const QString& key, const OvItemList& list,
                                    CCallBack* callback)
    {
        return m_core.createEraseItems(table, list, callback, key, [key](DeviceImage& copy, const QSet<qint64>& ids) {
            return copy.removePrivateRecords(
                key, [&ids](const QJsonObject& r) { return ids.contains(DeviceImage::idOf(r)); });
        });
    }

    CategoryCore m_core;
    QString m_key;
    Convert m_convert;
    ItemTable<Item> m_table;
};
