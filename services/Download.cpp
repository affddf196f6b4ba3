#include "Download.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>

namespace {

constexpr int kTransferTimeoutMs = 30000;

} // namespace

Download::Download(int index, qint64 start, qint64 end, QObject* parent)
    : QObject(parent)
    , m_index(index)
    , m_start(start)
    , m_end(end)
{ }

Download::~Download()
{
    Abort();
}

void Download::StartDownload(QNetworkAccessManager* manager, const QString& address, QFile* file)
{
    m_file = file;
    QNetworkRequest request { QUrl(address) };
    request.setRawHeader("Range", QStringLiteral("Bytes=%1-%2").arg(m_start).arg(m_end).toLatin1());
    request.setTransferTimeout(kTransferTimeoutMs);
    m_reply = manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &Download::HttpReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Download::slotDownloadProgress);
    connect(m_reply, &QNetworkReply::finished, this, &Download::FinishedSlot);
}

void Download::Abort()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void Download::slotDownloadProgress(qint64, qint64 bytesTotal)
{
    // An answer announced shorter than this part's range can never complete it: stop now
    // rather than after the whole transfer.
    if (m_reply && bytesTotal > 0 && bytesTotal < m_end - m_start)
        fail(QStringLiteral("part %1: the server announces %2 bytes, %3 are needed")
                 .arg(m_index)
                 .arg(bytesTotal)
                 .arg(m_end - m_start));
}

// A part must get its own bytes: a server that ignores the range (or answers another one)
// would otherwise write the wrong bytes at this part's offsets.
bool Download::acceptsReply()
{
    if (m_checked)
        return true;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 206) {
        static const QRegularExpression range(QStringLiteral("^\\s*bytes\\s+(\\d+)-"),
                                              QRegularExpression::CaseInsensitiveOption);
        const auto match = range.match(QString::fromLatin1(m_reply->rawHeader("Content-Range")));
        if (!match.hasMatch() || match.captured(1).toLongLong() != m_start) {
            fail(QStringLiteral("part %1: the server sent another range").arg(m_index));
            return false;
        }
    } else if (status != 200 || m_start != 0) {
        fail(QStringLiteral("part %1: HTTP status %2 for a range request").arg(m_index).arg(status));
        return false;
    }
    m_checked = true;
    return true;
}

void Download::HttpReadyRead()
{
    if (!m_reply || !acceptsReply())
        return;
    const QByteArray data = m_reply->readAll();
    // Ranges are inclusive on the wire, so the last byte asked for is the next part's first:
    // keep only this part's own bytes.
    const qint64 room = qMax<qint64>(0, m_end - m_start - m_received);
    const qint64 keep = qMin<qint64>(room, data.size());
    if (keep == 0)
        return;
    if (!m_file->seek(m_start + m_received) || m_file->write(data.constData(), keep) != keep) {
        fail(QStringLiteral("part %1: cannot write %2").arg(m_index).arg(m_file->fileName()));
        return;
    }
    m_received += keep;
}

void Download::FinishedSlot()
{
    if (!m_reply)
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(QStringLiteral("part %1: %2").arg(m_index).arg(m_reply->errorString()));
        return;
    }
    HttpReadyRead();
    if (!m_reply)
        return; // failed while reading the rest
    if (m_received != m_end - m_start) {
        fail(QStringLiteral("part %1: %2 of %3 bytes arrived").arg(m_index).arg(m_received).arg(m_end - m_start));
        return;
    }
    m_reply->deleteLater();
    m_reply = nullptr;
    m_succeeded = true;
    emit DownloadFinished(m_index);
}

void Download::fail(const QString& error)
{
    m_error = error;
    Abort();
    emit DownloadFinished(m_index);
}
