#pragma once

#include <QString>

/// One calendar event or reminder.
struct CalendarInfo
{
    qint64 m_nHandle = 0;
    QString m_strTitle;
    QString m_strLocation;
    QString m_strStart; // "MM/dd/yyyy hh:mm"
    QString m_strEnd;   // "MM/dd/yyyy hh:mm"
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
