#include "MainWindowAccess.h"

#include <atomic>

namespace {

MainWindowAccess* g_window = nullptr;
std::atomic<int> g_securityLevel { 1 };

} // namespace

void MainWindowAccess::registerInstance(MainWindowAccess* window)
{
    g_window = window;
}

MainWindowAccess* MainWindowAccess::instance()
{
    return g_window;
}

int MainWindowAccess::securityLevel()
{
    return g_securityLevel.load();
}

void MainWindowAccess::setSecurityLevel(int level)
{
    g_securityLevel.store(level >= 0 && level <= 2 ? level : 1);
}
