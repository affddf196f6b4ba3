#include "LocalConfig.h"

#include "AppPaths.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QUrl>

#include <variant>

namespace {

using Field = std::variant<QString LocalConfig::*, quint64 LocalConfig::*, quint32 LocalConfig::*>;

struct ConfigKey
{
    const char* group;
    const char* key;
    Field field;
};

// "config.ini": one row per field, in record order. Text defaults to "None", numbers to 0.
const ConfigKey kConfigKeys[] = {
    { "history", "LastAllCleanDate", &LocalConfig::LastAllCleanDate },
    { "history", "LastJunkCleanDate", &LocalConfig::LastJunkCleanDate },
    { "history", "LastCacheCleanDate", &LocalConfig::LastCacheCleanDate },
    { "history", "LastImageCleanDate", &LocalConfig::LastImageCleanDate },
    { "history", "LastLargeFilesCleanDate", &LocalConfig::LastLargeFilesCleanDate },
    { "history", "LastAppCleanDate", &LocalConfig::LastAppCleanDate },
    { "history", "AllJunkSize", &LocalConfig::AllJunkSize },
    { "history", "AllCacheSize", &LocalConfig::AllCacheSize },
    { "history", "AllImageSize", &LocalConfig::AllImageSize },
    { "history", "AllLargeFilesSize", &LocalConfig::AllLargeFilesSize },
    { "history", "AllAppSize", &LocalConfig::AllAppSize },
    { "fragmentsEraseHistory", "LastEraseDateWhatsApp", &LocalConfig::LastEraseDateWhatsApp },
    { "fragmentsEraseHistory", "LastEraseDateWeChat", &LocalConfig::LastEraseDateWeChat },
    { "fragmentsEraseHistory", "LastEraseDateSnapchat", &LocalConfig::LastEraseDateSnapchat },
    { "fragmentsEraseHistory", "LastEraseDateKik", &LocalConfig::LastEraseDateKik },
    { "fragmentsEraseHistory", "LastEraseDateInstagram", &LocalConfig::LastEraseDateInstagram },
    { "fragmentsEraseHistory", "LastEraseDateFacebook", &LocalConfig::LastEraseDateFacebook },
    { "fragmentsEraseHistory", "LastEraseDateTwitter", &LocalConfig::LastEraseDateTwitter },
    { "fragmentsEraseHistory", "LastEraseDateYoutube", &LocalConfig::LastEraseDateYoutube },
    { "fragmentsEraseHistory", "LastEraseDateViber", &LocalConfig::LastEraseDateViber },
    { "fragmentsEraseHistory", "LastEraseDateSkype", &LocalConfig::LastEraseDateSkype },
    { "fragmentsEraseHistory", "LastEraseDateChrome", &LocalConfig::LastEraseDateChrome },
    { "fragmentsEraseHistory", "LastEraseDateLine", &LocalConfig::LastEraseDateLine },
    { "AppSpaceSize", "WhatsAppSpaceSize", &LocalConfig::WhatsAppSpaceSize },
    { "AppSpaceSize", "WeChatSpaceSize", &LocalConfig::WeChatSpaceSize },
    { "AppSpaceSize", "SnapchatSpaceSize", &LocalConfig::SnapchatSpaceSize },
    { "AppSpaceSize", "KikSpaceSize", &LocalConfig::KikSpaceSize },
    { "AppSpaceSize", "InstagramSpaceSize", &LocalConfig::InstagramSpaceSize },
    { "AppSpaceSize", "FacebookSpaceSize", &LocalConfig::FacebookSpaceSize },
    { "AppSpaceSize", "TwitterSpaceSize", &LocalConfig::TwitterSpaceSize },
    { "AppSpaceSize", "YoutubeSpaceSize", &LocalConfig::YoutubeSpaceSize },
    { "AppSpaceSize", "ViberSpaceSize", &LocalConfig::ViberSpaceSize },
    { "AppSpaceSize", "SkypeSpaceSize", &LocalConfig::SkypeSpaceSize },
    { "AppSpaceSize", "ChromeSpaceSize", &LocalConfig::ChromeSpaceSize },
    { "AppSpaceSize", "LineSpaceSize", &LocalConfig::LineSpaceSize },
};

const char* const kFragmentSizeKeys[] = {
    "WhatsAppSpaceSize", "WeChatSpaceSize",    "SnapchatSpaceSize", "KikSpaceSize",
    "SpotifySpaceSize",  "InstagramSpaceSize", "FacebookSpaceSize", "TwitterSpaceSize",
    "YoutubeSpaceSize",  "TelegramSpaceSize",  "ViberSpaceSize",    "SkypeSpaceSize",
    "ChromeSpaceSize",   "LineSpaceSize",      "FirefoxSpaceSize",  "LastDevUsedSpaceSize",
};

const char* const kCleanSizeKeys[] = { "LastDevUsedSpaceSize", "AllCleanSize", "LastAllCleanDate" };

// Group names come from callers (device keys may be paths). QSettings would take a "/" as
// a level of nesting, so such characters are percent-encoded in the file; plain names
// stay as they are.
QString encodeGroup(const QString& group)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(group, " ()[]{}:;,.@!~+=$&'*"));
}

