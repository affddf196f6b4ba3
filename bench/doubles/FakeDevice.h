#pragma once

#include "ovdriver.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// A device of the library contract held in memory, for the loader benchmark: its items cost
// nothing to read, so the figures are the loaders' own (the simulator would add its files).

/// One notification a fake job sends: type, four parameter words and a record.
struct FakeNote
{
    int type = 0;
    std::uint32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    const void* record = nullptr;
};

/// What the program asked of the fake library, in order; safe from any thread.
class FakeJournal
{
public:
    void Add(const std::string& event);
    std::vector<std::string> Events() const;
    int Count(const std::string& event) const;
    bool Has(const std::string& event) const { return Count(event) > 0; }
    void Clear();

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_events;
};

/// A job: runs its script through the callback, stops at the first -1, and notes
/// "run:<name>", the answers ("answer:<name>:<n>") and "release:<name>".
class FakeOperation final : public IDeviceOperation
{
public:
    FakeOperation(std::string name, CCallBack* callback, std::vector<FakeNote> script, FakeJournal& journal,
                  std::function<void(const std::string&)> onRun);
    /// Called first when the job runs.
    std::function<void()> atRun;
    int Run() override;
    void Release() override;

private:
    std::string m_name;
    CCallBack* m_callback;
    std::vector<FakeNote> m_script;
    FakeJournal& m_journal;
    std::function<void(const std::string&)> m_onRun;
};

class FakeDevice;

/// The four common slots of a private-data category over a vector of items. Erases note
/// "<name>:<slot>" and the handles given ("<name>:<slot>:<h1>,<h2>...").
template<class Interface, class Item> class FakeCategory : public Interface
{
public:
    FakeCategory(FakeDevice& device, std::string name)
        : m_device(device)
        , m_name(std::move(name))
    { }
    virtual ~FakeCategory() = default;
    std::vector<Item> items;
    /// Called with the index before each item is handed out.
    std::function<void(int)> onItem;

    IDeviceOperation* CreateLoad() override;
    int Reserved1() override { return 0; }
    int GetCount() override { return static_cast<int>(items.size()); }
    const void* GetItem(int index) override
    {
        if (onItem)
            onItem(index);
        return index >= 0 && index < GetCount() ? &items[static_cast<std::size_t>(index)] : nullptr;
    }

protected:
    IDeviceOperation* Erase(int slot, CCallBack* callback, const OvItemList* list = nullptr);
    FakeDevice& m_device;
    std::string m_name;
};

class FakeMessages : public FakeCategory<IMessagesCategory, OvConversation>
{
public:
    using FakeCategory::FakeCategory;
    std::vector<OvMessageAttachment> attachments;
    const void* GetItem(int index) override;
    const OvConversation* GetConversation(int index) override;
    int GetAttachmentCount() override { return static_cast<int>(attachments.size()); }
    int Reserved6() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(7, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return Erase(8, cb, &list); }
    int Reserved9() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList list, CCallBack* cb) override { return Erase(10, cb, &list); }
};

template<class Item> class FakeWholeCategory : public FakeCategory<IWholeEraseCategory, Item>
{
public:
    using FakeCategory<IWholeEraseCategory, Item>::FakeCategory;
    int Reserved4() override { return 0; }
    int Reserved5() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return this->Erase(6, cb); }
};

template<class Item> class FakeSimpleCategory : public FakeCategory<ISimpleCategory, Item>
{
public:
    using FakeCategory<ISimpleCategory, Item>::FakeCategory;
    int Reserved4() override { return 0; }
    int Reserved5() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return this->Erase(6, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return this->Erase(7, cb, &list); }
};

class FakeNotes : public FakeCategory<INotesCategory, OvNoteItem>
{
public:
    using FakeCategory::FakeCategory;
    std::vector<OvNoteAttachmentItem> attachments;
    int GetAttachmentCount() override { return static_cast<int>(attachments.size()); }
    const OvNoteAttachmentItem* GetAttachment(int index) override;
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(6, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return Erase(7, cb, &list); }
    int Reserved8() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList list, CCallBack* cb) override { return Erase(9, cb, &list); }
};

