#include "LoopbackServer.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTimer>

LoopbackServer::~LoopbackServer()
{
    stop();
}

bool LoopbackServer::start(const QString& script, const QStringList& arguments)
{
    stop();
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral(DRAVO_TEST_PYTHON),
                    QStringList { QStringLiteral(DRAVO_TEST_SERVERS_DIR "/") + script } + arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    // The script names its port on a line of its own once it listens.
    QByteArray seen;
    const QDeadlineTimer deadline(10000);
    while (m_process.canReadLine() || m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
        if (!m_process.canReadLine())
            continue; // a line in parts
        const QByteArray line = m_process.readLine().trimmed();
        seen += line + '\n';
        if (line.startsWith("PORT ")) {
            m_port = line.mid(5).toInt();
            return m_port > 0;
        }
    }
    m_error = QString::fromLocal8Bit(seen + m_process.readAllStandardError());
    stop();
    return false;
}

void LoopbackServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    m_port = 0;
}

QString LoopbackServer::baseAddress() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QByteArray LoopbackServer::fetch(const QString& path) const
{
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(baseAddress() + path)));
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(10000, &wait, &QEventLoop::quit);
    wait.exec();
    const QByteArray body
        = reply->isFinished() && reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    reply->abort();
    delete reply;
    return body;
}

int LoopbackServer::closedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 1;
    const int port = probe.serverPort();
    probe.close();
    return port;
}
