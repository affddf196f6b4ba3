#pragma once

#include "VersionControlExport.h"

#include <cstdint>

namespace LL {

/// The menu table and the version files, for the installer, the updater and the Tools menu.
///
/// Nineteen menu entries, each a state (1 shown) and a web address, travel in three forms:
/// appended to an executable as a trailer, as "Version.ini" in the program directory, and in
/// memory. The class also knows the maker's start-menu folder and writes Internet shortcuts
/// there. Its virtual operations are an interface of the executable: their order is fixed.
///
/// Text buffers are wchar_t: addresses and names hold 256 units, paths 260 (both with the
/// terminating zero); longer texts are cut to fit.
class LL_VERSIONCONTROL_EXPORT API_VersionControl
{
public:
    static constexpr int kMenuCount = 19;
    static constexpr int kTextUnits = 256;
    static constexpr int kPathUnits = 260;
    static constexpr int kProductCount = 11;
    static constexpr int kInstallUrlMenu = 13;

    /// One menu entry as it is stored: state, then the address in UTF-16.
    struct MenuEntry
    {
        std::int32_t state;
        char16_t url[kTextUnits];
    };
    /// The record that closes the installer trailer.
    struct TrailerRecord
    {
        std::int32_t magic;
        char16_t identifier[kTextUnits];
        char16_t tag[kTextUnits];
        unsigned char reserved[512];
    };
    static constexpr std::int32_t kTrailerMagic = 16534;
    static constexpr int kMenuTableBytes = kMenuCount * int(sizeof(MenuEntry));
    static constexpr int kTrailerRecordBytes = int(sizeof(TrailerRecord));
    /// The trailer is looked for this far from the end of a file, at most.
    static constexpr int kTrailerSearchBytes = 100000;

    API_VersionControl();
    virtual ~API_VersionControl();

    /// "Version.ini" in the program directory.
    virtual bool GetVersionFilePath(wchar_t* path);
    /// Reads entry `menu` as a raw 516-byte record from the file of GetVersionFilePath.
    virtual bool GetVersionInfo(int menu, int* state, wchar_t* url);
    /// Loads the menu table from the trailer of `file`; false when it has none.
    virtual bool ReadInstallFile(const wchar_t* file);
    /// Writes the menu table as "Version.ini" beside the program the product's start-menu
    /// shortcut points to.
    virtual bool WriteVersionFile();
    /// State and address of a menu entry as "Version.ini" holds them (state 1, empty address
    /// when the file or the entry is missing).
    virtual bool GetMenuStateAndURL(int menu, int* state, wchar_t* url);
    /// State and address of a menu entry of the table in memory.
    virtual bool GetMenuStateAndURLEx(int menu, int* state, wchar_t* url);
    virtual bool SetMenuStateAndURL(int menu, int state, const wchar_t* url);
    /// Copies `source` to `target` and appends the menu table and the trailer record.
    virtual bool ProductInstallFile(const wchar_t* source, const wchar_t* target);
    /// Starts the signing script on `file`.
    virtual bool SingInstallFile(const wchar_t* file);
    /// Fills the list of the maker's product names.
    virtual void FormatProductName();
    virtual bool GetStartMenuPath(wchar_t* path);
    /// `text` in the system code page: 0 when it fits `size` bytes with its terminating zero,
    /// else the size it needs (and nothing is written).
    virtual int UnicodeToAscii(const wchar_t* text, char* out, int size);
    virtual int GetProductMaxNumber();
    virtual bool GetProductName(int index, wchar_t* name);
    /// The index of the product called exactly `name`, or -1.
    virtual int SelectProductNumber(const wchar_t* name);
    virtual void SetCurrProductName(const wchar_t* name);
    /// The current product's start-menu folder and the paths of its two Internet shortcuts.
    virtual bool GetVersionStartMenuPath(wchar_t* folder, wchar_t* homepage, wchar_t* howToUse);
    /// Writes an Internet shortcut `file` that opens `url`.
    virtual bool SetLinkUrl(const wchar_t* file, const wchar_t* url);
    /// The folder (with its trailing separator) of the program a shortcut points to.
    virtual bool GetLinkDirectroy(const wchar_t* link, wchar_t* dir);
    /// Opens the install address with the shell when its entry is shown.
    virtual bool PopInstallURL();
    /// Reads one profile string of `file` into the address of table entry `index`.
    virtual bool ReadProductVersionUrlFile(const wchar_t* section, const wchar_t* key, int index, const wchar_t* file);
    virtual bool WriteVersion(const wchar_t* key, const wchar_t* url, int state, const wchar_t* file);
    /// Reads an entry of `file`, or of the program's "Version.ini" when `file` is null.
    virtual bool ReadVersion(const wchar_t* key, wchar_t* url, int* state, const wchar_t* file = nullptr);
    /// The "Version.ini" key of a menu number.
    virtual bool MenuNumberToString(int menu, wchar_t* key);
    /// Makes the program's folder the working directory.
    virtual bool SetExeWorkDirectory();
    /// Loads "Version.ini" beside the product's program into the table and writes the table
    /// there as "Version.bin".
    virtual bool VersionTranslated();

    API_VersionControl(const API_VersionControl&) = delete;
    API_VersionControl& operator=(const API_VersionControl&) = delete;

private:
    bool productProgramDirectory(wchar_t* dir);

    MenuEntry m_menu[kMenuCount];
    TrailerRecord m_record;
    char16_t m_currentProduct[kTextUnits];
    char16_t m_products[kProductCount][kTextUnits];
};

static_assert(sizeof(API_VersionControl::MenuEntry) == 516, "a stored menu entry is 516 bytes");
static_assert(API_VersionControl::kMenuTableBytes == 9804, "the stored menu table is 9804 bytes");
static_assert(sizeof(API_VersionControl::TrailerRecord) == 1540, "the trailer record is 1540 bytes");

} // namespace LL
