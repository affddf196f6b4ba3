#pragma once
// The device library contract: the only header the program includes to reach a device.
//
// The library exports two functions with C linkage; everything else is reached through the
// interfaces they return, whose pure virtual functions are called by their position (slot)
// in declaration order. Never reorder, insert or remove a virtual function: append only.
// Unused positions are kept as Reserved* functions so that the slots stay where they are.
//
// Threads. Arrival and removal are reported on the library's own thread. An
// IDeviceOperation runs its whole job on the thread that calls Run(), and every
// CCallBack::OnStateChange of that job arrives on that thread before Run() returns.
//
// Memory. Texts and items handed out by the library are owned by it. Items of a private-data
// category stay valid, at the same address, until the next Load() of that category; records
// passed to OnStateChange are valid during the call only.
//
// Text. Every narrow text crossing the contract, either way, is UTF-8 on every platform (names,
// paths, items handed to AddItem or an uninstall, the backup password); wide texts are UTF-16
// on Windows and UTF-32 elsewhere, as wchar_t is.
//
// Times are seconds counted from 2001-01-01 00:00:00 UTC, except WhatsApp, Viber and Kik,
// whose times are decimal text ("599616000.25").

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#if defined(OVDRIVER_BUILDING)
#define OVDRIVER_API __declspec(dllexport)
#else
#define OVDRIVER_API __declspec(dllimport)
#endif
#else
#define OVDRIVER_API __attribute__((visibility("default")))
#endif

// ---------------------------------------------------------------------------------------
// Notification types (the first argument of OnStateChange)
// ---------------------------------------------------------------------------------------
enum OvNotifyType : int {
    OV_NOTIFY_CONNECT_FAILED = 11,     ///< connect: the device could not be reached
    OV_NOTIFY_READY = 12,              ///< connect: connected and ready; fill: finished
    OV_NOTIFY_ITEM_FOUND = 13,         ///< one-key and app-size scans: one item, record = item
    OV_NOTIFY_ITEM_DONE = 14,          ///< one-key clean: one item done, record = item; fill: progress
    OV_NOTIFY_ONEKEY_END = 15,         ///< one-key scan/clean, app-size scan: the job has ended
    OV_NOTIFY_NOT_TRUSTED = 16,        ///< connect: the device has not trusted this computer
    OV_NOTIFY_JOB_FAILED = 17,         ///< any job: failed; param1 = error code
    OV_NOTIFY_ERASE_DONE = 18,         ///< private-data erase: finished; param1 = items erased
    OV_NOTIFY_BACKUP_END = 20,         ///< backup finished
    OV_NOTIFY_RESTORE_END = 22,        ///< restore finished; the device restarts next
    OV_NOTIFY_RESTORE_FAILED = 23,     ///< restore failed; param1 = error code
    OV_NOTIFY_BACKUP_FAILED = 24,      ///< backup failed or stopped; param1 = error code
    OV_NOTIFY_ERASEALL_STAGE2 = 28,    ///< erase-all stage 2 finished
    OV_NOTIFY_ERASEALL_STAGE4 = 29,    ///< erase-all stage 4 finished
    OV_NOTIFY_ERASEALL_STAGE1 = 30,    ///< erase-all stage 1 finished
    OV_NOTIFY_ERASEALL_STAGE8 = 31,    ///< erase-all stage 8 finished
    OV_NOTIFY_ORIGINAL_BACKED_UP = 64, ///< photo compression: one original copied to the computer
    OV_NOTIFY_BACKUP_PROGRESS = 66,    ///< backup: param1 = percent
    OV_NOTIFY_RESTORE_PROGRESS = 68,   ///< restore: param1 = percent
};

/// Error code of a backup ended because its callback returned -1.
constexpr int OV_ERROR_STOPPED = 1003;

