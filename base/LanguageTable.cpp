#include "LanguageTable.h"

#include <iterator>

namespace {

const LanguageTable::Row kRows[] = {
    { "en_GB", "English" },    { "zh_CN", "Chinese" }, { "es_ES", "Spanish" },
    { "it_IT", "Italian" },    { "fr_FR", "French" },  { "ja_JP", "Japanese" },
    { "pt_PT", "Portuguese" }, { "nl_NL", "Dutch" },   { "de_DE", "German" },
};

} // namespace

int LanguageTable::count()
{
    return int(std::size(kRows));
}

LanguageTable::Row LanguageTable::row(int index)
{
    return index >= 0 && index < count() ? kRows[index] : Row { "", "" };
}

QString LanguageTable::nameForLocale(const QString& localeCode)
{
    for (const Row& row : kRows) {
        if (localeCode == QLatin1String(row.localeCode))
            return QString::fromLatin1(row.englishName);
    }
    return {};
}
