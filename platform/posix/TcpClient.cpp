#include "TcpClient.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Waits for `events` on `fd`; false on timeout or error. EINTR restarts the wait.
bool waitFor(int fd, short events, int timeoutMs)
{
    pollfd entry { fd, events, 0 };
    for (;;) {
        const int n = poll(&entry, 1, timeoutMs);
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
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
    sockaddr_in address {};
    address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    freeaddrinfo(found);
    address.sin_port = htons(static_cast<uint16_t>(port));

    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // Connect without blocking so that an unreachable host costs at most the timeout.
    const int flags = fcntl(fd, F_GETFL);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && errno == EINPROGRESS && waitFor(fd, POLLOUT, timeoutMs)) {
        int error = 0;
        socklen_t length = sizeof error;
        connected = getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    if (!connected) {
        ::close(fd);
        return false;
    }
    fcntl(fd, F_SETFL, flags);
    m_socket = fd;
    return true;
}

bool TcpClient::sendAll(const char* data, std::size_t size)
{
    if (!isConnected())
        return false;
    while (size > 0) {
        // MSG_NOSIGNAL: a peer that went away must give an error, not SIGPIPE.
        const ssize_t n = ::send(static_cast<int>(m_socket), data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
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
    const int fd = static_cast<int>(m_socket);
    if (!waitFor(fd, POLLIN, timeoutMs))
        return -1;
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, static_cast<std::size_t>(capacity), 0);
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0 ? static_cast<int>(n) : -1;
    }
}

void TcpClient::close()
{
    if (isConnected()) {
        ::close(static_cast<int>(m_socket));
        m_socket = kInvalid;
    }
}