// ---------------------------------------------------------------------------------------
// One-key codes: the categories of the space-saving scans and cleans, as they are requested
// and as every reply and item names them. Export and delete are added to the code of the
// items they act on (8 or 1024).
// ---------------------------------------------------------------------------------------
enum OvOneKeyCode : int {
    OV_ONEKEY_TEMP_FILES = 2,
    OV_ONEKEY_LARGE_FILES = 8,
    OV_ONEKEY_APPS = 16,
    OV_ONEKEY_USER_STORAGE = 32,   ///< junk
    OV_ONEKEY_PHOTO_CACHES = 64,   ///< junk
    OV_ONEKEY_DOWNLOAD_TEMP = 128, ///< junk
    OV_ONEKEY_CRASH_LOGS = 256,    ///< junk
    OV_ONEKEY_ITUNES_CACHES = 512, ///< junk
    OV_ONEKEY_PHOTOS = 1024,       ///< every photo and video
    OV_ONEKEY_COMPRESS_PHOTOS = 2048,
    OV_ONEKEY_EXPORT = 4096,
    OV_ONEKEY_DELETE = 8192,
    /// The five junk codes together.
    OV_ONEKEY_JUNK_CODES = OV_ONEKEY_USER_STORAGE | OV_ONEKEY_PHOTO_CACHES | OV_ONEKEY_DOWNLOAD_TEMP
        | OV_ONEKEY_CRASH_LOGS | OV_ONEKEY_ITUNES_CACHES,
};

/// What one one-key scan request covers: one bit per family of codes.
enum OvOneKeyScanMask : int {
    OV_SCAN_JUNK = 1,        ///< the five junk codes
    OV_SCAN_TEMP_FILES = 2,  ///< OV_ONEKEY_TEMP_FILES
    OV_SCAN_PHOTOS = 4,      ///< OV_ONEKEY_COMPRESS_PHOTOS, then OV_ONEKEY_PHOTOS
    OV_SCAN_LARGE_FILES = 8, ///< OV_ONEKEY_LARGE_FILES
    OV_SCAN_APPS = 16,       ///< OV_ONEKEY_APPS
    OV_SCAN_ALL = OV_SCAN_JUNK | OV_SCAN_TEMP_FILES | OV_SCAN_PHOTOS | OV_SCAN_LARGE_FILES | OV_SCAN_APPS,
};

/// How OnStateChange carries 64-bit amounts (fill: written = words 1+2, total = words 3+4).
inline std::uint64_t OvJoinWords(std::uint32_t low, std::uint32_t high)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// ---------------------------------------------------------------------------------------
// Information blocks
// ---------------------------------------------------------------------------------------

/// The device information block (IPrivacyCleanDevice slot 12). Texts are zero-terminated
/// UTF-8. The device key is the absolute path of the folder on this computer that
/// holds the device's exports ("<key>/Export", "<key>/Compress", "<key>/Large").
struct OvDeviceInfo
{
    char deviceName[260];       // byte 0
    char productType[260];      // byte 260, e.g. "iPhone14,2"
    char serialNumber[260];     // byte 520
    char productVersion[260];   // byte 780, iOS version
    char deviceKey[2860];       // byte 1040
    char activationState[2604]; // byte 3900, "Activated" or "Unactivated"
    std::uint64_t freeBytes;    // byte 6504
    std::uint64_t totalBytes;   // byte 6512
    char reserved[1664];
};
static_assert(offsetof(OvDeviceInfo, productType) == 260, "contract offset");
static_assert(offsetof(OvDeviceInfo, deviceKey) == 1040, "contract offset");
static_assert(offsetof(OvDeviceInfo, activationState) == 3900, "contract offset");
static_assert(offsetof(OvDeviceInfo, freeBytes) == 6504, "contract offset");
static_assert(offsetof(OvDeviceInfo, totalBytes) == 6512, "contract offset");

/// The basic information block (IPrivacyCleanDevice slot 2).
struct OvBasicInfo
{
    char deviceName[260];  // byte 0
    char productType[260]; // byte 260
    char uniqueId[260];    // byte 520
};
static_assert(offsetof(OvBasicInfo, productType) == 260, "contract offset");

