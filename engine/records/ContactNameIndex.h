#pragma once

#include "ContactInfo.h"

#include <QString>
#include <QStringView>
#include <QVector>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

/// Looks many numbers up against one contact list with exactly the results of
/// LookupContactName, without walking every contact for every number.
///
/// A stored number matches when one of the two texts contains the other, and the first
/// match in list order wins. So the index answers two questions and keeps the earlier
/// answer: which stored numbers contain the cleaned number (a sorted array of the stored
/// numbers' suffixes: they are the suffixes starting with it, one range, whose earliest
/// number a sparse table gives), and which stored numbers occur inside it (each piece of the
/// cleaned number as long as some stored number, looked up in a hash of the stored numbers).
class ContactNameIndex
{
public:
    explicit ContactNameIndex(const QVector<ContactInfo>& contacts);

    /// The index of `contacts`, built once and shared by every loader until the list
    /// changes. Thread-safe.
    static std::shared_ptr<const ContactNameIndex> Shared(const QVector<ContactInfo>& contacts);
    /// Lets go of the shared index, and with it of the contact list it holds.
    static void ForgetShared();

    QString Lookup(const QString& number) const;
    /// The position in the contact list of the contact that names `number`, or -1 when none
    /// does (or the contact has no name). Copies no text.
    int ContactOf(QStringView number) const;
    /// Participants separated by ","; each is replaced by its contact name when it has one.
    /// A single participant comes back as its name or as `numbers` itself, no text copied.
    QString LookupParticipants(const QString& numbers) const;

private:
    /// The contact name of `number`, or null when none matches (or the contact has no name).
    const QString* Find(QStringView number) const;
    /// The position in list order of the first stored number matching `cleaned`, or -1.
    int FirstMatch(std::u16string_view cleaned) const;
    int FirstContaining(std::u16string_view cleaned) const;
    int FirstContained(std::u16string_view cleaned) const;

    // Held so that any later change to the store's list detaches from it: Shared() then sees
    // another list and builds anew.
    QVector<ContactInfo> m_contacts;
    std::vector<std::u16string> m_numbers;                      // non-empty stored numbers in list order
    std::vector<int> m_contactOfNumber;                         // index into m_contacts
    std::vector<std::pair<int, int>> m_suffixes;                // (number, start), sorted by suffix text
    std::vector<std::vector<int>> m_firstInRange;               // sparse table over m_suffixes' numbers
    std::unordered_map<std::u16string_view, int> m_firstOfText; // a stored number's text -> earliest
    std::vector<std::size_t> m_lengths;                         // the lengths stored numbers have, each once
    std::size_t m_longest = 0;
};
