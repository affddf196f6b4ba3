#pragma once

#include <ovdriver.h>

#include <QByteArray>
#include <QList>

#include <functional>
#include <mutex>

/// A job's callback that keeps every notification (and, when told the record's size, a copy
/// of its record) and answers what `answer` says (0 by default).
class NotificationRecorder final : public CCallBack
{
public:
    struct Notification
    {
        int type = 0;
        std::uint32_t p1 = 0;
        std::uint32_t p2 = 0;
        std::uint32_t p3 = 0;
        std::uint32_t p4 = 0;
        QByteArray record;
    };

    explicit NotificationRecorder(int recordSize = 0)
        : m_recordSize(recordSize)
    { }

    int OnStateChange(int type, std::uint32_t p1, std::uint32_t p2, std::uint32_t p3, std::uint32_t p4,
                      void* record) override;

    QList<Notification> all() const;
    QList<int> types() const;
    /// The records copied from notifications of `type`.
    template<class T> QList<T> records(int type) const
    {
        QList<T> list;
        for (const Notification& n : all()) {
            if (n.type == type && n.record.size() == static_cast<int>(sizeof(T)))
                list << *reinterpret_cast<const T*>(n.record.constData());
        }
        return list;
    }

    /// Decides the return value of each notification (0 goes on, -1 stops).
    std::function<int(const Notification&)> answer;

private:
    int m_recordSize;
    mutable std::mutex m_mutex;
    QList<Notification> m_notifications;
};