// ---------------------------------------------------------------------------------------
// Private-data items (read through the category interfaces). `deleted` is 1 for an item
// found among deleted data. The 32-bit handle of an item, used to erase it, is the low
// 32 bits of the item's address (OvItemHandle).
// ---------------------------------------------------------------------------------------

struct OvContactPhone
{
    const char* number;
    const char* label;
    int labelType;
    int state;
    int propertyType;
};

struct OvContactItem
{
    const char* firstName;
    const char* lastName;
    const char* organization;
    const OvContactPhone* phones;
    int phoneCount;
    int deleted;
};

struct OvMessageAttachment
{
    const char* fileName;
    const char* path;
    std::uint64_t size;
    int deleted;
};

struct OvMessage
{
    const char* text; ///< U+FFFC marks where an attachment stood
    int isFromMe;
    std::int64_t time;
    int isRead;
    const OvMessageAttachment* attachments;
    int attachmentCount;
    int deleted;
};

/// One conversation of the messages category (slot 4 of IMessagesCategory).
struct OvConversation
{
    const char* participants; ///< phone numbers or addresses separated by ","
    const OvMessage* messages;
    int messageCount;
    int deleted;
};

struct OvCallLogItem
{
    const char* number;
    std::int64_t time;
    int duration; ///< seconds
    int callKind; ///< 1 incoming, 2 outgoing, 3 missed
    int deleted;
};

struct OvNoteItem
{
    const char* title;
    const char* body;
    std::int64_t created;
    std::int64_t modified;
    int deleted;
};

struct OvNoteAttachmentItem
{
    const char* fileName;
    const char* path;
    std::uint64_t size;
    int deleted;
};

struct OvCalendarItem
{
    const char* title;
    const char* location;
    std::int64_t start;
    std::int64_t end;
    int deleted;
};

struct OvBookmarkItem
{
    const char* title;
    const char* url;
    int deleted;
};

struct OvVoiceMemoItem
{
    const char* title;
    const char* path;
    std::int64_t time;
    int duration;
    std::uint64_t size;
    int deleted;
};

struct OvSafariHistoryItem
{
    const char* title;
    const char* url;
    std::int64_t time;
    int visitCount;
    int deleted;
};

struct OvSafariCookieItem
{
    const char* domain;
    const char* name;
    const char* value;
    const char* path;
    std::int64_t expires;
    int deleted;
};

struct OvSafariCacheItem
{
    const wchar_t* url;
    const wchar_t* fileName;
    std::uint64_t size;
    std::int64_t time;
    int deleted;
};

struct OvPhotoVideoItem
{
    const char* fileName; ///< empty for items that cannot be shown
    const char* path;
    std::uint64_t size;
    std::int64_t time;
    int mediaKind; ///< 0 photo, 1 video
    int deleted;
};

struct OvWhatsAppItem
{
    const char* chatName;
    const char* number;
    const char* text;
    const char* time; ///< decimal text
    int isFromMe;
    int deleted;
};

struct OvWhatsAppAttachmentItem
{
    const char* fileName;
    const char* path;
    const char* time; ///< decimal text
    std::uint64_t size;
    int deleted;
};

class IWeChatAccount;

struct OvWeChatItem
{
    IWeChatAccount* account; ///< the account the message belongs to
    const char* accountName;
    const char* talker;
    const char* text;
    std::int64_t time;
    int isFromMe;
    int messageType;
    int deleted;
};

struct OvViberItem
{
    const char* number;
    const char* name;
    const char* text;
    const char* time; ///< decimal text
    int isFromMe;
    int deleted;
};

struct OvKikItem
{
    const char* userName;
    const char* displayName;
    const char* text;
    const char* time; ///< decimal text
    int isFromMe;
    int deleted;
};

struct OvKikAttachmentItem
{
    const char* fileName;
    const char* path;
    const char* time; ///< decimal text
    std::uint64_t size;
    int deleted;
};

// ---------------------------------------------------------------------------------------
// One-key items (records of OnStateChange during one-key scans and cleans)
// ---------------------------------------------------------------------------------------

