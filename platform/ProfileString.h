#pragma once

#include <string>

// INI profile strings, text in UTF-8 on every platform.
//
// Windows goes through GetPrivateProfileStringW/WritePrivateProfileStringW. POSIX has an
// equivalent reader and writer: section and key names compare case-insensitively, values are
// trimmed and lose one pair of enclosing quotes, a missing file or entry gives the default.

/// The value of `key` in `section` of `file`, or `defaultValue` when there is none.
std::string ReadIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          const std::string& file);

/// Sets `key` in `section` of `file`, creating the file and the section when missing; the
/// other lines of the file are kept. False when the file cannot be written.
bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file);

/// Creates `file` empty (replacing one that exists), ready to hold text beyond the local code
/// page: on Windows it starts with a UTF-16 byte order mark so that the profile functions
/// write Unicode into it. False when it cannot be created.
bool CreateIniFile(const std::string& file);
