#include "TcpClient.h"

#include "WinApi.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

SOCKET handleOf(std::intptr_t socket)
{
    return static_cast<SOCKET>(socket);
}

// Waits until `socket` can be written (or has failed, for a pending connect) or read.
bool waitFor(SOCKET socket, bool forWriting, int timeoutMs)
{
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket, &ready);
    fd_set failed;
    FD_ZERO(&failed);
    FD_SET(socket, &failed);
    timeval timeout { timeoutMs / 1000, (timeoutMs % 1000) * 1000 };
    const int n = select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &timeout);
    return n > 0 && FD_ISSET(socket, &ready);
}

} // namespace

TcpClient::~TcpClient()
{
    close();
}

bool TcpClient::connectTo(const std::string& host, int port, int timeoutMs)
{
    close();
    if (port <= 0 || port > 65535)
        return false;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return false;
    sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    freeaddrinfo(found);
    address.sin_port = htons(static_cast<u_short>(port));

    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET)
        return false;
    // Connect without blocking so that an unreachable host costs at most the timeout.
    u_long nonBlocking = 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    bool connected = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && WSAGetLastError() == WSAEWOULDBLOCK)
        connected = waitFor(socket, true, timeoutMs);
    if (!connected) {
        closesocket(socket);
        return false;
    }
    nonBlocking = 0;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    m_socket = static_cast<std::intptr_t>(socket);
    return true;
}

bool TcpClient::sendAll(const char* data, std::size_t size)
{
    if (!isConnected())
        return false;
    while (size > 0) {
        const int chunk = size > 0x40000000 ? 0x40000000 : static_cast<int>(size);
        const int n = ::send(handleOf(m_socket), data, chunk, 0);
        if (n == SOCKET_ERROR || n == 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

int TcpClient::receive(char* buffer, int capacity, int timeoutMs)
{
    if (!isConnected() || capacity <= 0)
        return -1;
    if (!waitFor(handleOf(m_socket), false, timeoutMs))
        return -1;
    const int n = ::recv(handleOf(m_socket), buffer, capacity, 0);
    return n > 0 ? n : -1;
}

void TcpClient::close()
{
    if (isConnected()) {
        closesocket(handleOf(m_socket));
        m_socket = kInvalid;
    }
}
