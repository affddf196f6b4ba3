#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

/// A test server of ours (a Python script of this folder) listening on 127.0.0.1. The script
/// picks a free port and names it; the server ends when this object goes, because its
/// standard input closes (and is killed if it does not).
class LoopbackServer
{
public:
    LoopbackServer() = default;
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    /// Starts `script` with `arguments` and waits until it listens. False (see errorText())
    /// when it does not within a few seconds.
    bool start(const QString& script, const QStringList& arguments = {});
    void stop();

    int port() const { return m_port; }
    QString baseAddress() const;
    QString errorText() const { return m_error; }

    /// A GET of `path` on this server, waited for; empty on failure.
    QByteArray fetch(const QString& path) const;

    /// A port on 127.0.0.1 where nothing listens.
    static int closedPort();

private:
    QProcess m_process;
    int m_port = 0;
    QString m_error;
};
