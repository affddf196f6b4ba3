// The version-control interface reads two kinds of outside data: the trailer an installer
// carries (the menu table and its closing record) and "Version.ini". Both are read here from
// whatever bytes the fuzzer gives; every text handed back must be terminated inside its
// buffer.
#include "API_VersionControl.h"
#include "FuzzCheck.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cwchar>
#include <string>

using LL::API_VersionControl;

namespace {

bool terminated(const wchar_t* text, int units)
{
    for (int i = 0; i < units; ++i) {
        if (text[i] == L'\0')
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::wstring path = QDir::current().absoluteFilePath("fuzz-trailer.bin").toStdWString();
    {
        QFile file(QString::fromStdWString(path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    API_VersionControl api;
    const bool found = api.ReadInstallFile(path.c_str());
    for (int menu = 0; menu < API_VersionControl::kMenuCount; ++menu) {
        wchar_t url[API_VersionControl::kTextUnits];
        wmemset(url, L'x', API_VersionControl::kTextUnits);
        int state = -7;
        check(api.GetMenuStateAndURLEx(menu, &state, url), "a menu of the table cannot be read");
        check(terminated(url, API_VersionControl::kTextUnits), "a menu address runs past its buffer");
        if (!found)
            check(state == 1 && url[0] == L'\0', "a file without a trailer changed the table");

        // The same bytes as "Version.ini".
        wchar_t key[API_VersionControl::kTextUnits];
        check(api.MenuNumberToString(menu, key), "a menu has no key");
        wmemset(url, L'x', API_VersionControl::kTextUnits);
        check(api.ReadVersion(key, url, &state, path.c_str()), "an entry cannot be read");
        check(terminated(url, API_VersionControl::kTextUnits), "an INI address runs past its buffer");
    }
    return 0;
}
