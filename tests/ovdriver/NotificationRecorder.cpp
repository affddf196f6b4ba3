#include "NotificationRecorder.h"

int NotificationRecorder::OnStateChange(int type, std::uint32_t p1, std::uint32_t p2, std::uint32_t p3,
                                        std::uint32_t p4, void* record)
{
    Notification notification { type, p1, p2, p3, p4, {} };
    if (record && m_recordSize > 0)
        notification.record = QByteArray(static_cast<const char*>(record), m_recordSize);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_notifications << notification;
    }
    return answer ? answer(notification) : 0;
}

QList<NotificationRecorder::Notification> NotificationRecorder::all() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_notifications;
}

QList<int> NotificationRecorder::types() const
{
    QList<int> list;
    for (const Notification& n : all())
        list << n.type;
    return list;
}