/// Junk, temporary, compressible-photo and large files (codes 32, 64, 128, 256, 512, 2, 2048, 8).
struct OvOneKeyFileItem
{
    char name[260];
    char path[1024]; ///< path on the device; identifies the item
    std::uint64_t size;
    std::int64_t time;
    int fileKind; ///< large files: 0 other, 1 video, 2 audio, 3 photo, 4 document, 5 archive
    int code;     ///< the one-key code that found it
};

/// Photos of the export and delete views (code 1024).
struct OvOneKeyMediaItem
{
    std::int32_t id;
    char name[260];
    char path[1024];
    char thumbnailPath[1024]; ///< a file on this computer; may be empty
    std::uint64_t size;
    std::int64_t time;
    int width;
    int height;
    int mediaKind; ///< 0 photo, 1 video
};

/// Installed applications (code 16), also the record of the app-size scan.
struct OvAppItem
{
    char name[260];
    char bundleId[260];
    char version[64];
    char iconPath[1024]; ///< a PNG on this computer; may be empty
    std::uint64_t staticSize;
    std::uint64_t dataSize;
};

/// The app an uninstall removes (one-key app category slot 1).
struct OvAppDescriptor
{
    char name[260];
    char bundleId[260];
    std::uint64_t size;
};

/// Items handed to a selected-items erase: a contiguous array of 32-bit item handles.
struct OvItemList
{
    const std::uint32_t* handles;
    std::uint32_t count;
};

/// The handle the selected-items erases take for an item handed out by the library.
inline std::uint32_t OvItemHandle(const void* item)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(item));
}

// ---------------------------------------------------------------------------------------
// Callbacks implemented by the program
// ---------------------------------------------------------------------------------------

class IBaseDevice;

/// Arrival and removal of devices, called on the library's thread.
class CDeviceConnectCallBack
{
public:
    /// connectType 1 = arrived, anything else = removed. Return 0.
    virtual int AppleDevCallback(int connectType, IBaseDevice* device, void* user) = 0; // slot 0

protected:
    ~CDeviceConnectCallBack() = default;
};

/// Progress and end of one job. Return 0 to go on, -1 to ask the library to stop.
class CCallBack
{
public:
    virtual int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                              std::uint32_t param4, void* record)
        = 0; // slot 0

protected:
    ~CCallBack() = default;
};

// ---------------------------------------------------------------------------------------
// Library interfaces
// ---------------------------------------------------------------------------------------

/// One job, made by a sub-interface and run on the caller's thread.
class IDeviceOperation
{
public:
    /// Runs the job to its end; its notifications arrive during the call. Returns the last
    /// notification type.
    virtual int Run() = 0;      // slot 0
    virtual void Release() = 0; // slot 1: frees the operation (never during Run)

protected:
    ~IDeviceOperation() = default;
};

class IDeviceManager
{
public:
    /// Starts reporting arrivals and removals to `callback`; devices already plugged in
    /// are reported as arrivals. Returns 0.
    virtual int RegisterCallback(CDeviceConnectCallBack* callback, void* user) = 0; // slot 0
    /// Stops reporting and waits until no report is under way. Returns 0.
    virtual int UnregisterCallback() = 0; // slot 1

protected:
    ~IDeviceManager() = default;
};

class IBaseDevice
{
public:
    virtual const char* UniqueId() = 0; // slot 0

protected:
    ~IBaseDevice() = default;
};

class IBackupInterface
{
public:
    /// Backs the device up to this computer: 66 (percent) ..., then 20, or 24 with a code.
    virtual IDeviceOperation* CreateBackup(CCallBack* callback) = 0; // slot 0

protected:
    ~IBackupInterface() = default;
};

class IRestoreInterface
{
public:
    /// Writes the computer's copy back: 68 (percent) ..., then 22 and a device restart, or
    /// 23/another type with a code. Restore type 0 after an erase-all leaves the device empty.
    virtual IDeviceOperation* CreateRestore(int restoreType, CCallBack* callback) = 0; // slot 0

protected:
    ~IRestoreInterface() = default;
};

