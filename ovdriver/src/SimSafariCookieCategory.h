#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

class SimSafariCookieCategory final : public RecordCategory<ISafariCookieCategory, OvSafariCookieItem>
{
public:
    explicit SimSafariCookieCategory(SimDevice& device)
        : RecordCategory(device, "safariCookies", &ItemConverters::safariCookie)
    { }
    int Reserved4() override { return -1; }
    int Reserved5() override { return -1; }
    int Reserved6() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override { return eraseDeleted(callback, { m_key }); }
    int Reserved8() override { return -1; }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override
    {
        return eraseSelected(m_table, m_key, items, callback);
    }
};
