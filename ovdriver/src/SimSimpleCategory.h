#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

/// Call log and Safari history.
template<class Item> class SimSimpleCategory final : public RecordCategory<ISimpleCategory, Item>
{
    using Base = RecordCategory<ISimpleCategory, Item>;

public:
    using Base::Base;
    int Reserved4() override { return -1; }
    int Reserved5() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override
    {
        return this->eraseDeleted(callback, { this->m_key });
    }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override
    {
        return this->eraseSelected(this->m_table, this->m_key, items, callback);
    }
};
