#include "SingleInstanceGuard.h"

#include "WinApi.h"

SingleInstanceGuard::SingleInstanceGuard(std::string name)
    : m_name(std::move(name))
{ }

bool SingleInstanceGuard::acquire()
{
    // The handle is deliberately never closed: the end of the process releases the mutex.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, m_name.c_str());
    return !(mutex && GetLastError() == ERROR_ALREADY_EXISTS);
}
