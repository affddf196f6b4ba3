#include "FragmentApps.h"

const QVector<FragmentApp>& FragmentApps()
{
    // Image names are written out so that the skin check finds every one of them.
    static const QVector<FragmentApp> apps {
        { "WhatsApp", "fragments_whatsapp.png", "fragments_whatsapp_no_data.png", "WhatsAppSpaceSize", true },
        { "WeChat", "fragments_wechat.png", "fragments_wechat_no_data.png", "WeChatSpaceSize", false },
        { "Snapchat", "fragments_snapchat.png", "fragments_snapchat_no_data.png", "SnapchatSpaceSize", false },
        { "Kik", "fragments_kik.png", "fragments_kik_no_data.png", "KikSpaceSize", true },
        { "Spotify", "fragments_spotify.png", "fragments_spotify_no_data.png", "SpotifySpaceSize", false },
        { "Instagram", "fragments_instagram.png", "fragments_instagram_no_data.png", "InstagramSpaceSize", false },
        { "Facebook", "fragments_facebook.png", "fragments_facebook_no_data.png", "FacebookSpaceSize", false },
        { "Twitter", "fragments_twitter.png", "fragments_twitter_no_data.png", "TwitterSpaceSize", false },
        { "YouTube", "fragments_youtube.png", "fragments_youtube_no_data.png", "YoutubeSpaceSize", false },
        { "Telegram", "fragments_telegram.png", "fragments_telegram_no_data.png", "TelegramSpaceSize", false },
        { "Viber", "fragments_viber.png", "fragments_viber_no_data.png", "ViberSpaceSize", true },
        { "Skype", "fragments_skype.png", "fragments_skype_no_data.png", "SkypeSpaceSize", false },
        { "Chrome", "fragments_chrome.png", "fragments_chrome_no_data.png", "ChromeSpaceSize", false },
        { "LINE", "fragments_line.png", "fragments_line_no_data.png", "LineSpaceSize", false },
        { "Firefox", "fragments_firefox.png", "fragments_firefox_no_data.png", "FirefoxSpaceSize", false },
    };
    return apps;
}

int FragmentAppIndex(const QString& name)
{
    const QVector<FragmentApp>& apps = FragmentApps();
    for (int i = 0; i < apps.size(); ++i) {
        if (apps.at(i).name == name)
            return i;
    }
    return -1;
}
