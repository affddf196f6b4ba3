#include "SafariCookie.h"

#include "CGlobalData.h"
#include "RecordSources.h"

SafariCookie::SafariCookie(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Safari Cookie"), { tr("Name"), tr("Created"), tr("Expired"), tr("Size") },
                     RecordsOf<SafariCookieInfo>(
                         &CGlobalData::GetInstance()->m_obLSafariCookie,
                         [](const SafariCookieInfo& cookie, int column) {
                             switch (column) {
                             case 0:
                                 return cookie.m_strDomain.isEmpty()
                                     ? cookie.m_strName
                                     : QStringLiteral("%1 (%2)").arg(cookie.m_strName, cookie.m_strDomain);
                             case 1:
                                 return QStringLiteral("-"); // the library does not say when a cookie was set
                             case 2:
                                 return cookie.m_strExpires;
                             default:
                                 return tr("%1 B").arg(cookie.m_strName.toUtf8().size()
                                                       + cookie.m_strValue.toUtf8().size());
                             }
                         }),
                     200, parent)
{ }
