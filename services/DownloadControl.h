#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

class Download;
class QNetworkAccessManager;

/// A file downloaded in several parts at once, each part a Download of one byte range,
/// with the progress in percent every 500 ms.
class DownloadControl : public QObject
{
    Q_OBJECT

public:
    explicit DownloadControl(QObject* parent = nullptr);
    ~DownloadControl() override;

    /// Starts downloading `address` into `dir` in `parts` parts. Asks the server for the
    /// size first and waits for that answer; false when the size is unknown or 0, or the
    /// output file cannot be created (nothing else happens then).
    bool StartFileDownload(const QString& address, const QString& dir, int parts);

    /// The output file: the last element of the address's path ("index.html" without one).
    static QString OutputFileName(const QString& address);
    QString filePath() const { return m_file.fileName(); }
    qint64 fileSize() const { return m_size; }

    /// The transfer speed of `bytes` in `elapsedMs` as the progress line shows it.
    static QString SpeedText(qint64 bytes, qint64 elapsedMs);
    /// The speed of this download so far.
    QString speedText() const;
    /// The indices of the parts that have finished, in the order they did.
    QVector<int> completionOrder() const { return m_completionOrder; }
    /// Abandons the download and removes its unfinished file; nothing is emitted after.
    void Stop();

signals:
    void signalDownloadProgress(int percent);
    void FileDownloadFinished();
    /// A part failed: the download is abandoned and its file removed.
    void reportError(QString message);

public slots:
    void SubPartFinished(int index);
    void slotComputeDownloadProgress();

private:
    qint64 requestFileSize(const QString& address);
    qint64 receivedBytes() const;
    void abandon();

    QNetworkAccessManager* m_manager;
    QString m_address;
    int m_parts = 0;
    qint64 m_size = 0;
    QVector<qint64> m_starts;
    QVector<qint64> m_ends;
    QVector<Download*> m_downloads;
    int m_finished = 0;
    QVector<int> m_completionOrder;
    QFile m_file;
    QTimer m_progressTimer;
    QElapsedTimer m_clock;
};
