#include "IDeviceAccess.h"

#include <atomic>

namespace {

std::atomic<IDeviceAccess*> g_access { nullptr };

} // namespace

void IDeviceAccess::registerInstance(IDeviceAccess* access)
{
    g_access.store(access);
}

void IDeviceAccess::unregisterInstance(IDeviceAccess* access)
{
    g_access.compare_exchange_strong(access, nullptr);
}

IDeviceAccess* IDeviceAccess::instance()
{
    return g_access.load();
}
