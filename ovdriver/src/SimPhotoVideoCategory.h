#pragma once

#include "ItemConverters.h"
#include "RecordCategory.h"

/// Photos and videos of the backup copy, existing and deleted; only chosen items are erased.
class SimPhotoVideoCategory final : public RecordCategory<IPhotoVideoCategory, OvPhotoVideoItem>
{
public:
    explicit SimPhotoVideoCategory(SimDevice& device);
    int Reserved4() override { return -1; }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* callback) override;

private:
    void rebuild(const DeviceImage* copy) override;
};
