#include "SocketLibrary.h"

// POSIX sockets need no start; the flag only mirrors the Windows behaviour for callers.
SocketLibrary::SocketLibrary()
    : m_started(true)
{ }

SocketLibrary::~SocketLibrary() = default;
