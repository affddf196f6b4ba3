#include "FakeDevice.h"

#include "CController.h"
#include "EngineTestSupport.h"

#include <algorithm>
#include <cstring>

void FakeJournal::Add(const std::string& event)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.push_back(event);
}

std::vector<std::string> FakeJournal::Events() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
}

int FakeJournal::Count(const std::string& event) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(std::count(m_events.begin(), m_events.end(), event));
}

void FakeJournal::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.clear();
}

FakeOperation::FakeOperation(std::string name, CCallBack* callback, std::vector<FakeNote> script, FakeJournal& journal,
                             std::function<void(const std::string&)> onRun)
    : m_name(std::move(name))
    , m_callback(callback)
    , m_script(std::move(script))
    , m_journal(journal)
    , m_onRun(std::move(onRun))
{ }

int FakeOperation::Run()
{
    m_journal.Add("run:" + m_name);
    if (atRun)
        atRun();
    if (m_onRun)
        m_onRun(m_name);
    int last = 0;
    for (const FakeNote& note : m_script) {
        last = note.type;
        if (!m_callback)
            continue;
        const int answer
            = m_callback->OnStateChange(note.type, note.p1, note.p2, note.p3, note.p4, const_cast<void*>(note.record));
        m_journal.Add("answer:" + m_name + ":" + std::to_string(answer));
        if (answer == -1)
            break;
    }
    return last;
}

void FakeOperation::Release()
{
    m_journal.Add("release:" + m_name);
    delete this;
}

const void* FakeMessages::GetItem(int index)
{
    return index >= 0 && index < GetAttachmentCount() ? &attachments[static_cast<std::size_t>(index)] : nullptr;
}

const OvConversation* FakeMessages::GetConversation(int index)
{
    return static_cast<const OvConversation*>(FakeCategory::GetItem(index));
}

const OvNoteAttachmentItem* FakeNotes::GetAttachment(int index)
{
    return index >= 0 && index < GetAttachmentCount() ? &attachments[static_cast<std::size_t>(index)] : nullptr;
}

const OvWhatsAppAttachmentItem* FakeWhatsApp::GetAttachment(int index)
{
    return index >= 0 && index < GetAttachmentCount() ? &attachments[static_cast<std::size_t>(index)] : nullptr;
}

FakeWeChatAccount::FakeWeChatAccount(FakeDevice& device, std::string accountName)
    : name(std::move(accountName))
    , m_device(device)
{ }

IDeviceOperation* FakeWeChatAccount::CreateEraseAll(CCallBack* cb)
{
    m_device.journal.Add("wechat:" + name + ":6");
    return m_device.Job("erase", cb, { FakeNote { OV_NOTIFY_ERASE_DONE } });
}

IDeviceOperation* FakeWeChatAccount::CreateEraseSelected(OvItemList items, CCallBack* cb)
{
    std::string handles;
    for (std::uint32_t i = 0; i < items.count; ++i)
        handles += (i ? "," : "") + std::to_string(items.handles[i]);
    m_device.journal.Add("wechat:" + name + ":7:" + handles);
    return m_device.Job("erase", cb, { FakeNote { OV_NOTIFY_ERASE_DONE } });
}

IWeChatAccount* FakeWeChat::GetAccount(int index)
{
    return index >= 0 && index < GetAccountCount() ? accounts[static_cast<std::size_t>(index)].get() : nullptr;
}

FakePrivateData::FakePrivateData(FakeDevice& device)
    : messages(new FakeMessages(device, "messages"))
    , contacts(new FakeWholeCategory<OvContactItem>(device, "contacts"))
    , callLog(new FakeSimpleCategory<OvCallLogItem>(device, "calllog"))
    , notes(new FakeNotes(device, "notes"))
    , photos(new FakePhotos(device, "photos"))
    , calendar(new FakeWholeCategory<OvCalendarItem>(device, "calendar"))
    , bookmarks(new FakeWholeCategory<OvBookmarkItem>(device, "bookmarks"))
    , whatsApp(new FakeWhatsApp(device, "whatsapp"))
    , voiceMemos(new FakeWholeCategory<OvVoiceMemoItem>(device, "voicememos"))
    , safariHistory(new FakeSimpleCategory<OvSafariHistoryItem>(device, "history"))
    , weChat(new FakeWeChat(device, "wechat"))
    , kik(new FakeChat<OvKikItem>(device, "kik"))
    , cookies(new FakeCookies(device, "cookies"))
    , cache(new FakeCache(device, "cache"))
    , viber(new FakeChat<OvViberItem>(device, "viber"))
{ }

IDeviceOperation* FakeJobs::CreateBackup(CCallBack* cb)
{
    return m_device.Job("backup", cb, { { OV_NOTIFY_BACKUP_PROGRESS, 50 }, { OV_NOTIFY_BACKUP_END } });
}

IDeviceOperation* FakeJobs::CreateFill(CCallBack* cb)
{
    return m_device.Job("fill", cb, { { OV_NOTIFY_ITEM_DONE, 100, 0, 200, 0 }, { OV_NOTIFY_READY, 200, 0, 200, 0 } });
}

FakeDevice::FakeDevice()
    : privateData(new FakePrivateData(*this))
    , jobs(*this)
{ }

const char* FakeDevice::Text(const std::string& text)
{
    m_texts.push_back(text);
    return m_texts.back().c_str();
}

const wchar_t* FakeDevice::WideText(const std::wstring& text)
{
    m_wideTexts.push_back(text);
    return m_wideTexts.back().c_str();
}

IDeviceOperation* FakeDevice::Job(const std::string& name, CCallBack* cb, std::vector<FakeNote> fallback)
{
    const auto script = scripts.find(name);
    return new FakeOperation(name, cb, script != scripts.end() ? script->second : std::move(fallback), journal, onRun);
}

IDeviceOperation* FakeDevice::Connect(CCallBack* cb)
{
    return Job("connect", cb, { { OV_NOTIFY_READY } });
}

int FakeDevice::GetBasicInfo(OvBasicInfo** out)
{
    *out = &basicInfo;
    return 0;
}

int FakeDevice::GetBackupInterface(IBackupInterface** out)
{
    *out = noSubInterfaces ? nullptr : &jobs;
    return 0;
}

int FakeDevice::GetPrivateDataInterface(IPrivateDataInterface** out)
{
    *out = noSubInterfaces ? nullptr : privateData.get();
    return 0;
}

int FakeDevice::GetFillInterface(IFillInterface** out)
{
    *out = noSubInterfaces ? nullptr : &jobs;
    return 0;
}

int FakeDevice::GetDeviceInfo(OvDeviceInfo** out)
{
    *out = &deviceInfo;
    return 0;
}

int FakeDevice::CheckBackupPassword(const char* password)
{
    return password && password == backupPassword ? 1 : 0;
}

FakeDeviceSession::FakeDeviceSession()
{
    CController::GetInstance()->GetDeviceManager()->AddDevice(&device.base, &device);
}

FakeDeviceSession::~FakeDeviceSession()
{
    DrainControlThread();
    CController::GetInstance()->GetDeviceManager()->RemoveDevice(&device.base);
}
