#include "CallLogView.h"

#include "CGlobalData.h"
#include "RecordSources.h"
#include "SkinImage.h"

CallLogView::CallLogView(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Call History"), { tr("Name"), tr("Phone Number"), tr("Date"), tr("Type"), tr("Time") },
                     RecordsOf<CallLogSessionInfo>(
                         &CGlobalData::GetInstance()->m_obLCallLogSession,
                         [](const CallLogSessionInfo& call, int column) {
                             switch (column) {
                             case 0:
                                 return call.m_strName.isEmpty() ? tr("unknown") : call.m_strName;
                             case 1:
                                 return call.m_strNumber;
                             case 2:
                                 return call.m_strTime;
                             case 3:
                                 return CallTypeText(call.m_nCallKind);
                             default:
                                 return call.m_strDuration;
                             }
                         },
                         SkinPixmap(QStringLiteral("avatar_mini_def.png"))),
                     200, parent)
{ }

QString CallLogView::CallTypeText(int kind)
{
    switch (kind) {
    case 0:
        return tr("incoming");
    case 1:
    case 9:
        return tr("outgoing");
    case 17:
        return tr("outgoing facetime");
    case 64:
        return tr("imcoming facetime missed");
    case 65:
        return tr("imcoming missed");
    default:
        return tr("unknown");
    }
}