class IEraseAllInterface
{
public:
    virtual IDeviceOperation* CreateStage1(CCallBack* callback) = 0; // slot 0, answers 30
    virtual IDeviceOperation* CreateStage2(CCallBack* callback) = 0; // slot 1, answers 28
    virtual IDeviceOperation* CreateStage4(CCallBack* callback) = 0; // slot 2, answers 29
    virtual IDeviceOperation* CreateStage8(CCallBack* callback) = 0; // slot 3, answers 31

protected:
    ~IEraseAllInterface() = default;
};

class IFillInterface
{
public:
    /// Overwrites the free space: 14 (written, total as 64-bit word pairs) ..., then 12.
    virtual IDeviceOperation* CreateFill(CCallBack* callback) = 0; // slot 0

protected:
    ~IFillInterface() = default;
};

/// Slots 0 to 3 of every private-data category.
class IPrivacyCategory
{
public:
    /// Reads the category from the computer's backup copy; no notifications.
    virtual IDeviceOperation* CreateLoad() = 0; // slot 0
    virtual int Reserved1() = 0;                // slot 1
    virtual int GetCount() = 0;                 // slot 2
    virtual const void* GetItem(int index) = 0; // slot 3, null past the end

protected:
    ~IPrivacyCategory() = default;
};

/// Messages (getter 0). Count and slot 4 walk conversations; slot 3 gives attachments.
class IMessagesCategory : public IPrivacyCategory
{
public:
    virtual const OvConversation* GetConversation(int index) = 0;                          // slot 4
    virtual int GetAttachmentCount() = 0;                                                  // slot 5
    virtual int Reserved6() = 0;                                                           // slot 6
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                     // slot 7
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0;    // slot 8
    virtual int Reserved9() = 0;                                                           // slot 9
    virtual IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) = 0; // slot 10

protected:
    ~IMessagesCategory() = default;
};

/// Contacts (1), calendar (8), bookmarks (9), voice memos (11): whole-category erase only.
class IWholeEraseCategory : public IPrivacyCategory
{
public:
    virtual int Reserved4() = 0;                                       // slot 4
    virtual int Reserved5() = 0;                                       // slot 5
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0; // slot 6

protected:
    ~IWholeEraseCategory() = default;
};

/// Call log (2), Safari history (12): slot 6 whole, slot 7 selected.
class ISimpleCategory : public IPrivacyCategory
{
public:
    virtual int Reserved4() = 0;                                                        // slot 4
    virtual int Reserved5() = 0;                                                        // slot 5
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                  // slot 6
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0; // slot 7

protected:
    ~ISimpleCategory() = default;
};

/// Notes (3): slot 4/5 walk the note attachments.
class INotesCategory : public IPrivacyCategory
{
public:
    virtual int GetAttachmentCount() = 0;                                                  // slot 4
    virtual const OvNoteAttachmentItem* GetAttachment(int index) = 0;                      // slot 5
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                     // slot 6
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0;    // slot 7
    virtual int Reserved8() = 0;                                                           // slot 8
    virtual IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) = 0; // slot 9

protected:
    ~INotesCategory() = default;
};

/// Photos and videos (6): only selected items can be erased.
class IPhotoVideoCategory : public IPrivacyCategory
{
public:
    virtual int Reserved4() = 0;                                                        // slot 4
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0; // slot 5

protected:
    ~IPhotoVideoCategory() = default;
};

/// WhatsApp (10): slot 4/5 walk the attachments.
class IWhatsAppCategory : public IPrivacyCategory
{
public:
    virtual int GetAttachmentCount() = 0;                                                  // slot 4
    virtual const OvWhatsAppAttachmentItem* GetAttachment(int index) = 0;                  // slot 5
    virtual int Reserved6() = 0;                                                           // slot 6
    virtual int Reserved7() = 0;                                                           // slot 7
    virtual int Reserved8() = 0;                                                           // slot 8
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                     // slot 9
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0;    // slot 10
    virtual int Reserved11() = 0;                                                          // slot 11
    virtual IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) = 0; // slot 12

