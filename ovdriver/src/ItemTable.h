#pragma once

#include "StringPool.h"

#include <ovdriver.h>

#include <QSet>

#include <cstdint>
#include <unordered_map>
#include <vector>

/// The items of one category as handed to the program: they keep their addresses until the
/// next load, so that the low 32 bits of an address (the item handle) find the item again.
template<class Item> class ItemTable
{
public:
    std::vector<Item> items;
    std::vector<qint64> ids; ///< the record id of each item in the backup copy
    StringPool strings;

    void clear()
    {
        items.clear();
        ids.clear();
        strings.clear();
    }
    int count() const { return static_cast<int>(items.size()); }
    const Item* at(int index) const
    {
        return index >= 0 && index < count() ? &items[static_cast<std::size_t>(index)] : nullptr;
    }
    /// The record ids of the handles that name items of this table; `unknown` counts the others.
    QSet<qint64> resolve(const std::vector<std::uint32_t>& handles, int* unknown = nullptr) const
    {
        std::unordered_map<std::uint32_t, qint64> byHandle;
        byHandle.reserve(items.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            byHandle.emplace(OvItemHandle(&items[i]), ids[i]);
        QSet<qint64> found;
        int missing = 0;
        for (std::uint32_t handle : handles) {
            const auto it = byHandle.find(handle);
            if (it == byHandle.end())
                ++missing;
            else
                found.insert(it->second);
        }
        if (unknown)
            *unknown = missing;
        return found;
    }
};
