#include "SocketLibrary.h"

#include "WinApi.h"

#include <winsock2.h>

SocketLibrary::SocketLibrary()
{
    WSADATA data {};
    m_started = WSAStartup(MAKEWORD(2, 1), &data) == 0;
}

SocketLibrary::~SocketLibrary()
{
    if (m_started)
        WSACleanup();
}
