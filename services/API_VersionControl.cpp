#include "API_VersionControl.h"

#include "AppPaths.h"
#include "CodePage.h"
#include "DebugChannel.h"
#include "ProfileString.h"
#include "ProgramDirectory.h"
#include "ShellIntegration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

// Referenced by the linker options of dravo_services, so that the executable always holds
// (and exports) this class even though nothing in the program calls every operation.
extern "C" LL_VERSIONCONTROL_EXPORT int dravoVersionControlAnchor;
int dravoVersionControlAnchor = 0;

namespace LL {

static_assert(offsetof(API_VersionControl::TrailerRecord, identifier) == 4, "identifier at byte 4");
static_assert(offsetof(API_VersionControl::TrailerRecord, tag) == 516, "tag at byte 516");

namespace {

const char16_t kIdentifier[] = u"E15436C9-F797-4CBD-B3AA-9E27D649D47E";
const char16_t kTag[] = u"Version";
const char* const kMakerFolder = "Velmora";
const char* const kIniName = "Version.ini";

const char* const kProducts[API_VersionControl::kProductCount] = {
    "Velmora Dravo Free",      "Velmora Dravo Pro",       "Velmora Phone Transfer",  "Velmora Data Recovery",
    "Velmora Photo Keeper",    "Velmora Music Manager",   "Velmora Contact Saver",   "Velmora Message Backup",
    "Velmora Screen Recorder", "Velmora Video Converter", "Velmora Ringtone Studio",
};

QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

// Cuts `text` to `units` - 1 UTF-16 units without splitting a surrogate pair.
QString fitted(const QString& text, int units)
{
    QString cut = text.left(units - 1);
    if (!cut.isEmpty() && cut.at(cut.size() - 1).isHighSurrogate())
        cut.chop(1);
    return cut;
}

void toWide(const QString& text, wchar_t* out, int units)
{
    if (!out)
        return;
    const int n = fitted(text, units).toWCharArray(out);
    out[n] = L'\0';
}

QString fromUtf16(const char16_t* text, int units)
{
    int length = 0;
    while (length < units && text[length] != u'\0')
        ++length;
    return QString::fromUtf16(text, length);
}

void toUtf16(const QString& text, char16_t* out, int units)
{
    const QString cut = fitted(text, units);
    std::memset(out, 0, sizeof(char16_t) * static_cast<std::size_t>(units));
    std::memcpy(out, cut.utf16(), sizeof(char16_t) * static_cast<std::size_t>(cut.size()));
}

std::string utf8(const wchar_t* text)
{
    return fromWide(text).toStdString();
}

QString native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

// The program directory, ending with its separator. It follows DRAVO_APP_DIR like every
// other file of the program; without an application object (a host that only loaded the
// executable for this interface) it is the executable's folder.
QString programDirectory()
{
    const QString dir = QCoreApplication::instance() || qEnvironmentVariableIsSet("DRAVO_APP_DIR")
        ? applicationDirectory()
        : QString::fromStdString(ExecutableDirectory());
    QString path = QDir::toNativeSeparators(dir);
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

// Decimal text to integer as the C runtime reads it: leading digits count, anything else is 0.
int decimal(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int>(value);
}

bool validMenu(int menu)
{
    return menu >= 0 && menu < API_VersionControl::kMenuCount;
}

bool isTrailerRecord(const unsigned char* bytes)
{
    std::int32_t magic = 0;
    std::memcpy(&magic, bytes, sizeof magic); // the cheap test first: this runs at every offset
    if (magic != API_VersionControl::kTrailerMagic)
        return false;
    API_VersionControl::TrailerRecord record;
    std::memcpy(&record, bytes, sizeof record);
    return fromUtf16(record.tag, API_VersionControl::kTextUnits) == QString::fromUtf16(kTag)
        && fromUtf16(record.identifier, API_VersionControl::kTextUnits) == QString::fromUtf16(kIdentifier);
}

} // namespace

API_VersionControl::API_VersionControl()
{
    std::memset(&m_record, 0, sizeof m_record);
    std::memset(m_menu, 0, sizeof m_menu);
    for (MenuEntry& entry : m_menu)
        entry.state = 1;
    std::memset(m_products, 0, sizeof m_products);
    API_VersionControl::FormatProductName();
    toUtf16(QString::fromLatin1(kProducts[0]), m_currentProduct, kTextUnits);
}

API_VersionControl::~API_VersionControl() = default;

bool API_VersionControl::GetVersionFilePath(wchar_t* path)
{
    toWide(programDirectory() + QLatin1String(kIniName), path, kPathUnits);
    return true;
}

bool API_VersionControl::GetVersionInfo(int menu, int* state, wchar_t* url)
{
    if (!validMenu(menu))
        return false;
    wchar_t path[kPathUnits];
    GetVersionFilePath(path);
    QFile file(fromWide(path));
    if (!file.open(QIODevice::ReadOnly) || !file.seek(qint64(menu) * qint64(sizeof(MenuEntry))))
        return false;
    MenuEntry entry;
    if (file.read(reinterpret_cast<char*>(&entry), sizeof entry) != qint64(sizeof entry))
        return false;
    if (state)
        *state = entry.state;
    toWide(fromUtf16(entry.url, kTextUnits), url, kTextUnits);
    return true;
}

bool API_VersionControl::ReadInstallFile(const wchar_t* file)
{
    QFile in(fromWide(file));
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The record may start anywhere from kTrailerRecordBytes up to (not including)
    // kTrailerSearchBytes before the end; read that stretch once and look through it.
    const qint64 size = in.size();
    const qint64 tailBegin = qMax<qint64>(0, size - (kTrailerSearchBytes - 1));
    if (!in.seek(tailBegin))
        return false;
    const QByteArray tail = in.read(size - tailBegin);
    if (tail.size() != size - tailBegin)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(tail.constData());

    qint64 recordAt = -1;
    for (qint64 n = kTrailerRecordBytes; n < kTrailerSearchBytes && size - n >= tailBegin; ++n) {
        if (isTrailerRecord(bytes + (size - n - tailBegin))) {
            recordAt = size - n;
            break;
        }
    }
    if (recordAt < 0)
        return false;
    DebugChannelWrite("IVT:wcscmp() Done\n");

    const qint64 tableAt = recordAt - kMenuTableBytes;
    if (tableAt < 0 || !in.seek(tableAt))
        return false;
    MenuEntry table[kMenuCount];
    if (in.read(reinterpret_cast<char*>(table), sizeof table) != qint64(sizeof table))
        return false;
    std::memcpy(m_menu, table, sizeof table);
    return true;
}

bool API_VersionControl::WriteVersionFile()
{
    wchar_t dir[kPathUnits];
    if (!productProgramDirectory(dir))
        return false;
    const QString path = fromWide(dir) + QLatin1String(kIniName);
    if (!CreateIniFile(path.toStdString()))
        return false;
    wchar_t file[kPathUnits];
    toWide(path, file, kPathUnits);
    bool written = true;
    for (int menu = 0; menu < kMenuCount; ++menu) {
        wchar_t key[kTextUnits];
        wchar_t url[kTextUnits];
        MenuNumberToString(menu, key);
        toWide(fromUtf16(m_menu[menu].url, kTextUnits), url, kTextUnits);
        written = WriteVersion(key, url, m_menu[menu].state, file) && written;
    }
    return written;
}

bool API_VersionControl::GetMenuStateAndURL(int menu, int* state, wchar_t* url)
{
    wchar_t key[kTextUnits];
    MenuNumberToString(menu, key);
    return ReadVersion(key, url, state);
}

bool API_VersionControl::GetMenuStateAndURLEx(int menu, int* state, wchar_t* url)
{
    if (!validMenu(menu))
        return false;
    if (state)
        *state = m_menu[menu].state;
    toWide(fromUtf16(m_menu[menu].url, kTextUnits), url, kTextUnits);
    return true;
}

bool API_VersionControl::SetMenuStateAndURL(int menu, int state, const wchar_t* url)
{
    if (!validMenu(menu))
        return false;
    m_menu[menu].state = state;
    toUtf16(fromWide(url), m_menu[menu].url, kTextUnits);
    return true;
}

bool API_VersionControl::ProductInstallFile(const wchar_t* source, const wchar_t* target)
{
    const QString from = fromWide(source);
    const QString to = fromWide(target);
    if (from.isEmpty() || to.isEmpty())
        return false;
    const QString fromCanonical = QFileInfo(from).canonicalFilePath();
    if (fromCanonical.isEmpty())
        return false;
    // Copying a file onto itself would first remove it.
    if (fromCanonical != QFileInfo(to).canonicalFilePath()) {
        const QString part = to + QStringLiteral(".part");
        QFile::remove(part);
        if (!QFile::copy(from, part))
            return false;
        QFile::remove(to);
        if (!QFile::rename(part, to)) {
            QFile::remove(part);
            return false;
        }
    }
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    std::memset(&m_record, 0, sizeof m_record);
    m_record.magic = kTrailerMagic;
    toUtf16(QString::fromUtf16(kIdentifier), m_record.identifier, kTextUnits);
    toUtf16(QString::fromUtf16(kTag), m_record.tag, kTextUnits);
    const bool written = out.write(reinterpret_cast<const char*>(m_menu), sizeof m_menu) == qint64(sizeof m_menu)
        && out.write(reinterpret_cast<const char*>(&m_record), sizeof m_record) == qint64(sizeof m_record);
    return written && out.flush();
}

bool API_VersionControl::SingInstallFile(const wchar_t* file)
{
    return file && *file && RunSignTool(utf8(file));
}

void API_VersionControl::FormatProductName()
{
    for (int i = 0; i < kProductCount; ++i)
        toUtf16(QString::fromLatin1(kProducts[i]), m_products[i], kTextUnits);
}

bool API_VersionControl::GetStartMenuPath(wchar_t* path)
{
    const std::string menu = StartMenuProgramsPath();
    toWide(native(menu), path, kPathUnits);
    return !menu.empty();
}

int API_VersionControl::UnicodeToAscii(const wchar_t* text, char* out, int size)
{
    const std::string bytes = WideToSystemCodePage(text ? std::wstring(text) : std::wstring());
    const int needed = static_cast<int>(bytes.size()) + 1;
    if (!out || size < needed)
        return needed;
    std::memcpy(out, bytes.data(), bytes.size());
    out[bytes.size()] = '\0';
    return 0;
}

int API_VersionControl::GetProductMaxNumber()
{
    return kProductCount;
}

bool API_VersionControl::GetProductName(int index, wchar_t* name)
{
    if (index < 0 || index >= kProductCount)
        return false;
    toWide(fromUtf16(m_products[index], kTextUnits), name, kTextUnits);
    return true;
}

int API_VersionControl::SelectProductNumber(const wchar_t* name)
{
    const QString wanted = fromWide(name);
    for (int i = 0; i < kProductCount; ++i) {
        if (fromUtf16(m_products[i], kTextUnits) == wanted)
            return i;
    }
    return -1;
}

void API_VersionControl::SetCurrProductName(const wchar_t* name)
{
    toUtf16(fromWide(name), m_currentProduct, kTextUnits);
}

bool API_VersionControl::GetVersionStartMenuPath(wchar_t* folder, wchar_t* homepage, wchar_t* howToUse)
{
    const std::string menu = StartMenuProgramsPath();
    if (menu.empty())
        return false;
    const QString separator = QDir::separator();
    const QString productFolder
        = native(menu) + separator + QLatin1String(kMakerFolder) + separator + fromUtf16(m_currentProduct, kTextUnits);
    toWide(productFolder, folder, kPathUnits);
    toWide(productFolder + separator + QStringLiteral(" Homepage on the Web.url"), homepage, kPathUnits);
    toWide(productFolder + separator + QStringLiteral(" How to Use on the Web.url"), howToUse, kPathUnits);
    return true;
}

bool API_VersionControl::SetLinkUrl(const wchar_t* file, const wchar_t* url)
{
    return file && *file && WriteInternetShortcut(utf8(file), utf8(url));
}

bool API_VersionControl::GetLinkDirectroy(const wchar_t* link, wchar_t* dir)
{
    if (!link || !*link)
        return false;
    const QString target = native(ShortcutTargetPath(utf8(link)));
    const int separator = target.lastIndexOf(QDir::separator());
    if (separator < 0)
        return false;
    toWide(target.left(separator + 1), dir, kPathUnits);
    return true;
}

bool API_VersionControl::PopInstallURL()
{
    const MenuEntry& entry = m_menu[kInstallUrlMenu];
    if (entry.state != 1)
        return false;
    return ShellOpen(fromUtf16(entry.url, kTextUnits).toStdString());
}

bool API_VersionControl::ReadProductVersionUrlFile(const wchar_t* section, const wchar_t* key, int index,
                                                   const wchar_t* file)
{
    if (!validMenu(index) || !section || !key || !file)
        return false;
    const std::string url = ReadIniString(utf8(section), utf8(key), std::string(), utf8(file));
    toUtf16(QString::fromStdString(url), m_menu[index].url, kTextUnits);
    return true;
}

bool API_VersionControl::WriteVersion(const wchar_t* key, const wchar_t* url, int state, const wchar_t* file)
{
    if (!key || !*key || !file || !*file)
        return false;
    const std::string path = utf8(file);
    const bool address = WriteIniString("VERSION", utf8(key), utf8(url), path);
    const bool shown = WriteIniString("STATE", utf8(key), std::to_string(state), path);
    return address && shown;
}

bool API_VersionControl::ReadVersion(const wchar_t* key, wchar_t* url, int* state, const wchar_t* file)
{
    if (!key || !*key)
        return false;
    wchar_t ownFile[kPathUnits];
    if (!file) {
        GetVersionFilePath(ownFile);
        file = ownFile;
    }
    const std::string path = utf8(file);
    toWide(QString::fromStdString(ReadIniString("VERSION", utf8(key), std::string(), path)), url, kTextUnits);
    if (state)
        *state = decimal(ReadIniString("STATE", utf8(key), "1", path));
    return true;
}

bool API_VersionControl::MenuNumberToString(int menu, wchar_t* key)
{
    const char* name = "VELMORA_MENU_MAX_LENGTH";
    switch (menu) {
    case 0:
        name = "VELMORA_MENU_TYPE";
        break;
    case 3:
        name = "VELMORA_MENU_TUTORIAL";
        break;
    case 4:
        name = "VELMORA_MENU_FREQUENTLY_ASKED_QUESTIONS";
        break;
    case 5:
        name = "VELMORA_MENU_WRITE_A_PRODUCT_REVIEW";
        break;
    case 6:
        name = "VELMORA_MENU_CONTACT_US";
        break;
    case 7:
        name = "VELMORA_MENU_VIEW_FACEBOOK_FAN_PAGE";
        break;
    case 8:
        name = "VELMORA_MENU_FOLLOW_US_ON_TWITTER";
        break;
    case 9:
        name = "VELMORA_MENU_LANGUAGE";
        break;
    case 10:
        name = "VELMORA_MENU_CHECK_FOR_UPDATES";
        break;
    case 11:
        name = "VELMORA_MENU_ABOUT";
        break;
    case 12:
        name = "VELMORA_MENU_EXIT";
        break;
    case 13:
        name = "VELMORA_MENU_INSTALL_URL";
        break;
    case 15:
        name = "VELMORA_MENU_START_HOME_PAGE";
        break;
    case 16:
        name = "VELMORA_MENU_START_TUTORIAL";
        break;
    default:
        break;
    }
    toWide(QString::fromLatin1(name), key, kTextUnits);
    return true;
}

bool API_VersionControl::SetExeWorkDirectory()
{
    return SetWorkingDirectory(ExecutableDirectory());
}

bool API_VersionControl::VersionTranslated()
{
    wchar_t dir[kPathUnits];
    if (!productProgramDirectory(dir))
        return false;
    const QString folder = fromWide(dir);
    const QString ini = folder + QLatin1String(kIniName);
    if (QFileInfo(ini).isFile()) {
        wchar_t file[kPathUnits];
        toWide(ini, file, kPathUnits);
        for (int menu = 0; menu < kMenuCount; ++menu) {
            wchar_t key[kTextUnits];
            wchar_t url[kTextUnits];
            int state = 1;
            MenuNumberToString(menu, key);
            ReadVersion(key, url, &state, file);
            m_menu[menu].state = state;
            toUtf16(fromWide(url), m_menu[menu].url, kTextUnits);
        }
    }
    QSaveFile out(folder + QStringLiteral("Version.bin"));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QByteArray header(256, '\0');
    out.write(header);
    out.write(reinterpret_cast<const char*>(m_menu), sizeof m_menu);
    return out.commit();
}

bool API_VersionControl::productProgramDirectory(wchar_t* dir)
{
    const std::string menu = StartMenuProgramsPath();
    if (menu.empty())
        return false;
    const QString separator = QDir::separator();
    const QString product = fromUtf16(m_currentProduct, kTextUnits);
    const QString shortcut = native(menu) + separator + QLatin1String(kMakerFolder) + separator + product + separator
        + product + QString::fromStdString(ShortcutFileExtension());
    wchar_t link[kPathUnits];
    toWide(shortcut, link, kPathUnits);
    return GetLinkDirectroy(link, dir);
}

} // namespace LL
