#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

/// Calendar, bookmarks and voice memos: only the whole category (its deleted records) is erased.
template<class Item> class SimWholeEraseCategory final : public RecordCategory<IWholeEraseCategory, Item>
{
    using Base = RecordCategory<IWholeEraseCategory, Item>;

public:
    using Base::Base;
    int Reserved4() override { return -1; }
    int Reserved5() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override
    {
        return this->eraseDeleted(callback, { this->m_key });
    }
};
