#pragma once

#include "ContactInfo.h"

#include <QString>
#include <QVector>

#include <string>
#include <utility>
#include <vector>

/// Looks many numbers up against one contact list with exactly the results of
/// LookupContactName, without walking every contact for every number.
///
/// A stored number matches when one of the two texts contains the other, and the first
/// match in list order wins. So the index answers two questions and keeps the earlier
/// answer: which stored numbers contain the cleaned number (a sorted array of the stored
/// numbers' suffixes: they are the suffixes starting with it, one range, whose earliest
/// number a sparse table gives), and which stored numbers occur inside it (a trie of the
/// stored numbers walked from every position of the cleaned number).
class ContactNameIndex
{
public:
    explicit ContactNameIndex(const QVector<ContactInfo>& contacts);

    QString Lookup(const QString& number) const;
    /// Participants separated by ","; each is replaced by its contact name when it has one.
    QString LookupParticipants(const QString& numbers) const;

private:
    /// The position in list order of the first stored number matching `cleaned`, or -1.
    int FirstMatch(const std::u16string& cleaned) const;
    int FirstContaining(const std::u16string& cleaned) const;
    int FirstContained(const std::u16string& cleaned) const;

    struct TrieNode
    {
        std::vector<std::pair<char16_t, int>> children;
        int firstNumber = -1; // the earliest stored number ending here
    };

    std::vector<std::u16string> m_numbers; // non-empty stored numbers in list order
    std::vector<int> m_contactOfNumber;    // index into m_names
    QVector<QString> m_names;
    std::vector<std::pair<int, int>> m_suffixes;  // (number, start), sorted by suffix text
    std::vector<std::vector<int>> m_firstInRange; // sparse table over m_suffixes' numbers
    std::vector<TrieNode> m_trie;
};
