#include "ProcessList.h"

#include <chrono>
#include <thread>

bool WaitUntilNoProcessNamed(const std::string& name, int limitMs)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(limitMs);
    while (!FindProcessIdsByName(name).empty()) {
        if (steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(milliseconds(100));
    }
    return true;
}