class FakePhotos : public FakeCategory<IPhotoVideoCategory, OvPhotoVideoItem>
{
public:
    using FakeCategory::FakeCategory;
    int Reserved4() override { return 0; }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return Erase(5, cb, &list); }
};

class FakeWhatsApp : public FakeCategory<IWhatsAppCategory, OvWhatsAppItem>
{
public:
    using FakeCategory::FakeCategory;
    std::vector<OvWhatsAppAttachmentItem> attachments;
    int GetAttachmentCount() override { return static_cast<int>(attachments.size()); }
    const OvWhatsAppAttachmentItem* GetAttachment(int index) override;
    int Reserved6() override { return 0; }
    int Reserved7() override { return 0; }
    int Reserved8() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(9, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return Erase(10, cb, &list); }
    int Reserved11() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList list, CCallBack* cb) override { return Erase(12, cb, &list); }
};

template<class Item> class FakeChat : public FakeCategory<IChatCategory, Item>
{
public:
    using FakeCategory<IChatCategory, Item>::FakeCategory;
    std::vector<OvKikAttachmentItem> attachments;
    int GetAttachmentCount() override { return static_cast<int>(attachments.size()); }
    const OvKikAttachmentItem* GetAttachment(int index) override
    {
        return index >= 0 && index < GetAttachmentCount() ? &attachments[static_cast<std::size_t>(index)] : nullptr;
    }
    int Reserved6() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return this->Erase(7, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return this->Erase(8, cb, &list); }
    int Reserved9() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList list, CCallBack* cb) override
    {
        return this->Erase(10, cb, &list);
    }
};

class FakeCookies : public FakeCategory<ISafariCookieCategory, OvSafariCookieItem>
{
public:
    using FakeCategory::FakeCategory;
    int Reserved4() override { return 0; }
    int Reserved5() override { return 0; }
    int Reserved6() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(7, cb); }
    int Reserved8() override { return 0; }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return Erase(9, cb, &list); }
};

class FakeCache : public FakeCategory<ISafariCacheCategory, OvSafariCacheItem>
{
public:
    using FakeCategory::FakeCategory;
    int Reserved4() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(5, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList list, CCallBack* cb) override { return Erase(6, cb, &list); }
};

class FakeWeChatAccount : public IWeChatAccount
{
public:
    FakeWeChatAccount(FakeDevice& device, std::string name);
    virtual ~FakeWeChatAccount() = default;
    std::string name;
    int messages = 0;
    const char* GetAccountName() override { return name.c_str(); }
    int GetMessageCount() override { return messages; }
    int Reserved2() override { return 0; }
    int Reserved3() override { return 0; }
    int Reserved4() override { return 0; }
    int Reserved5() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override;
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override;

private:
    FakeDevice& m_device;
};

class FakeWeChat : public FakeCategory<IWeChatCategory, OvWeChatItem>
{
public:
    using FakeCategory::FakeCategory;
    std::vector<std::unique_ptr<FakeWeChatAccount>> accounts;
    int GetAccountCount() override { return static_cast<int>(accounts.size()); }
    IWeChatAccount* GetAccount(int index) override;
};

class FakePrivateData : public IPrivateDataInterface
{
public:
    explicit FakePrivateData(FakeDevice& device);
    virtual ~FakePrivateData() = default;

