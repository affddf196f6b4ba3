#pragma once

#include "RecordCategory.h"

#include <vector>

/// Contacts with their phone numbers; only the whole category (its deleted contacts) is erased.
class SimContactsCategory final : public RecordCategory<IWholeEraseCategory, OvContactItem>
{
public:
    explicit SimContactsCategory(SimDevice& device);
    int Reserved4() override { return -1; }
    int Reserved5() override { return -1; }
    IDeviceOperation* CreateEraseAll(CCallBack* callback) override;

private:
    void rebuild(const DeviceImage* copy) override;

    std::vector<OvContactPhone> m_phones;
};
