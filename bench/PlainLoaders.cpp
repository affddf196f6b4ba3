#include "PlainLoaders.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace plain {
namespace {

std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

std::string Clean(const std::string& number)
{
    std::string cleaned;
    cleaned.reserve(number.size());
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (number[i] == ' ' || number[i] == '-')
            continue;
        if (number[i] == '\xC2' && i + 1 < number.size() && number[i + 1] == '\xA0') {
            ++i; // U+00A0
            continue;
        }
        cleaned += number[i];
    }
    return cleaned;
}

void Digits(char*& out, long value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        out[i] = static_cast<char>('0' + value % 10);
    out += digits;
}

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

/// Local time of `seconds` read from 1970, 31 years on: "MM/dd/yyyy HH:mm:ss" or "yyyy-MM-dd".
std::string TimeText(std::int64_t seconds, bool dateOnly)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm {};
    localtime_r(&t, &tm);
    const int year = tm.tm_year + 1900 + 31;
    if (tm.tm_mon == 1 && tm.tm_mday == 29 && !IsLeap(year))
        tm.tm_mday = 28;
    char buffer[32];
    char* out = buffer;
    if (dateOnly) {
        Digits(out, year, 4);
        *out++ = '-';
        Digits(out, tm.tm_mon + 1, 2);
        *out++ = '-';
        Digits(out, tm.tm_mday, 2);
    } else {
        Digits(out, tm.tm_mon + 1, 2);
        *out++ = '/';
        Digits(out, tm.tm_mday, 2);
        *out++ = '/';
        Digits(out, year, 4);
        *out++ = ' ';
        Digits(out, tm.tm_hour, 2);
        *out++ = ':';
        Digits(out, tm.tm_min, 2);
        *out++ = ':';
        Digits(out, tm.tm_sec, 2);
    }
    return std::string(buffer, out);
}

std::string Duration(int seconds)
{
    std::string text;
    for (const int part : { seconds / 3600, seconds % 3600 / 60, seconds % 60 }) {
        if (!text.empty())
            text += ':';
        const std::string digits = std::to_string(part);
        if (digits.size() < 2)
            text += '0';
        text += digits;
    }
    return text;
}

std::int64_t Handle(const void* item)
{
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(item));
}

} // namespace

NameIndex::NameIndex(const std::vector<OvContactItem>& contacts)
{
    for (const OvContactItem& contact : contacts) {
        std::string name = Text(contact.firstName);
        const std::string last = Text(contact.lastName);
        if (!last.empty())
            name += ' ' + last;
        m_names.push_back(std::move(name));
        for (int p = 0; contact.phones && p < contact.phoneCount; ++p) {
            std::string number = Text(contact.phones[p].number);
            if (number.empty())
                continue;
            const int n = static_cast<int>(m_numbers.size());
            m_exact.emplace(number, n);
            if (std::find(m_lengths.begin(), m_lengths.end(), number.size()) == m_lengths.end())
                m_lengths.push_back(number.size());
            m_longest = std::max(m_longest, number.size());
            m_contactOfNumber.push_back(static_cast<int>(m_names.size()) - 1);
            m_numbers.push_back(std::move(number));
        }
    }
    // Pieces are only needed for numbers no longer than a stored one.
    for (int n = 0; n < static_cast<int>(m_numbers.size()); ++n) {
        const std::string& number = m_numbers[static_cast<std::size_t>(n)];
        for (std::size_t from = 0; from < number.size(); ++from)
            for (std::size_t length = 1; from + length <= number.size(); ++length)
                m_inside.emplace(number.substr(from, length), n);
    }
}

int NameIndex::FirstMatch(const std::string& cleaned) const
{
    if (m_numbers.empty())
        return -1;
    if (cleaned.empty())
        return 0;
    int best = -1;
    const auto keep = [&best](int n) {
        if (best < 0 || n < best)
            best = n;
    };
    if (cleaned.size() <= m_longest) {
        const auto found = m_inside.find(cleaned);
        if (found != m_inside.end())
            keep(found->second);
    }
    for (const std::size_t length : m_lengths) {
        if (length >= cleaned.size())
            continue;
        for (std::size_t from = 0; from + length <= cleaned.size(); ++from) {
            const auto found = m_exact.find(cleaned.substr(from, length));
            if (found != m_exact.end())
                keep(found->second);
        }
    }
    return best;
}

