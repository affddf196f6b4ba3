#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

/// Decodes pictures (thumbnails, app icons) on worker threads and hands them back on the
/// window thread, so that scrolling a long list never waits on a disk or a decoder. A
/// request that nobody wants any more (its row scrolled away) is dropped before it is read.
class OvImageLoader : public QObject
{
    Q_OBJECT

public:
    explicit OvImageLoader(QObject* parent = nullptr);
    ~OvImageLoader() override;

    /// Runs `decode` on a worker unless `key` is already on its way. `decode` must not touch
    /// widgets or pixmaps; a null image says there is nothing to show.
    void Request(const QString& key, std::function<QImage()> decode);
    bool IsPending(const QString& key) const { return m_pending.contains(key); }
    /// Drops the request of `key`, or every request: a decode not yet started never starts.
    void Cancel(const QString& key);
    void CancelAll();
    /// Blocks until the workers are idle (tests, and the destructor).
    void WaitForDone();

signals:
    void Loaded(const QString& key, const QImage& image);

private:
    using Flag = std::shared_ptr<std::atomic_bool>;

    QThreadPool m_pool;
    QHash<QString, Flag> m_pending; // the cancel flag of each request under way
};
