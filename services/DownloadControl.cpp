#include "DownloadControl.h"

#include "Download.h"
#include "Durations.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QtDebug>

namespace {

constexpr int kProgressIntervalMs = 500;
constexpr int kSizeTimeoutMs = 30000;

} // namespace

DownloadControl::DownloadControl(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    connect(&m_progressTimer, &QTimer::timeout, this, &DownloadControl::slotComputeDownloadProgress);
}

DownloadControl::~DownloadControl()
{
    m_progressTimer.stop();
    qDeleteAll(m_downloads);
    m_downloads.clear();
    if (m_file.isOpen())
        m_file.close();
}

QString DownloadControl::OutputFileName(const QString& address)
{
    const QString name = QUrl(address).fileName();
    return name.isEmpty() ? QStringLiteral("index.html") : name;
}

qint64 DownloadControl::requestFileSize(const QString& address)
{
    QNetworkRequest request { QUrl(address) };
    request.setTransferTimeout(kSizeTimeoutMs);
    QNetworkReply* reply = m_manager->head(request);
    QEventLoop wait;
    connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    qint64 size = 0;
    if (reply->error() == QNetworkReply::NoError)
        size = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    qDebug() << "Get file size reply------------:" << size;
    reply->deleteLater();
    return size;
}

bool DownloadControl::StartFileDownload(const QString& address, const QString& dir, int parts)
{
    if (!m_downloads.isEmpty() || parts <= 0)
        return false;
    m_address = address;
    m_size = requestFileSize(address);
    if (m_size <= 0)
        return false;

    m_file.setFileName(dir + QLatin1Char('/') + OutputFileName(address));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !m_file.resize(m_size)) {
        qDebug() << "cannot create" << m_file.fileName();
        m_file.close();
        return false;
    }

    m_parts = parts;
    m_finished = 0;
    m_completionOrder.clear();
    m_starts.clear();
    m_ends.clear();
    for (int i = 0; i < parts; ++i) {
        m_starts.append(m_size * i / parts);
        m_ends.append(m_size * (i + 1) / parts);
        auto* part = new Download(i, m_starts[i], m_ends[i]);
        connect(part, &Download::DownloadFinished, this, &DownloadControl::SubPartFinished);
        m_downloads.append(part);
    }
    m_clock.start();
    for (Download* part : qAsConst(m_downloads))
        part->StartDownload(m_manager, address, &m_file);
    m_progressTimer.start(scaledMs(kProgressIntervalMs));
    return true;
}

void DownloadControl::SubPartFinished(int index)
{
    if (index < 0 || index >= m_downloads.size())
        return;
    Download* part = m_downloads[index];
    if (!part->succeeded()) {
        const QString error = part->errorText();
        abandon();
        emit reportError(QStringLiteral("download error: %1").arg(error));
        return;
    }
    m_completionOrder.append(index);
    if (++m_finished < m_parts)
        return;
    m_progressTimer.stop();
    m_file.close();
    emit signalDownloadProgress(100);
    emit FileDownloadFinished();
}

void DownloadControl::slotComputeDownloadProgress()
{
    if (m_size <= 0)
        return;
    emit signalDownloadProgress(int(receivedBytes() * 100 / m_size));
}

qint64 DownloadControl::receivedBytes() const
{
    qint64 sum = 0;
    for (const Download* part : m_downloads)
        sum += part->received();
    return sum;
}

QString DownloadControl::SpeedText(qint64 bytes, qint64 elapsedMs)
{
    const double speed = double(bytes) * 1000.0 / double(qMax<qint64>(1, elapsedMs));
    if (speed >= 1048576.0)
        return QStringLiteral("%1 MB/s").arg(speed / 1048576.0, 0, 'f', 2);
    if (speed >= 1024.0)
        return QStringLiteral("%1 kB/s").arg(speed / 1024.0, 0, 'f', 2);
    return QStringLiteral("%1 bytes/sec").arg(qint64(speed));
}

QString DownloadControl::speedText() const
{
    return SpeedText(receivedBytes(), m_clock.isValid() ? m_clock.elapsed() : 0);
}

void DownloadControl::Stop()
{
    abandon();
}

void DownloadControl::abandon()
{
    m_progressTimer.stop();
    for (Download* part : qAsConst(m_downloads)) {
        part->Abort();
        part->deleteLater(); // the failing part is still inside its own signal
    }
    m_downloads.clear();
    m_file.close();
    m_file.remove();
}
