#pragma once

#include <string>

/// `text` in the system's 8-bit code page (Windows: the ANSI code page; POSIX: the character
/// set of the user's locale). Characters the code page lacks become '?'.
std::string WideToSystemCodePage(const std::wstring& text);