protected:
    ~IWhatsAppCategory() = default;
};

/// Viber (19) and Kik (15): slot 7 whole, slot 8 selected; Kik also slot 10 attachments,
/// walked with slots 4/5 (Viber answers 0 and null there).
class IChatCategory : public IPrivacyCategory
{
public:
    virtual int GetAttachmentCount() = 0;                                                  // slot 4
    virtual const OvKikAttachmentItem* GetAttachment(int index) = 0;                       // slot 5
    virtual int Reserved6() = 0;                                                           // slot 6
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                     // slot 7
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0;    // slot 8
    virtual int Reserved9() = 0;                                                           // slot 9
    virtual IDeviceOperation* CreateEraseAttachments(OvItemList items, CCallBack* cb) = 0; // slot 10

protected:
    ~IChatCategory() = default;
};

/// Safari cookies (16): slot 7 whole, slot 9 selected.
class ISafariCookieCategory : public IPrivacyCategory
{
public:
    virtual int Reserved4() = 0;                                                        // slot 4
    virtual int Reserved5() = 0;                                                        // slot 5
    virtual int Reserved6() = 0;                                                        // slot 6
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                  // slot 7
    virtual int Reserved8() = 0;                                                        // slot 8
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0; // slot 9

protected:
    ~ISafariCookieCategory() = default;
};

/// Safari cache (17): slot 5 whole, slot 6 selected.
class ISafariCacheCategory : public IPrivacyCategory
{
public:
    virtual int Reserved4() = 0;                                                        // slot 4
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                  // slot 5
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0; // slot 6

protected:
    ~ISafariCacheCategory() = default;
};

/// One WeChat account of the device.
class IWeChatAccount
{
public:
    virtual const char* GetAccountName() = 0;                                           // slot 0
    virtual int GetMessageCount() = 0;                                                  // slot 1
    virtual int Reserved2() = 0;                                                        // slot 2
    virtual int Reserved3() = 0;                                                        // slot 3
    virtual int Reserved4() = 0;                                                        // slot 4
    virtual int Reserved5() = 0;                                                        // slot 5
    virtual IDeviceOperation* CreateEraseAll(CCallBack* callback) = 0;                  // slot 6
    virtual IDeviceOperation* CreateEraseSelected(OvItemList items, CCallBack* cb) = 0; // slot 7

protected:
    ~IWeChatAccount() = default;
};

/// WeChat (14): count and slot 3 walk the messages of every account (OvWeChatItem);
/// slots 4/5 walk the accounts.
class IWeChatCategory : public IPrivacyCategory
{
public:
    virtual int GetAccountCount() = 0;                 // slot 4
    virtual IWeChatAccount* GetAccount(int index) = 0; // slot 5

protected:
    ~IWeChatCategory() = default;
};

/// The private-data sub-interface (device slot 7): getters by category number.
class IPrivateDataInterface
{
public:
    virtual int GetMessages(IMessagesCategory** out) = 0;          // slot 0
    virtual int GetContacts(IWholeEraseCategory** out) = 0;        // slot 1
    virtual int GetCallLog(ISimpleCategory** out) = 0;             // slot 2
    virtual int GetNotes(INotesCategory** out) = 0;                // slot 3
    virtual int Reserved4() = 0;                                   // slot 4
    virtual int Reserved5() = 0;                                   // slot 5
    virtual int GetPhotosAndVideos(IPhotoVideoCategory** out) = 0; // slot 6
    virtual int Reserved7() = 0;                                   // slot 7
    virtual int GetCalendar(IWholeEraseCategory** out) = 0;        // slot 8
    virtual int GetBookmarks(IWholeEraseCategory** out) = 0;       // slot 9
    virtual int GetWhatsApp(IWhatsAppCategory** out) = 0;          // slot 10
    virtual int GetVoiceMemos(IWholeEraseCategory** out) = 0;      // slot 11
    virtual int GetSafariHistory(ISimpleCategory** out) = 0;       // slot 12
    virtual int Reserved13() = 0;                                  // slot 13
    virtual int GetWeChat(IWeChatCategory** out) = 0;              // slot 14
    virtual int GetKik(IChatCategory** out) = 0;                   // slot 15
    virtual int GetSafariCookies(ISafariCookieCategory** out) = 0; // slot 16
    virtual int GetSafariCache(ISafariCacheCategory** out) = 0;    // slot 17
    virtual int Reserved18() = 0;                                  // slot 18
    virtual int GetViber(IChatCategory** out) = 0;                 // slot 19

protected:
    ~IPrivateDataInterface() = default;
};

