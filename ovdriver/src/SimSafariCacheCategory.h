#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

class SimSafariCacheCategory final : public RecordCategory<ISafariCacheCategory, OvSafariCacheItem>
{
public:
    explicit SimSafariCacheCategory(SimDevice& device)
        : RecordCategory(device, "safariCache", &ItemConverters::safariCache)
    { }
    int Reserved4() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override { return eraseDeleted(callback, { m_key }); }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override
    {
        return eraseSelected(m_table, m_key, items, callback);
    }
};