const std::string* NameIndex::Lookup(const std::string& number) const
{
    const int match = FirstMatch(Clean(number));
    return match < 0 ? nullptr : &m_names[static_cast<std::size_t>(m_contactOfNumber[static_cast<std::size_t>(match)])];
}

std::vector<Conversation> LoadMessages(const std::vector<OvConversation>& items, const NameIndex& names)
{
    std::vector<Conversation> conversations;
    conversations.reserve(items.size());
    for (const OvConversation& item : items) {
        Conversation conversation;
        conversation.handle = Handle(&item);
        conversation.numbers = Text(item.participants);
        std::size_t from = 0;
        for (;;) {
            const std::size_t comma = conversation.numbers.find(',', from);
            const std::string part = conversation.numbers.substr(from, comma - from);
            const std::string* name = names.Lookup(part);
            conversation.names += name && !name->empty() ? *name : part;
            if (comma == std::string::npos)
                break;
            conversation.names += ',';
            from = comma + 1;
        }
        conversation.deleted = item.deleted ? 1 : 0;
        conversation.messages.reserve(static_cast<std::size_t>(std::max(item.messageCount, 0)));
        for (int m = 0; item.messages && m < item.messageCount; ++m) {
            const OvMessage& source = item.messages[m];
            Message message;
            message.text = Text(source.text);
            if (message.text.find("\xEF\xBF\xBC") != std::string::npos)
                message.text.clear();
            message.isFromMe = source.isFromMe;
            message.time = TimeText(source.time, false);
            message.isRead = source.isRead;
            message.deleted = source.deleted ? 1 : 0;
            for (int a = 0; source.attachments && a < source.attachmentCount; ++a)
                message.attachments.emplace_back(Text(source.attachments[a].fileName),
                                                 Text(source.attachments[a].path));
            conversation.lastTime = message.time;
            conversation.messages.push_back(std::move(message));
        }
        conversations.push_back(std::move(conversation));
    }
    return conversations;
}

std::vector<Call> LoadCalls(const std::vector<OvCallLogItem>& items, const NameIndex& names)
{
    std::vector<Call> calls;
    calls.reserve(items.size());
    for (const OvCallLogItem& item : items) {
        Call call;
        call.handle = Handle(&item);
        call.number = Text(item.number);
        if (const std::string* name = names.Lookup(call.number))
            call.name = *name;
        call.time = TimeText(item.time, false);
        call.rawTime = item.time;
        call.duration = Duration(item.duration);
        call.callKind = item.callKind;
        call.deleted = item.deleted ? 1 : 0;
        calls.push_back(std::move(call));
    }
    return calls;
}

std::vector<Photo> LoadPhotos(const std::vector<OvPhotoVideoItem>& items)
{
    std::vector<Photo> photos;
    photos.reserve(items.size());
    for (const OvPhotoVideoItem& item : items) {
        if (!item.fileName || !*item.fileName)
            continue;
        Photo photo;
        photo.handle = Handle(&item);
        photo.fileName = item.fileName;
        photo.path = Text(item.path);
        photo.size = item.size;
        photo.deleted = item.deleted ? 1 : 0;
        photo.time = item.time;
        photo.sortKey = static_cast<std::int32_t>(item.time);
        photo.date = TimeText(item.time, true);
        photo.mediaKind = item.mediaKind;
        photos.push_back(std::move(photo));
    }
    // Newest first; of equal keys the later loaded first.
    std::reverse(photos.begin(), photos.end());
    std::stable_sort(photos.begin(), photos.end(),
                     [](const Photo& a, const Photo& b) { return a.sortKey > b.sortKey; });
    return photos;
}

} // namespace plain
