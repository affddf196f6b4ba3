#include "ContactNameIndex.h"

#include <QMutex>

#include <algorithm>

namespace {
std::u16string_view View(const QString& text)
{
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

bool IsSeparator(char16_t c)
{
    return c == 0x00A0 || c == u' ' || c == u'-';
}
} // namespace

ContactNameIndex::ContactNameIndex(const QVector<ContactInfo>& contacts)
    : m_contacts(contacts)
{
    for (int c = 0; c < m_contacts.size(); ++c) {
        for (const QString& phone : m_contacts.at(c).m_obLPhones) {
            if (phone.isEmpty())
                continue;
            m_numbers.emplace_back(View(phone));
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

    // Views into m_numbers, which no longer changes.
    m_firstOfText.reserve(m_numbers.size());
    for (int n = 0; n < static_cast<int>(m_numbers.size()); ++n) {
        const std::u16string_view number(m_numbers[static_cast<std::size_t>(n)]);
        m_firstOfText.emplace(number, n); // keeps the earliest of equal numbers
        if (std::find(m_lengths.begin(), m_lengths.end(), number.size()) == m_lengths.end())
            m_lengths.push_back(number.size());
        m_longest = std::max(m_longest, number.size());
    }
}

namespace {
QMutex sharedMutex;
std::shared_ptr<const ContactNameIndex> sharedIndex;
} // namespace

std::shared_ptr<const ContactNameIndex> ContactNameIndex::Shared(const QVector<ContactInfo>& contacts)
{
    QMutexLocker lock(&sharedMutex);
    std::shared_ptr<const ContactNameIndex>& last = sharedIndex;
    // The index holds the list it was built from: the same data means the list is unchanged,
    // since a change to either would have detached it.
    if (!last || last->m_contacts.constData() != contacts.constData() || last->m_contacts.size() != contacts.size())
        last = std::make_shared<const ContactNameIndex>(contacts);
    return last;
}

void ContactNameIndex::ForgetShared()
{
    std::shared_ptr<const ContactNameIndex> forgotten;
    QMutexLocker lock(&sharedMutex);
    forgotten.swap(sharedIndex); // freed after the lock is let go
}

int ContactNameIndex::FirstContaining(std::u16string_view key) const
{
    // Only a stored number at least as long as the key can contain it.
    if (key.size() > m_longest)
        return -1;
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

int ContactNameIndex::FirstContained(std::u16string_view cleaned) const
{
    int best = -1;
    for (const std::size_t length : m_lengths) {
        for (std::size_t start = 0; start + length <= cleaned.size(); ++start) {
            const auto found = m_firstOfText.find(cleaned.substr(start, length));
            if (found != m_firstOfText.end() && (best < 0 || found->second < best))
                best = found->second;
        }
    }
    return best;
}

int ContactNameIndex::FirstMatch(std::u16string_view cleaned) const
{
    const int containing = FirstContaining(cleaned);
    const int contained = FirstContained(cleaned);
    if (containing < 0)
        return contained;
    if (contained < 0)
        return containing;
    return std::min(containing, contained);
}

int ContactNameIndex::ContactOf(QStringView number) const
{
    // Cleaned on the stack: phone numbers are short, and a lookup should not allocate.
    char16_t buffer[64];
    std::u16string longer;
    char16_t* cleaned = buffer;
    if (number.size() > static_cast<qsizetype>(sizeof buffer / sizeof *buffer)) {
        longer.resize(static_cast<std::size_t>(number.size()));
        cleaned = &longer[0];
    }
    std::size_t length = 0;
    for (const QChar c : number) {
        if (!IsSeparator(c.unicode()))
            cleaned[length++] = c.unicode();
    }
    const int match = FirstMatch(std::u16string_view(cleaned, length));
    if (match < 0)
        return -1;
    const int contact = m_contactOfNumber[static_cast<std::size_t>(match)];
    return m_contacts.at(contact).m_strName.isEmpty() ? -1 : contact;
}

const QString* ContactNameIndex::Find(QStringView number) const
{
    const int contact = ContactOf(number);
    return contact < 0 ? nullptr : &m_contacts.at(contact).m_strName;
}

QString ContactNameIndex::Lookup(const QString& number) const
{
    const QString* name = Find(number);
    return name ? *name : QString();
}

QString ContactNameIndex::LookupParticipants(const QString& numbers) const
{
    const int comma = numbers.indexOf(QLatin1Char(','));
    if (comma < 0) {
        const QString* name = Find(numbers);
        return name ? *name : numbers;
    }
    QString names;
    names.reserve(numbers.size() + 16);
    int from = 0;
    for (int end = comma;; end = numbers.indexOf(QLatin1Char(','), from)) {
        const QStringView part = end < 0 ? QStringView(numbers).mid(from) : QStringView(numbers).mid(from, end - from);
        if (const QString* name = Find(part))
            names += *name;
        else
            names.append(part);
        if (end < 0)
            break;
        names += QLatin1Char(',');
        from = end + 1;
    }
    return names;
}
