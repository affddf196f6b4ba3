#pragma once

/// Keeps the platform's socket library started for its lifetime (Windows: Winsock 2.1;
/// POSIX needs nothing).
class SocketLibrary
{
public:
    SocketLibrary();
    ~SocketLibrary();
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;

    bool isStarted() const { return m_started; }

private:
    bool m_started = false;
};
