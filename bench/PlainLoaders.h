#pragma once

// The loaders' work written as a plain C++17 program would do it, without Qt: UTF-8 strings,
// a hash join of numbers to contact names, the C library's local time. It gives the same
// records as the loaders, field for field, so that the benchmark can hold one against the
// other as a bound of what the work costs.
#include "ovdriver.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace plain {

struct Message
{
    std::string text;
    int isFromMe = 0;
    std::string time;
    int isRead = 0;
    std::uint8_t deleted = 0;
    std::vector<std::pair<std::string, std::string>> attachments;
};

struct Conversation
{
    std::int64_t handle = 0;
    std::string numbers;
    std::string names;
    std::vector<Message> messages;
    std::string lastTime;
    std::uint8_t deleted = 0;
    std::uint8_t selected = 1;
};

struct Call
{
    std::int64_t handle = 0;
    std::string number;
    std::string name;
    std::string time;
    std::int64_t rawTime = 0;
    std::string duration;
    int callKind = 0;
    std::uint8_t deleted = 0;
    std::uint8_t selected = 1;
};

struct Photo
{
    std::int64_t handle = 0;
    std::string fileName;
    std::string path;
    std::uint64_t size = 0;
    std::uint8_t deleted = 0;
    std::uint8_t selected = 1;
    std::int64_t time = 0;
    std::int32_t sortKey = 0;
    std::string date;
    int mediaKind = 0;
};

/// Contact names by number: a number matches a stored one when, without spaces, non-breaking
/// spaces and dashes, one contains the other; the earliest stored number wins.
class NameIndex
{
public:
    explicit NameIndex(const std::vector<OvContactItem>& contacts);
    /// The name, or null when no stored number matches.
    const std::string* Lookup(const std::string& number) const;

private:
    int FirstMatch(const std::string& cleaned) const;

    std::vector<std::string> m_names;
    std::vector<int> m_contactOfNumber;
    std::vector<std::string> m_numbers;
    std::unordered_map<std::string, int> m_exact;  // stored number -> earliest
    std::vector<std::size_t> m_lengths;            // distinct lengths of stored numbers
    std::unordered_map<std::string, int> m_inside; // every piece of a stored number -> earliest
    std::size_t m_longest = 0;
};

std::vector<Conversation> LoadMessages(const std::vector<OvConversation>& items, const NameIndex& names);
std::vector<Call> LoadCalls(const std::vector<OvCallLogItem>& items, const NameIndex& names);
std::vector<Photo> LoadPhotos(const std::vector<OvPhotoVideoItem>& items);

} // namespace plain
