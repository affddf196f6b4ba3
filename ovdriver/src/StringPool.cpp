#include "StringPool.h"

const char* StringPool::add(const QString& text)
{
    m_narrow.push_back(text.toStdString());
    return m_narrow.back().c_str();
}

const wchar_t* StringPool::addWide(const QString& text)
{
    m_wide.push_back(text.toStdWString());
    return m_wide.back().c_str();
}

void StringPool::clear()
{
    m_narrow.clear();
    m_wide.clear();
}
