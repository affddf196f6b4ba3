#include "OvImageLoader.h"

#include <QRunnable>

OvImageLoader::OvImageLoader(QObject* parent)
    : QObject(parent)
{
    // Two decoders keep a core for the window even on a small machine.
    m_pool.setMaxThreadCount(2);
}

OvImageLoader::~OvImageLoader()
{
    CancelAll();
    m_pool.waitForDone();
}

void OvImageLoader::Request(const QString& key, std::function<QImage()> decode)
{
    if (m_pending.contains(key) || !decode)
        return;
    Flag cancelled = std::make_shared<std::atomic_bool>(false);
    m_pending.insert(key, cancelled);
    m_pool.start(QRunnable::create([this, key, cancelled, decode = std::move(decode)] {
        if (*cancelled)
            return;
        const QImage image = decode();
        if (*cancelled)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, key, cancelled, image] {
                // A newer request of the same key may have replaced this one.
                auto found = m_pending.find(key);
                if (found == m_pending.end() || found.value() != cancelled || *cancelled)
                    return;
                m_pending.erase(found);
                emit Loaded(key, image);
            },
            Qt::QueuedConnection);
    }));
}

void OvImageLoader::Cancel(const QString& key)
{
    auto found = m_pending.find(key);
    if (found == m_pending.end())
        return;
    *found.value() = true;
    m_pending.erase(found);
}

void OvImageLoader::CancelAll()
{
    for (const Flag& flag : qAsConst(m_pending))
        *flag = true;
    m_pending.clear();
}

void OvImageLoader::WaitForDone()
{
    m_pool.waitForDone();
}
