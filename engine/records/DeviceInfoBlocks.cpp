#include "DeviceInfoBlocks.h"

#include <ovdriver.h>

#include <cstring>
#include <mutex>

namespace {

std::mutex infoMutex;

template<class Block, class Request> bool CopyInfoBlock(Block& copy, Request request)
{
    std::memset(&copy, 0, sizeof copy);
    std::lock_guard<std::mutex> lock(infoMutex);
    Block* block = nullptr;
    request(&block);
    if (!block)
        return false;
    std::memcpy(&copy, block, sizeof copy);
    return true;
}

} // namespace

bool CopyDeviceInfo(IPrivacyCleanDevice* device, OvDeviceInfo& copy)
{
    return CopyInfoBlock(copy, [device](OvDeviceInfo** block) {
        if (device)
            device->GetDeviceInfo(block);
    });
}

bool CopyBasicInfo(IPrivacyCleanDevice* device, OvBasicInfo& copy)
{
    return CopyInfoBlock(copy, [device](OvBasicInfo** block) {
        if (device)
            device->GetBasicInfo(block);
    });
}
