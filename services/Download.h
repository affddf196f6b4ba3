#pragma once

#include <QObject>
#include <QString>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

/// One part of a segmented download: asks for its byte range and writes what arrives at its
/// own offsets of the shared output file, so the parts may arrive in any order.
class Download : public QObject
{
    Q_OBJECT

public:
    /// The part `index` covering bytes [`start`, `end`) of the file.
    Download(int index, qint64 start, qint64 end, QObject* parent = nullptr);
    ~Download() override;

    void StartDownload(QNetworkAccessManager* manager, const QString& address, QFile* file);
    /// Abandons the transfer; no DownloadFinished follows.
    void Abort();

    int index() const { return m_index; }
    qint64 received() const { return m_received; }
    bool succeeded() const { return m_succeeded; }
    QString errorText() const { return m_error; }

signals:
    /// The part ended, well or not: see succeeded().
    void DownloadFinished(int index);

public slots:
    void slotDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void FinishedSlot();
    void HttpReadyRead();

private:
    bool acceptsReply();
    void fail(const QString& error);

    int m_index;
    qint64 m_start;
    qint64 m_end;
    qint64 m_received = 0;
    QNetworkReply* m_reply = nullptr;
    QFile* m_file = nullptr;
    bool m_checked = false;
    bool m_succeeded = false;
    QString m_error;
};
