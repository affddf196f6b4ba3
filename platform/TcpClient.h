#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// A blocking TCP connection of the platform's socket library, with every wait bounded so
/// that a silent peer cannot hold the caller forever. Needs a started SocketLibrary.
class TcpClient
{
public:
    TcpClient() = default;
    ~TcpClient();
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    /// Resolves `host`, takes its first IPv4 address and connects to `port` on it, waiting at
    /// most `timeoutMs`. False when the name does not resolve or the connection fails.
    bool connectTo(const std::string& host, int port, int timeoutMs);

    /// Sends all of `size` bytes. False when the connection fails.
    bool sendAll(const char* data, std::size_t size);

    /// One receive of at most `capacity` bytes, waiting at most `timeoutMs` for data.
    /// The number of bytes received; -1 on failure, timeout, or when the peer has closed.
    int receive(char* buffer, int capacity, int timeoutMs);

    void close();
    bool isConnected() const { return m_socket != kInvalid; }

private:
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t m_socket = kInvalid;
};
