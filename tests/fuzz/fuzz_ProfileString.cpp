// The profile-string reader takes INI files that users, installers and older versions wrote.
// Whatever a file holds, reading never fails, and a value just written reads back as written
// while the rest of the file is kept.
#include "FuzzCheck.h"
#include "ProfileString.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace {

// A name or value made of the input's bytes, kept to what the format can carry unchanged.
std::string token(const std::uint8_t* data, std::size_t size, std::size_t from, std::size_t length)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_.-/:";
    std::string out;
    for (std::size_t i = 0; i < length; ++i)
        out += size ? alphabet[data[(from + i) % size] % (sizeof alphabet - 1)] : 'k';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = "fuzz-profile.ini";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Names the program uses, and names taken from the input.
    const std::string sections[] = { "VERSION", "STATE", "Mail", token(data, size, 0, 1 + size % 5) };
    const std::string keys[] = { "VELMORA_MENU_HOMEPAGE", "Port", token(data, size, 3, 1 + size % 7) };
    for (const std::string& section : sections) {
        for (const std::string& key : keys)
            ReadIniString(section, key, "default", file);
    }

    const std::string section = sections[size % 4];
    const std::string key = keys[size % 3];
    const std::string other = key + "Other";
    const std::string kept = ReadIniString(section, other, "<none>", file);
    const std::string value = token(data, size, 7, size % 40);
    if (WriteIniString(section, key, value, file)) {
        check(ReadIniString(section, key, "<none>", file) == value, "a written value does not read back");
        check(ReadIniString(section, other, "<none>", file) == kept, "writing one key changed another");
    }
    return 0;
}
