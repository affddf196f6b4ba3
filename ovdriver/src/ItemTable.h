#pragma once

#include "StringPool.h"

#include <ovdriver.h>

#include <QSet>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <vector>

/// The items of one category as handed to the program: they keep their addresses until the
/// next load, so that the low 32 bits of an address (the item handle) find the item again.
///
/// A handle is only an address, so a program that kept one from an earlier load could name
/// whatever record the allocator later put at that address. The table therefore remembers
/// the handles of its recent loads and never hands out one of them again: seal() moves the
/// new items elsewhere when they would land on a remembered handle. A remembered handle then
/// names no current item and erases nothing.
template<class Item> class ItemTable
{
public:
    std::vector<Item> items;
    std::vector<qint64> ids; ///< the record id of each item in the backup copy
    StringPool strings;

    /// Starts a new load: the current handles become stale. The old storage stays allocated
    /// until seal(), so the new items cannot take its addresses.
    void clear()
    {
        retire();
        m_previous.swap(items);
        items.clear();
        ids.clear();
        strings.clear();
    }
    /// Ends a load: call after the last push_back and before anything points at the items.
    void seal()
    {
        std::vector<std::vector<Item>> held;
        for (int attempt = 0; attempt < kMoveAttempts && collides(); ++attempt) {
            held.push_back(std::move(items));
            items = std::vector<Item>(held.back().begin(), held.back().end());
        }
        m_ambiguous.clear();
        for (const Item& item : items) {
            if (isRetired(OvItemHandle(&item)))
                m_ambiguous.insert(OvItemHandle(&item));
        }
        std::vector<Item>().swap(m_previous);
        m_sealedIds.clear();
        m_duplicateIds.clear();
        for (qint64 id : ids) {
            if (!m_sealedIds.insert(id).second)
                m_duplicateIds.insert(id);
        }
    }

    int count() const { return static_cast<int>(items.size()); }
    const Item* at(int index) const
    {
        return index >= 0 && index < count() ? &items[static_cast<std::size_t>(index)] : nullptr;
    }
    /// The record ids of the handles that name items of this table; `unknown` counts the
    /// others, including handles of earlier loads and items whose record id is not unique.
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
            if (it == byHandle.end() || m_ambiguous.count(handle) || it->second <= 0
                || m_duplicateIds.count(it->second))
                ++missing;
            else
                found.insert(it->second);
        }
        if (unknown)
            *unknown = missing;
        return found;
    }

private:
    // Enough loads back for any list a window still shows; older handles are forgotten.
    static constexpr std::size_t kRememberedLoads = 16;
    static constexpr int kMoveAttempts = 8;

    void retire()
    {
        if (items.empty())
            return;
        std::vector<std::uint32_t> handles;
        handles.reserve(items.size());
        for (const Item& item : items)
            handles.push_back(OvItemHandle(&item));
        std::sort(handles.begin(), handles.end());
        m_retired.push_back(std::move(handles));
        if (m_retired.size() > kRememberedLoads)
            m_retired.pop_front();
    }
    bool isRetired(std::uint32_t handle) const
    {
        for (const auto& load : m_retired) {
            if (std::binary_search(load.begin(), load.end(), handle))
                return true;
        }
        return false;
    }
    bool collides() const
    {
        for (const Item& item : items) {
            if (isRetired(OvItemHandle(&item)))
                return true;
        }
        return false;
    }

    std::vector<Item> m_previous;
    std::deque<std::vector<std::uint32_t>> m_retired;
    std::unordered_set<std::uint32_t> m_ambiguous;
    std::unordered_set<qint64> m_sealedIds;
    std::unordered_set<qint64> m_duplicateIds;
};
