#pragma once

#include <QString>

/// One Safari bookmark (erased only as a whole category, so it carries no handle).
struct BookMarkInfo
{
    QString m_strTitle;
    QString m_strUrl;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
