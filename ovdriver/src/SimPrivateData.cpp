#include "SimPrivateData.h"

SimPrivateData::SimPrivateData(SimDevice& device)
    : m_messages(device)
    , m_contacts(device)
    , m_callLog(device, "callLog", &ItemConverters::callLog)
    , m_notes(device)
    , m_photos(device)
    , m_calendar(device, "calendar", &ItemConverters::calendar)
    , m_bookmarks(device, "bookmarks", &ItemConverters::bookmark)
    , m_whatsApp(device)
    , m_voiceMemos(device, "voiceMemos", &ItemConverters::voiceMemo)
    , m_safariHistory(device, "safariHistory", &ItemConverters::safariHistory)
    , m_weChat(device)
    , m_kik(device, "kik", &ItemConverters::kik, "kikAttachments", "com.kik.chat")
    , m_safariCookies(device)
    , m_safariCache(device)
    , m_viber(device, "viber", &ItemConverters::viber, QString(), "com.viber")
{ }
