#pragma once

#include "ovdriver.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Test doubles of the device library contract: a device whose content and whose job
// notifications the test sets, and which writes down what the program asked of it.

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
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override { return Erase(8, cb, &items); }
    int Reserved9() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) override { return Erase(10, cb, &items); }
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
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override
    {
        return this->Erase(7, cb, &items);
    }
};

class FakeNotes : public FakeCategory<INotesCategory, OvNoteItem>
{
public:
    using FakeCategory::FakeCategory;
    std::vector<OvNoteAttachmentItem> attachments;
    int GetAttachmentCount() override { return static_cast<int>(attachments.size()); }
    const OvNoteAttachmentItem* GetAttachment(int index) override;
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(6, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override { return Erase(7, cb, &items); }
    int Reserved8() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) override { return Erase(9, cb, &items); }
};

class FakePhotos : public FakeCategory<IPhotoVideoCategory, OvPhotoVideoItem>
{
public:
    using FakeCategory::FakeCategory;
    int Reserved4() override { return 0; }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override { return Erase(5, cb, &items); }
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
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override { return Erase(10, cb, &items); }
    int Reserved11() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) override { return Erase(12, cb, &items); }
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
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override
    {
        return this->Erase(8, cb, &items);
    }
    int Reserved9() override { return 0; }
    IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) override
    {
        return this->Erase(10, cb, &items);
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
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override { return Erase(9, cb, &items); }
};

class FakeCache : public FakeCategory<ISafariCacheCategory, OvSafariCacheItem>
{
public:
    using FakeCategory::FakeCategory;
    int Reserved4() override { return 0; }
    IDeviceOperation* CreateEraseAll(CCallBack* cb) override { return Erase(5, cb); }
    IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) override { return Erase(6, cb, &items); }
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

/// A one-key category: scans report its items (13 each, then 15); cleans, processes and
/// exports report 14 per added item (or per item for a clean), then 15.
class FakeOneKeyCategory : public IOneKeyCategory
{
public:
    FakeOneKeyCategory(FakeDevice& device, int code);
    virtual ~FakeOneKeyCategory() = default;
    std::vector<OvOneKeyFileItem> files;
    std::vector<OvOneKeyMediaItem> media; // code 1024
    std::vector<std::string> added;       // paths handed to AddItem

    IDeviceOperation* CreateScan(CCallBack* cb) override;
    IDeviceOperation* CreateClean(CCallBack* cb) override;
    IDeviceOperation* CreateProcess(CCallBack* cb) override;
    int AddItem(const void* item) override;
    IDeviceOperation* CreateExport(CCallBack* cb) override;

private:
    IDeviceOperation* Job(const std::string& kind, CCallBack* cb, const std::vector<FakeNote>& notes);
    std::vector<FakeNote> AddedNotes(int type);
    FakeDevice& m_device;
    int m_code;
    std::vector<OvOneKeyFileItem> m_addedFiles;
    std::vector<OvOneKeyMediaItem> m_addedMedia;
};

class FakeOneKeyApps : public IOneKeyAppCategory
{
public:
    explicit FakeOneKeyApps(FakeDevice& device);
    virtual ~FakeOneKeyApps() = default;
    std::vector<OvAppItem> apps;
    std::vector<std::string> uninstalled; // bundle ids

    IDeviceOperation* CreateScan(CCallBack* cb) override;
    IDeviceOperation* CreateUninstall(CCallBack* cb, const OvAppDescriptor* app) override;

private:
    FakeDevice& m_device;
    // One record per uninstall: a job still running on the control thread reads its own
    // while the test thread posts the next (a deque never moves its elements on push_back).
    std::deque<OvAppItem> m_removed;
};

/// Backup, restore, fill and erase-all interfaces in one: each job sends the script set
/// for it in FakeDevice::scripts, or a default.
class FakeJobs : public IBackupInterface, public IRestoreInterface, public IFillInterface, public IEraseAllInterface
{
public:
    explicit FakeJobs(FakeDevice& device)
        : m_device(device)
    { }
    virtual ~FakeJobs() = default;
    IDeviceOperation* CreateBackup(CCallBack* cb) override;
    IDeviceOperation* CreateRestore(int restoreType, CCallBack* cb) override;
    IDeviceOperation* CreateFill(CCallBack* cb) override;
    IDeviceOperation* CreateStage1(CCallBack* cb) override;
    IDeviceOperation* CreateStage2(CCallBack* cb) override;
    IDeviceOperation* CreateStage4(CCallBack* cb) override;
    IDeviceOperation* CreateStage8(CCallBack* cb) override;

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
    /// Scripts by job name ("connect", "backup", "restore", "fill", "stage1", "erase",
    /// "scan:<code>", ...); a job without one sends a default.
    std::map<std::string, std::vector<FakeNote>> scripts;
    /// Called on the running thread as each job starts, with its name.
    std::function<void(const std::string&)> onRun;

    OvBasicInfo basicInfo {};
    OvDeviceInfo deviceInfo {};
    bool findMyIPhone = false, backupEncrypted = false, locked = false;
    std::string backupPassword;
    bool noSubInterfaces = false; // every sub-interface getter answers none

    std::unique_ptr<FakePrivateData> privateData;
    std::map<int, std::unique_ptr<FakeOneKeyCategory>> oneKey;
    FakeOneKeyApps apps;
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
    int GetRestoreInterface(IRestoreInterface** out) override;
    int GetEraseAllInterface(IEraseAllInterface** out) override;
    int GetPrivateDataInterface(IPrivateDataInterface** out) override;
    int GetFillInterface(IFillInterface** out) override;
    bool IsFindMyIPhoneOn() override { return findMyIPhone; }
    bool IsBackupEncrypted() override { return backupEncrypted; }
    bool IsDeviceLocked() override { return locked; }
    int GetDeviceInfo(OvDeviceInfo** out) override;
    int GetOneKeyUserStorage(IOneKeyCategory** out) override { return OneKey(32, out); }
    int GetOneKeyPhotoCaches(IOneKeyCategory** out) override { return OneKey(64, out); }
    int GetOneKeyDownloadTemp(IOneKeyCategory** out) override { return OneKey(128, out); }
    int GetOneKeyCrashLogs(IOneKeyCategory** out) override { return OneKey(256, out); }
    int GetOneKeyCompressPhotos(IOneKeyCategory** out) override { return OneKey(2048, out); }
    int GetOneKeyApps(IOneKeyAppCategory** out) override;
    int Reserved19() override { return 0; }
    int GetOneKeyLargeFiles(IOneKeyCategory** out) override { return OneKey(8, out); }
    int GetOneKeyTempFiles(IOneKeyCategory** out) override { return OneKey(2, out); }
    int Reserved22() override { return 0; }
    int GetOneKeyPhotos(IOneKeyCategory** out) override { return OneKey(1024, out); }
    int GetOneKeyiTunesCaches(IOneKeyCategory** out) override { return OneKey(512, out); }
    int CheckBackupPassword(const char* password) override;

private:
    int OneKey(int code, IOneKeyCategory** out);
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
    const auto handles = [](const OvItemList& items) {
        std::string text;
        for (std::uint32_t i = 0; i < items.count; ++i)
            text += (i ? "," : "") + std::to_string(items.handles[i]);
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
