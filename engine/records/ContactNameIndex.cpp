#include "ContactNameIndex.h"

#include "LookupContactName.h"

#include <algorithm>
#include <string_view>

namespace {
std::u16string ToU16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}
} // namespace

ContactNameIndex::ContactNameIndex(const QVector<ContactInfo>& contacts)
{
    for (int c = 0; c < contacts.size(); ++c) {
        m_names.append(contacts.at(c).m_strName);
        for (const QString& phone : contacts.at(c).m_obLPhones) {
            if (phone.isEmpty())
                continue;
            m_numbers.push_back(ToU16(phone));
            m_contactOfNumber.push_back(c);
        }
    }

    const auto suffix = [this](const std::pair<int, int>& s) {
        return std::u16string_view(m_numbers[static_cast<std::size_t>(s.first)])
            .substr(static_cast<std::size_t>(s.second));
    };
    for (int n = 0; n < static_cast<int>(m_numbers.size()); ++n) {
        for (int start = 0; start < static_cast<int>(m_numbers[static_cast<std::size_t>(n)].size()); ++start)
            m_suffixes.emplace_back(n, start);
    }
    std::sort(m_suffixes.begin(), m_suffixes.end(),
              [&](const auto& a, const auto& b) { return suffix(a) < suffix(b); });

    // m_firstInRange[k][i]: the smallest number among suffixes i .. i + 2^k - 1.
    const std::size_t count = m_suffixes.size();
    m_firstInRange.emplace_back(count);
    for (std::size_t i = 0; i < count; ++i)
        m_firstInRange[0][i] = m_suffixes[i].first;
    for (std::size_t k = 1; (std::size_t(1) << k) <= count; ++k) {
        const std::vector<int>& previous = m_firstInRange[k - 1];
        const std::size_t half = std::size_t(1) << (k - 1);
        std::vector<int> level(count - (std::size_t(1) << k) + 1);
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i] = std::min(previous[i], previous[i + half]);
        m_firstInRange.push_back(std::move(level));
    }

    m_trie.emplace_back();
    for (int n = 0; n < static_cast<int>(m_numbers.size()); ++n) {
        int node = 0;
        for (const char16_t c : m_numbers[static_cast<std::size_t>(n)]) {
            auto& children = m_trie[static_cast<std::size_t>(node)].children;
            auto found = std::find_if(children.begin(), children.end(), [c](const auto& e) { return e.first == c; });
            if (found != children.end()) {
                node = found->second;
            } else {
                const int created = static_cast<int>(m_trie.size());
                children.emplace_back(c, created);
                m_trie.emplace_back();
                node = created;
            }
        }
        int& first = m_trie[static_cast<std::size_t>(node)].firstNumber;
        if (first < 0)
            first = n;
    }
}

int ContactNameIndex::FirstContaining(const std::u16string& cleaned) const
{
    const std::u16string_view key(cleaned);
    const auto prefixOf = [&](const std::pair<int, int>& s) {
        return std::u16string_view(m_numbers[static_cast<std::size_t>(s.first)])
            .substr(static_cast<std::size_t>(s.second), key.size());
    };
    const auto low = std::lower_bound(m_suffixes.begin(), m_suffixes.end(), key,
                                      [&](const auto& s, std::u16string_view k) { return prefixOf(s) < k; });
    const auto high = std::upper_bound(low, m_suffixes.end(), key,
                                       [&](std::u16string_view k, const auto& s) { return k < prefixOf(s); });
    if (low == high)
        return -1;
    const std::size_t from = static_cast<std::size_t>(low - m_suffixes.begin());
    const std::size_t length = static_cast<std::size_t>(high - low);
    std::size_t k = 0;
    while ((std::size_t(2) << k) <= length)
        ++k;
    return std::min(m_firstInRange[k][from], m_firstInRange[k][from + length - (std::size_t(1) << k)]);
}

int ContactNameIndex::FirstContained(const std::u16string& cleaned) const
{
    int best = -1;
    for (std::size_t start = 0; start < cleaned.size(); ++start) {
        int node = 0;
        for (std::size_t i = start; i < cleaned.size(); ++i) {
            const auto& children = m_trie[static_cast<std::size_t>(node)].children;
            auto found = std::find_if(children.begin(), children.end(),
                                      [c = cleaned[i]](const auto& e) { return e.first == c; });
            if (found == children.end())
                break;
            node = found->second;
            const int number = m_trie[static_cast<std::size_t>(node)].firstNumber;
            if (number >= 0 && (best < 0 || number < best))
                best = number;
        }
    }
    return best;
}

int ContactNameIndex::FirstMatch(const std::u16string& cleaned) const
{
    const int containing = FirstContaining(cleaned);
    const int contained = FirstContained(cleaned);
    if (containing < 0)
        return contained;
    if (contained < 0)
        return containing;
    return std::min(containing, contained);
}

QString ContactNameIndex::Lookup(const QString& number) const
{
    const int match = FirstMatch(ToU16(CleanPhoneNumber(number)));
    return match < 0 ? QString() : m_names.at(m_contactOfNumber[static_cast<std::size_t>(match)]);
}

QString ContactNameIndex::LookupParticipants(const QString& numbers) const
{
    QStringList parts = numbers.split(QLatin1Char(','));
    for (QString& part : parts) {
        const QString name = Lookup(part);
        if (!name.isEmpty())
            part = name;
    }
    return parts.join(QLatin1Char(','));
}
