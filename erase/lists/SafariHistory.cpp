#include "SafariHistory.h"

#include "CGlobalData.h"
#include "RecordSources.h"

SafariHistory::SafariHistory(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Safari History"), { tr("Title"), tr("URL") },
                     RecordsOf<SafariHistoryInfo>(&CGlobalData::GetInstance()->m_obLSafariHistory,
                                                  [](const SafariHistoryInfo& page, int column) {
                                                      return column == 0 ? page.m_strTitle : page.m_strUrl;
                                                  }),
                     200, parent)
{ }
