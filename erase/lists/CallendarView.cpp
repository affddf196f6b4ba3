#include "CallendarView.h"

#include "CGlobalData.h"
#include "RecordSources.h"

CallendarView::CallendarView(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Calendar"), { tr("Title"), tr("Location"), tr("Start"), tr("Ends") },
                     RecordsOf<CalendarInfo>(&CGlobalData::GetInstance()->m_obLCalendar,
                                             [](const CalendarInfo& event, int column) {
                                                 switch (column) {
                                                 case 0:
                                                     return event.m_strTitle;
                                                 case 1:
                                                     return event.m_strLocation;
                                                 case 2:
                                                     return event.m_strStart;
                                                 default:
                                                     return event.m_strEnd;
                                                 }
                                             }),
                     200, parent)
{
    SetDetail([](int row) {
        const QVector<CalendarInfo>& list = CGlobalData::GetInstance()->m_obLCalendar;
        if (row >= list.size())
            return QString();
        const CalendarInfo& event = list.at(row);
        // The library keeps no note text for an event: its location is the free text it has.
        return QStringLiteral("<p><b>%1</b>%2</p><p>%3 - %4</p><p><b>%5</b>%6</p>")
            .arg(tr("Title: "), BlockText(event.m_strTitle, 2000).toHtmlEscaped(), event.m_strStart.toHtmlEscaped(),
                 event.m_strEnd.toHtmlEscaped(), tr("Note: "), BlockText(event.m_strLocation).toHtmlEscaped());
    });
}
