#include "ProfileString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool readLines(const std::string& file, std::vector<std::string>& lines)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    std::string line;
    std::istringstream stream(text);
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

// "[name]" gives true and the name; anything else false.
bool sectionHeader(const std::string& line, std::string& name)
{
    const std::string text = trimmed(line);
    if (text.size() < 2 || text.front() != '[')
        return false;
    const auto close = text.find(']');
    if (close == std::string::npos)
        return false;
    name = trimmed(text.substr(1, close - 1));
    return true;
}

// "key=value" gives true with both parts trimmed; comments and other lines give false.
bool keyLine(const std::string& line, std::string& key, std::string& value)
{
    const std::string text = trimmed(line);
    if (text.empty() || text.front() == ';')
        return false;
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return false;
    key = trimmed(text.substr(0, equals));
    value = trimmed(text.substr(equals + 1));
    return true;
}

} // namespace

std::string ReadIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          const std::string& file)
{
    std::vector<std::string> lines;
    if (!readLines(file, lines))
        return defaultValue;
    bool inSection = false;
    for (const std::string& line : lines) {
        std::string name;
        if (sectionHeader(line, name)) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = sameName(name, section);
            continue;
        }
        std::string lineKey, value;
        if (inSection && keyLine(line, lineKey, value) && sameName(lineKey, key)) {
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return value;
        }
    }
    return defaultValue;
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file)
{
    if (section.empty() || key.empty())
        return false;
    std::string cleanValue = value;
    // A line break in a value would start a new line of the file and corrupt it.
    std::replace(cleanValue.begin(), cleanValue.end(), '\r', ' ');
    std::replace(cleanValue.begin(), cleanValue.end(), '\n', ' ');
    const std::string entry = key + "=" + cleanValue;

    std::vector<std::string> lines;
    readLines(file, lines); // a missing file is created

    std::size_t sectionAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (sectionHeader(lines[i], name) && sameName(name, section)) {
            sectionAt = i;
            break;
        }
    }
    if (sectionAt == lines.size()) {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    } else {
        std::size_t lastEntry = sectionAt;
        bool replaced = false;
        for (std::size_t i = sectionAt + 1; i < lines.size(); ++i) {
            std::string name, lineKey, lineValue;
            if (sectionHeader(lines[i], name))
                break;
            if (keyLine(lines[i], lineKey, lineValue)) {
                if (sameName(lineKey, key)) {
                    lines[i] = entry;
                    replaced = true;
                    break;
                }
            }
            if (!trimmed(lines[i]).empty())
                lastEntry = i;
        }
        if (!replaced)
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastEntry + 1), entry);
    }

    // Write beside the file and rename over it, so that a failed write never leaves a
    // truncated file behind.
    const std::string temp = file + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        for (const std::string& line : lines)
            out << line << "\r\n";
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool CreateIniFile(const std::string& file)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}