    // Null a category to make its getter answer none.
    std::unique_ptr<FakeMessages> messages;
    std::unique_ptr<FakeWholeCategory<OvContactItem>> contacts;
    std::unique_ptr<FakeSimpleCategory<OvCallLogItem>> callLog;
    std::unique_ptr<FakeNotes> notes;
    std::unique_ptr<FakePhotos> photos;
    std::unique_ptr<FakeWholeCategory<OvCalendarItem>> calendar;
    std::unique_ptr<FakeWholeCategory<OvBookmarkItem>> bookmarks;
    std::unique_ptr<FakeWhatsApp> whatsApp;
    std::unique_ptr<FakeWholeCategory<OvVoiceMemoItem>> voiceMemos;
    std::unique_ptr<FakeSimpleCategory<OvSafariHistoryItem>> safariHistory;
    std::unique_ptr<FakeWeChat> weChat;
    std::unique_ptr<FakeChat<OvKikItem>> kik;
    std::unique_ptr<FakeCookies> cookies;
    std::unique_ptr<FakeCache> cache;
    std::unique_ptr<FakeChat<OvViberItem>> viber;

    int GetMessages(IMessagesCategory** out) override { return Give(out, messages.get()); }
    int GetContacts(IWholeEraseCategory** out) override { return Give(out, contacts.get()); }
    int GetCallLog(ISimpleCategory** out) override { return Give(out, callLog.get()); }
    int GetNotes(INotesCategory** out) override { return Give(out, notes.get()); }
    int Reserved4() override { return 0; }
    int Reserved5() override { return 0; }
    int GetPhotosAndVideos(IPhotoVideoCategory** out) override { return Give(out, photos.get()); }
    int Reserved7() override { return 0; }
    int GetCalendar(IWholeEraseCategory** out) override { return Give(out, calendar.get()); }
    int GetBookmarks(IWholeEraseCategory** out) override { return Give(out, bookmarks.get()); }
    int GetWhatsApp(IWhatsAppCategory** out) override { return Give(out, whatsApp.get()); }
    int GetVoiceMemos(IWholeEraseCategory** out) override { return Give(out, voiceMemos.get()); }
    int GetSafariHistory(ISimpleCategory** out) override { return Give(out, safariHistory.get()); }
    int Reserved13() override { return 0; }
    int GetWeChat(IWeChatCategory** out) override { return Give(out, weChat.get()); }
    int GetKik(IChatCategory** out) override { return Give(out, kik.get()); }
    int GetSafariCookies(ISafariCookieCategory** out) override { return Give(out, cookies.get()); }
    int GetSafariCache(ISafariCacheCategory** out) override { return Give(out, cache.get()); }
    int Reserved18() override { return 0; }
    int GetViber(IChatCategory** out) override { return Give(out, viber.get()); }

private:
    template<class T, class U> static int Give(T** out, U* value)
    {
        if (!out)
            return -1;
        *out = value;
        return value ? 0 : -1;
    }
};

/// Backup and fill interfaces in one: each job sends the script set for it in
/// FakeDevice::scripts, or a default.
class FakeJobs : public IBackupInterface, public IFillInterface
{
public:
    explicit FakeJobs(FakeDevice& device)
        : m_device(device)
    { }
    virtual ~FakeJobs() = default;
    IDeviceOperation* CreateBackup(CCallBack* cb) override;
    IDeviceOperation* CreateFill(CCallBack* cb) override;

private:
    FakeDevice& m_device;
};

class FakeBaseDevice : public IBaseDevice
{
public:
    virtual ~FakeBaseDevice() = default;
    const char* UniqueId() override { return "fake"; }
};

class FakeDevice : public IPrivacyCleanDevice
{
public:
    FakeDevice();
    virtual ~FakeDevice() = default;

    FakeJournal journal;
    FakeBaseDevice base;
    /// Scripts by job name ("connect", "backup", "fill", "erase", "<category>:load"); a job
    /// without one sends a default.
    std::map<std::string, std::vector<FakeNote>> scripts;
    /// Called on the running thread as each job starts, with its name.
    std::function<void(const std::string&)> onRun;

    OvBasicInfo basicInfo {};
    OvDeviceInfo deviceInfo {};
    bool findMyIPhone = false, backupEncrypted = false, locked = false;
    std::string backupPassword;
    bool noSubInterfaces = false; // every sub-interface getter answers none