/// A one-key category of files (codes 32, 64, 128, 256, 512, 2, 2048, 8) or photos (1024).
/// Scan: 13 per item found (record = OvOneKeyFileItem, or OvOneKeyMediaItem for 1024),
/// then 15. Clean/process/export: 14 per item done (compression: 64 when an original has
/// been copied to "<key>/Compress", 14 when it has been re-encoded), then 15.
class IOneKeyCategory
{
public:
    virtual IDeviceOperation* CreateScan(CCallBack* callback) = 0; // slot 0
    /// Junk and temporary files: removes every file of the code.
    virtual IDeviceOperation* CreateClean(CCallBack* callback) = 0; // slot 1
    /// 2048: compresses the added photos; 1024 and 8: exports then deletes the added items.
    virtual IDeviceOperation* CreateProcess(CCallBack* callback) = 0; // slot 2
    /// Adds one item (OvOneKeyFileItem, or OvOneKeyMediaItem for 1024) to the next job.
    virtual int AddItem(const void* item) = 0; // slot 3
    /// 1024 and 8: copies the added items to "<key>/Export" or "<key>/Large".
    virtual IDeviceOperation* CreateExport(CCallBack* callback) = 0; // slot 4

protected:
    ~IOneKeyCategory() = default;
};

/// Installed apps (code 16, device slot 18). Scan: 13 per app (OvAppItem), then 15.
/// Uninstall: 15 with the removed app's OvAppItem, or 17 with a code.
class IOneKeyAppCategory
{
public:
    virtual IDeviceOperation* CreateScan(CCallBack* callback) = 0;                                  // slot 0
    virtual IDeviceOperation* CreateUninstall(CCallBack* callback, const OvAppDescriptor* app) = 0; // slot 1
    /// Slot 2 (appended): erases the fragments of the listed apps (matched by bundle id, or by
    /// name when the bundle id is empty) from the computer's backup copy; a restore then
    /// brings the smaller data sizes to the device. One notification: 18 with the number of
    /// apps whose fragments were erased, or 17 with a code. The array is read during the call.
    virtual IDeviceOperation* CreateEraseFragments(CCallBack* /*callback*/, const OvAppDescriptor* /*apps*/,
                                                   std::uint32_t /*count*/)
    {
        return nullptr;
    }

protected:
    ~IOneKeyAppCategory() = default;
};

