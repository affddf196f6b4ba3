#include "CodePage.h"

#include <climits>
#include <clocale>
#include <cwchar>
#include <locale.h>

std::string WideToSystemCodePage(const std::wstring& text)
{
    // The user's locale, not whatever the process happens to have set: that is what
    // "the system code page" means here.
    locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    locale_t previous = user ? uselocale(user) : static_cast<locale_t>(0);

    std::string out;
    std::mbstate_t state {};
    char bytes[MB_LEN_MAX];
    for (const wchar_t c : text) {
        const std::size_t n = std::wcrtomb(bytes, c, &state);
        if (n == static_cast<std::size_t>(-1)) {
            out += '?';
            state = std::mbstate_t {};
        } else {
            out.append(bytes, n);
        }
    }

    if (user) {
        uselocale(previous);
        freelocale(user);
    }
    return out;
}