    std::unique_ptr<FakePrivateData> privateData;
    FakeJobs jobs;

    /// Keeps a text alive as long as the device and returns it.
    const char* Text(const std::string& text);
    const wchar_t* WideText(const std::wstring& text);
    /// Keeps an array of items alive as long as the device and returns its start.
    template<class T> const T* Keep(std::vector<T> values)
    {
        auto held = std::make_shared<std::vector<T>>(std::move(values));
        m_kept.push_back(held);
        return held->data();
    }
    IDeviceOperation* Job(const std::string& name, CCallBack* cb, std::vector<FakeNote> fallback);

    IDeviceOperation* Connect(CCallBack* cb) override;
    bool IsConnected() override { return true; }
    int GetBasicInfo(OvBasicInfo** out) override;
    int Reserved3() override { return 0; }
    int GetBackupInterface(IBackupInterface** out) override;
    // Restore, erase-all and the one-key categories are tried against the simulated device.
    int GetRestoreInterface(IRestoreInterface** out) override { return None(out); }
    int GetEraseAllInterface(IEraseAllInterface** out) override { return None(out); }
    int GetPrivateDataInterface(IPrivateDataInterface** out) override;
    int GetFillInterface(IFillInterface** out) override;
    bool IsFindMyIPhoneOn() override { return findMyIPhone; }
    bool IsBackupEncrypted() override { return backupEncrypted; }
    bool IsDeviceLocked() override { return locked; }
    int GetDeviceInfo(OvDeviceInfo** out) override;
    int GetOneKeyUserStorage(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyPhotoCaches(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyDownloadTemp(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyCrashLogs(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyCompressPhotos(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyApps(IOneKeyAppCategory** out) override { return None(out); }
    int Reserved19() override { return 0; }
    int GetOneKeyLargeFiles(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyTempFiles(IOneKeyCategory** out) override { return None(out); }
    int Reserved22() override { return 0; }
    int GetOneKeyPhotos(IOneKeyCategory** out) override { return None(out); }
    int GetOneKeyiTunesCaches(IOneKeyCategory** out) override { return None(out); }
    int CheckBackupPassword(const char* password) override;
    int RemoveBackup() override
    {
        journal.Add("removeBackup");
        return 0;
    }

private:
    template<class T> static int None(T** out)
    {
        *out = nullptr;
        return 0;
    }
    std::deque<std::string> m_texts;
    std::deque<std::wstring> m_wideTexts;
    std::deque<std::shared_ptr<const void>> m_kept;
};

template<class Interface, class Item> IDeviceOperation* FakeCategory<Interface, Item>::CreateLoad()
{
    m_device.journal.Add(m_name + ":load");
    return m_device.Job(m_name + ":load", nullptr, {});
}

template<class Interface, class Item>
IDeviceOperation* FakeCategory<Interface, Item>::Erase(int slot, CCallBack* callback, const OvItemList* list)
{
    std::string event = m_name + ":" + std::to_string(slot);
    m_device.journal.Add(event);
    const auto handles = [](const OvItemList& given) {
        std::string text;
        for (std::uint32_t i = 0; i < given.count; ++i)
            text += (i ? "," : "") + std::to_string(given.handles[i]);
        return text;
    };
    if (list)
        m_device.journal.Add(event + ":" + handles(*list));
    auto* job = static_cast<FakeOperation*>(m_device.Job("erase", callback, { FakeNote { OV_NOTIFY_ERASE_DONE } }));
    // The handles must still be readable when the job runs.
    if (list)
        job->atRun = [this, event, handles, items = *list] { m_device.journal.Add(event + ":run:" + handles(items)); };
    return job;
}

/// Puts a fake device first in the controller's device list for the session's lifetime.
/// The end of the session lets queued work finish before the device goes away.
class FakeDeviceSession
{
public:
    FakeDeviceSession();
    ~FakeDeviceSession();
    FakeDevice device;
};
