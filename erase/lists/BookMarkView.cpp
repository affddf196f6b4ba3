#include "BookMarkView.h"

#include "CGlobalData.h"
#include "RecordSources.h"

BookMarkView::BookMarkView(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Bookmark"), { tr("Title"), tr("URL") },
                     RecordsOf<BookMarkInfo>(&CGlobalData::GetInstance()->m_obLBookMark,
                                             [](const BookMarkInfo& mark, int column) {
                                                 return column == 0 ? mark.m_strTitle : mark.m_strUrl;
                                             }),
                     200, parent)
{ }
