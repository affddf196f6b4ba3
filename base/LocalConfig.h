#pragma once

#include <QMap>
#include <QString>

/// The small persistent state of the program, in three INI files of the application
/// directory:
///  - "config.ini": the clean history and the fragment erase history, one record (the
///    fields of this class), read and written whole;
///  - "clean.ini": per-app space figures of the fragments feature, one group per entry;
///  - "CleanSizeConfig.ini": the one-key clean history, one group per device key.
/// Every group, key and default is in one table in LocalConfig.cpp.
class LocalConfig
{
public:
    using GroupValues = QMap<QString, QString>;       ///< key -> text
    using GroupedValues = QMap<QString, GroupValues>; ///< group -> its keys

    // "history"
    QString LastAllCleanDate;
    QString LastJunkCleanDate;
    QString LastCacheCleanDate;
    QString LastImageCleanDate;
    QString LastLargeFilesCleanDate;
    QString LastAppCleanDate;
    quint64 AllJunkSize = 0;
    quint64 AllCacheSize = 0;
    quint64 AllImageSize = 0;
    quint64 AllLargeFilesSize = 0;
    quint64 AllAppSize = 0;
    // "fragmentsEraseHistory"
    QString LastEraseDateWhatsApp;
    QString LastEraseDateWeChat;
    QString LastEraseDateSnapchat;
    QString LastEraseDateKik;
    QString LastEraseDateInstagram;
    QString LastEraseDateFacebook;
    QString LastEraseDateTwitter;
    QString LastEraseDateYoutube;
    QString LastEraseDateViber;
    QString LastEraseDateSkype;
    QString LastEraseDateChrome;
    QString LastEraseDateLine;
    // "AppSpaceSize"
    quint32 WhatsAppSpaceSize = 0;
    quint32 WeChatSpaceSize = 0;
    quint32 SnapchatSpaceSize = 0;
    quint32 KikSpaceSize = 0;
    quint32 InstagramSpaceSize = 0;
    quint32 FacebookSpaceSize = 0;
    quint32 TwitterSpaceSize = 0;
    quint32 YoutubeSpaceSize = 0;
    quint32 ViberSpaceSize = 0;
    quint32 SkypeSpaceSize = 0;
    quint32 ChromeSpaceSize = 0;
    quint32 LineSpaceSize = 0;

    /// Fills every field from "config.ini"; absent keys take their defaults ("None", 0).
    void Read();
    /// Stores every field in "config.ini".
    void Write() const;

    /// Every group of "clean.ini" with its sixteen keys (absent keys read as empty text).
    static GroupedValues ReadFragmentSizes();
    static void WriteFragmentSizes(const GroupedValues& groups);

    /// Every group of "CleanSizeConfig.ini" with its three keys (absent: empty text).
    static GroupedValues ReadCleanSizeConfig();
    static void WriteCleanSizeConfig(const GroupedValues& groups);

    /// Makes sure all three files exist, possibly empty, before anything reads them.
    static void EnsureFilesExist();

    static QString ConfigPath();
    static QString FragmentSizesPath();
    static QString CleanSizeConfigPath();
};
