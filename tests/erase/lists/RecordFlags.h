#pragma once

#include <QVector>

#include <algorithm>
#include <functional>

/// The selected flags of a record list, of the records `keep` accepts.
template<class T> QVector<quint8> FlagsOf(const QVector<T>& list, std::function<bool(const T&)> keep = {})
{
    QVector<quint8> flags;
    for (const T& record : list) {
        if (!keep || keep(record))
            flags.append(record.m_bSelected);
    }
    return flags;
}

inline int Cleared(const QVector<quint8>& flags)
{
    return int(std::count(flags.cbegin(), flags.cend(), quint8(0)));
}