QString decodeGroup(const QString& group)
{
    return QUrl::fromPercentEncoding(group.toLatin1());
}

template<size_t N> LocalConfig::GroupedValues readGroups(const QString& path, const char* const (&keys)[N])
{
    LocalConfig::GroupedValues groups;
    QSettings settings(path, QSettings::IniFormat);
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        LocalConfig::GroupValues& values = groups[decodeGroup(group)];
        for (const char* key : keys)
            values.insert(QString::fromLatin1(key), settings.value(QLatin1String(key)).toString());
        settings.endGroup();
    }
    return groups;
}

void writeGroups(const QString& path, const LocalConfig::GroupedValues& groups)
{
    QSettings settings(path, QSettings::IniFormat);
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        settings.beginGroup(encodeGroup(group.key()));
        for (auto value = group->cbegin(); value != group->cend(); ++value)
            settings.setValue(value.key(), value.value());
        settings.endGroup();
    }
}

QString keyPath(const ConfigKey& row)
{
    return QLatin1String(row.group) + QLatin1Char('/') + QLatin1String(row.key);
}

} // namespace

QString LocalConfig::ConfigPath()
{
    return applicationDirectory() + QStringLiteral("/config.ini");
}

QString LocalConfig::FragmentSizesPath()
{
    return applicationDirectory() + QStringLiteral("/clean.ini");
}

QString LocalConfig::CleanSizeConfigPath()
{
    return applicationDirectory() + QStringLiteral("/CleanSizeConfig.ini");
}

void LocalConfig::Read()
{
    const QSettings settings(ConfigPath(), QSettings::IniFormat);
    for (const ConfigKey& row : kConfigKeys) {
        const QVariant value = settings.value(keyPath(row));
        std::visit(
            [&](auto member) {
                using T = std::decay_t<decltype(this->*member)>;
                if constexpr (std::is_same_v<T, QString>) {
                    this->*member = value.isValid() ? value.toString() : QStringLiteral("None");
                } else {
                    // Text that is not a number reads as 0.
                    bool ok = false;
                    const qulonglong number = value.toString().trimmed().toULongLong(&ok);
                    this->*member = ok ? static_cast<T>(number) : T(0);
                }
            },
            row.field);
    }
}

void LocalConfig::Write() const
{
    QSettings settings(ConfigPath(), QSettings::IniFormat);
    for (const ConfigKey& row : kConfigKeys)
        std::visit([&](auto member) { settings.setValue(keyPath(row), this->*member); }, row.field);
}

LocalConfig::GroupedValues LocalConfig::ReadFragmentSizes()
{
    return readGroups(FragmentSizesPath(), kFragmentSizeKeys);
}

void LocalConfig::WriteFragmentSizes(const GroupedValues& groups)
{
    writeGroups(FragmentSizesPath(), groups);
}

LocalConfig::GroupedValues LocalConfig::ReadCleanSizeConfig()
{
    return readGroups(CleanSizeConfigPath(), kCleanSizeKeys);
}

void LocalConfig::WriteCleanSizeConfig(const GroupedValues& groups)
{
    writeGroups(CleanSizeConfigPath(), groups);
}

void LocalConfig::EnsureFilesExist()
{
    for (const QString& path : { ConfigPath(), FragmentSizesPath(), CleanSizeConfigPath() }) {
        QFile file(path);
        file.open(QIODevice::Append);
    }
}
