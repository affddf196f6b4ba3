#pragma once

#include "ItemConverters.h"
#include "SimChatCategory.h"
#include "SimContactsCategory.h"
#include "SimMessagesCategory.h"
#include "SimNotesCategory.h"
#include "SimPhotoVideoCategory.h"
#include "SimSafariCacheCategory.h"
#include "SimSafariCookieCategory.h"
#include "SimSimpleCategory.h"
#include "SimWeChatCategory.h"
#include "SimWhatsAppCategory.h"
#include "SimWholeEraseCategory.h"

#include <ovdriver.h>

/// The private-data categories of one device, each read from and erased in the computer's
/// backup copy.
class SimPrivateData final : public IPrivateDataInterface
{
public:
    explicit SimPrivateData(SimDevice& device);
    ~SimPrivateData() = default;

    int GetMessages(IMessagesCategory** out) override { return give<IMessagesCategory>(out, &m_messages); }
    int GetContacts(IWholeEraseCategory** out) override { return give<IWholeEraseCategory>(out, &m_contacts); }
    int GetCallLog(ISimpleCategory** out) override { return give<ISimpleCategory>(out, &m_callLog); }
    int GetNotes(INotesCategory** out) override { return give<INotesCategory>(out, &m_notes); }
    int Reserved4() override { return -1; }
    int Reserved5() override { return -1; }
    int GetPhotosAndVideos(IPhotoVideoCategory** out) override { return give<IPhotoVideoCategory>(out, &m_photos); }
    int Reserved7() override { return -1; }
    int GetCalendar(IWholeEraseCategory** out) override { return give<IWholeEraseCategory>(out, &m_calendar); }
    int GetBookmarks(IWholeEraseCategory** out) override { return give<IWholeEraseCategory>(out, &m_bookmarks); }
    int GetWhatsApp(IWhatsAppCategory** out) override { return give<IWhatsAppCategory>(out, &m_whatsApp); }
    int GetVoiceMemos(IWholeEraseCategory** out) override { return give<IWholeEraseCategory>(out, &m_voiceMemos); }
    int GetSafariHistory(ISimpleCategory** out) override { return give<ISimpleCategory>(out, &m_safariHistory); }
    int Reserved13() override { return -1; }
    int GetWeChat(IWeChatCategory** out) override { return give<IWeChatCategory>(out, &m_weChat); }
    int GetKik(IChatCategory** out) override { return give<IChatCategory>(out, &m_kik); }
    int GetSafariCookies(ISafariCookieCategory** out) override
    {
        return give<ISafariCookieCategory>(out, &m_safariCookies);
    }
    int GetSafariCache(ISafariCacheCategory** out) override { return give<ISafariCacheCategory>(out, &m_safariCache); }
    int Reserved18() override { return -1; }
    int GetViber(IChatCategory** out) override { return give<IChatCategory>(out, &m_viber); }

private:
    template<class T> static int give(T** out, T* value)
    {
        if (!out)
            return -1;
        *out = value;
        return 0;
    }

    SimMessagesCategory m_messages;
    SimContactsCategory m_contacts;
    SimSimpleCategory<OvCallLogItem> m_callLog;
    SimNotesCategory m_notes;
    SimPhotoVideoCategory m_photos;
    SimWholeEraseCategory<OvCalendarItem> m_calendar;
    SimWholeEraseCategory<OvBookmarkItem> m_bookmarks;
    SimWhatsAppCategory m_whatsApp;
    SimWholeEraseCategory<OvVoiceMemoItem> m_voiceMemos;
    SimSimpleCategory<OvSafariHistoryItem> m_safariHistory;
    SimWeChatCategory m_weChat;
    SimChatCategory<OvKikItem> m_kik;
    SimSafariCookieCategory m_safariCookies;
    SimSafariCacheCategory m_safariCache;
    SimChatCategory<OvViberItem> m_viber;
};
