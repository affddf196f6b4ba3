#pragma once

#include <QString>

/// The languages the program ships, by locale code and English name.
class LanguageTable
{
public:
    struct Row
    {
        const char* localeCode;
        const char* englishName;
    };

    static int count();
    static Row row(int index);
    /// English name of a whole locale code ("de_DE" -> "German"); empty when unknown.
    static QString nameForLocale(const QString& localeCode);
};