/// The operation factory of one connected device.
class IPrivacyCleanDevice
{
public:
    /// Connects: one notification, 12 ready, 16 not trusted, any other type a failure.
    virtual IDeviceOperation* Connect(CCallBack* callback) = 0;           // slot 0
    virtual bool IsConnected() = 0;                                       // slot 1
    virtual int GetBasicInfo(OvBasicInfo** out) = 0;                      // slot 2
    virtual int Reserved3() = 0;                                          // slot 3
    virtual int GetBackupInterface(IBackupInterface** out) = 0;           // slot 4
    virtual int GetRestoreInterface(IRestoreInterface** out) = 0;         // slot 5
    virtual int GetEraseAllInterface(IEraseAllInterface** out) = 0;       // slot 6
    virtual int GetPrivateDataInterface(IPrivateDataInterface** out) = 0; // slot 7
    virtual int GetFillInterface(IFillInterface** out) = 0;               // slot 8
    virtual bool IsFindMyIPhoneOn() = 0;                                  // slot 9
    virtual bool IsBackupEncrypted() = 0;                                 // slot 10
    virtual bool IsDeviceLocked() = 0;                                    // slot 11
    virtual int GetDeviceInfo(OvDeviceInfo** out) = 0;                    // slot 12
    virtual int GetOneKeyUserStorage(IOneKeyCategory** out) = 0;          // slot 13, code 32
    virtual int GetOneKeyPhotoCaches(IOneKeyCategory** out) = 0;          // slot 14, code 64
    virtual int GetOneKeyDownloadTemp(IOneKeyCategory** out) = 0;         // slot 15, code 128
    virtual int GetOneKeyCrashLogs(IOneKeyCategory** out) = 0;            // slot 16, code 256
    virtual int GetOneKeyCompressPhotos(IOneKeyCategory** out) = 0;       // slot 17, code 2048
    virtual int GetOneKeyApps(IOneKeyAppCategory** out) = 0;              // slot 18, code 16
    virtual int Reserved19() = 0;                                         // slot 19
    virtual int GetOneKeyLargeFiles(IOneKeyCategory** out) = 0;           // slot 20, code 8
    virtual int GetOneKeyTempFiles(IOneKeyCategory** out) = 0;            // slot 21, code 2
    virtual int Reserved22() = 0;                                         // slot 22
    virtual int GetOneKeyPhotos(IOneKeyCategory** out) = 0;               // slot 23, code 1024
    virtual int GetOneKeyiTunesCaches(IOneKeyCategory** out) = 0;         // slot 24, code 512
    /// Non-zero when `password` opens the encrypted backup; the backup then reads as not
    /// encrypted (slot 10).
    virtual int CheckBackupPassword(const char* password) = 0; // slot 25
    /// Removes this device's backup copy from the computer (the program calls it once an
    /// erase has finished with it). 0 when no copy is left, -1 when it could not be removed.
    virtual int RemoveBackup() = 0; // slot 26

protected:
    ~IPrivacyCleanDevice() = default;
};

/// The one-key file category of `code` (2, 8, 32, 64, 128, 256, 512, 1024, 2048): which
/// getter serves which code, in one place. Null for other codes or a null device.
inline IOneKeyCategory* OvOneKeyCategoryOf(IPrivacyCleanDevice* device, int code)
{
    if (!device)
        return nullptr;
    IOneKeyCategory* category = nullptr;
    switch (code) {
    case OV_ONEKEY_TEMP_FILES:
        device->GetOneKeyTempFiles(&category);
        break;
    case OV_ONEKEY_LARGE_FILES:
        device->GetOneKeyLargeFiles(&category);
        break;
    case OV_ONEKEY_USER_STORAGE:
        device->GetOneKeyUserStorage(&category);
        break;
    case OV_ONEKEY_PHOTO_CACHES:
        device->GetOneKeyPhotoCaches(&category);
        break;
    case OV_ONEKEY_DOWNLOAD_TEMP:
        device->GetOneKeyDownloadTemp(&category);
        break;
    case OV_ONEKEY_CRASH_LOGS:
        device->GetOneKeyCrashLogs(&category);
        break;
    case OV_ONEKEY_ITUNES_CACHES:
        device->GetOneKeyiTunesCaches(&category);
        break;
    case OV_ONEKEY_PHOTOS:
        device->GetOneKeyPhotos(&category);
        break;
    case OV_ONEKEY_COMPRESS_PHOTOS:
        device->GetOneKeyCompressPhotos(&category);
        break;
    default:
        break;
    }
    return category;
}

extern "C" {
/// Fills `*manager` with the process's device manager. Returns 0, or -1 for a null argument.
OVDRIVER_API int CreateDeviceManager(IDeviceManager** manager);
/// Fills `*device` with the operation factory of `base`; null for an unknown device.
OVDRIVER_API int GetiOSPrivacyCleanDevice(IPrivacyCleanDevice** device, IBaseDevice* base);
}
