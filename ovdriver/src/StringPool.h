#pragma once

#include <QString>

#include <deque>
#include <string>

/// Owns the texts that library items point to; addresses stay valid until clear().
class StringPool
{
public:
    /// UTF-8, as the program converts library texts with the standard-string conversion.
    const char* add(const QString& text);
    const wchar_t* addWide(const QString& text);
    void clear();

private:
    std::deque<std::string> m_narrow;
    std::deque<std::wstring> m_wide;
};
