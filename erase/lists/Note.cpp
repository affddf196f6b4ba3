#include "Note.h"

#include "CGlobalData.h"
#include "RecordSources.h"

Note::Note(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Note"), { tr("Title"), tr("Date") },
                     RecordsOf<NoteInfo>(&CGlobalData::GetInstance()->m_obLNote,
                                         [](const NoteInfo& note, int column) {
                                             return column == 0 ? note.m_strTitle : note.m_strModified;
                                         }),
                     200, parent)
{
    SetDetail([](int row) {
        const QVector<NoteInfo>& list = CGlobalData::GetInstance()->m_obLNote;
        if (row >= list.size())
            return QString();
        const NoteInfo& note = list.at(row);
        return QStringLiteral("<h3>%1</h3><p><b>%2</b>%3</p><p><b>%4</b>%5</p><p><b>%6</b></p><p>%7</p>")
            .arg(tr("Detail"), tr("Time: "), note.m_strModified.toHtmlEscaped(), tr("Title: "),
                 LineText(note.m_strTitle, 500).toHtmlEscaped(), tr("Note: "),
                 BlockText(note.m_strBody).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    });
}
