#pragma once

#include "CGlobalData.h"

#include <QVector>

#include <algorithm>
#include <functional>

/// The selected flags of a record list, of the records `keep` accepts.
template<class T> QVector<quint8> FlagsOf(const QVector<T>& list, std::function<bool(const T&)> keep = {})
{
    QVector<quint8> flags;
    for (const T& record : list) {
        if (!keep || keep(record))
            flags.append(record.m_bSelected);
    }
    return flags;
}

inline int Cleared(const QVector<quint8>& flags)
{
    return int(std::count(flags.cbegin(), flags.cend(), quint8(0)));
}

/// Empties every record list of the shared store.
inline void ClearRecords()
{
    CGlobalData& s = *CGlobalData::GetInstance();
    const auto clear = [](auto&... lists) { (lists.clear(), ...); };
    clear(s.m_obLSMSSession, s.m_obLSMSAttachment, s.m_obLCallLogSession, s.m_obLContact, s.m_obLNote,
          s.m_obLNoteAttachment, s.m_obLPhotoAndVideo, s.m_obLWhatsApp, s.m_obLWhatsAppAttachment, s.m_obLWeChat,
          s.m_obLWeChatAccount, s.m_obLSafariCache, s.m_obLSafariHistory, s.m_obLSafariCookie, s.m_obLVoiceMemo,
          s.m_obLViber, s.m_obLKik, s.m_obLKikAttachment, s.m_obLCalendar, s.m_obLBookMark);
}
